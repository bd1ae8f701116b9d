// Counter actions of frmPrincipal outside the order on screen: haberdashery, the drawer, the calculator.
#include "frmPrincipal.h"

#include "cash/Caja.h"
#include "core/Dialogos.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "core/Tecleado.h"
#include "printing/CanalTickets.h"
#include "printing/TicketMerceria.h"

void frmPrincipal::cmdMerceria_Click()
{
    const QString importe = Dlg().PadNumerico(QString::fromUtf8("Importe de la venta de mercería"), false);
    if (importe.isEmpty())
        return;
    const std::optional<double> leido = ImporteTecleado(importe);
    if (!leido)
        return;
    const double euros = *leido;
    if (euros <= 0) {
        Dlg().Mensaje(QString::fromUtf8("El importe de la venta debe ser mayor que cero."));
        return;
    }
    if (Dlg().MensajeSiNo(QString::fromUtf8("Confirmar venta de mercería de ") + importe
                          + QString::fromUtf8("€?"))
        != Dialogos::Si)
        return;
    // Haberdashery is always paid in cash, whatever method the order on screen shows.
    MeterMovimientoCaja(euros, QString::fromUtf8("Mercería"), 1, 0, 0);
    AbrirCajon();
    if (Dlg().MensajeSiNo(QStringLiteral("Imprimir ticket")) == Dialogos::Si)
        ImprimirTicketMerceria(euros);
}

void frmPrincipal::Command1_Click()
{
    AbrirCajon();
}

void frmPrincipal::cmdCalculadora_Click()
{
    if (G().pantallas)
        G().pantallas->Calculadora();
}
