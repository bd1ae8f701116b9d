#include "CierreCaja.h"

#include "cash/Caja.h"
#include "cash/frmHojaVenta.h"
#include "core/Conexion.h"
#include "core/Dialogos.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"

bool cmdCierreCaja_Click()
{
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Cerrar la caja actual?")) != Dialogos::Si)
        return false;
    if (Dlg().MensajeSiNo(QString::fromUtf8("No podrá reabrir la caja.\r\n¿Desea continuar?"))
        != Dialogos::Si)
        return false;
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Imprimir un resumen de caja?")) == Dialogos::Si) {
        // The summary is the day's sales sheet. Closing cannot be undone, so it waits until the
        // summary is on paper: a printer fault or a cancelled preview leaves the cash open.
        frmHojaVenta hoja;
        hoja.Llenar(NombreCierreDeHoy());
        if (!ImprimirListado(hoja.gridHojaVenta, QStringLiteral("Hoja de venta"), false))
            return false;
    }
    {
        Transaccion t(Bd());
        // A sale another counter is saving at this very moment lands wholly before the close (and is
        // closed with the day) or wholly after it (in the day the close leaves open): the server
        // lets the close wait for the bookings under way, and new bookings wait for the close.
        // Both go out with the commit: one round trip to a far server.
        if (Bd().EsSqlServer())
            Bd().Encolar(QStringLiteral("lock table caja in share row exclusive mode"));
        // Only the open movements: the closed ones of every earlier day stay as they are.
        Bd().Encolar(QStringLiteral("update caja set cerrado = 1 where cerrado = 0 or cerrado is null"));
        t.Confirmar();
    }
    if (G().pantallas)
        G().pantallas->TerminarPrograma();
    return true;
}
