#include "Caja.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"

void MeterMovimientoCaja(double importe, const QString &concepto, const QString &nombrecierre, int formapago,
                         qint64 idarreglo, qint64 idticket)
{
    // Both backends keep the same cents: the server would round, the embedded file would not.
    importe = RedondearImporte(importe);
    if (importe == 0)
        return;
    const QString fecha = DimeFechaServidor();
    Bd().Ejecutar(QStringLiteral("insert into caja (importe, concepto, fecha, nombrecierre, cerrado, formapago, "
                                 "idarreglo, idticket) values (")
                  + TextoNumero(importe) + QStringLiteral(", ") + ComillasSQL(concepto) + QStringLiteral(", ")
                  + LiteralFechaSQL(fecha) + QStringLiteral(", ") + ComillasSQL(nombrecierre) + QStringLiteral(", ")
                  + QStringLiteral("0") + QStringLiteral(", ") + QString::number(formapago) + QStringLiteral(", ")
                  + QString::number(idarreglo) + QStringLiteral(", ") + QString::number(idticket) + QStringLiteral(")"));
}

void BorrarArreglo(qint64 idarreglo)
{
    // All three or none: half an annulled order would linger in the lists or in the cash.
    const QString n = QString::number(idarreglo);
    Transaccion t(Bd());
    Bd().Ejecutar(QStringLiteral("delete from arreglos_detalles where idarreglo = ") + n);
    Bd().Ejecutar(QStringLiteral("delete from arreglos where idarreglo = ") + n);
    Bd().Ejecutar(QStringLiteral("delete from caja where idarreglo = ") + n);
    t.Confirmar();
}

void cmdSacarDinero_Click()
{
    const QString texto = Dlg().PadNumerico(QString::fromUtf8("¿Cantidad a sacar de la caja?"), false);
    if (texto.isEmpty())
        return;
    const std::optional<double> leido = ImporteTecleado(texto);
    if (!leido)
        return;
    const double importe = *leido;
    MeterMovimientoCaja(-importe, QStringLiteral("Retirado de caja"), G().NombreCierre, 1, 0, 0);
    Dlg().Mensaje(QStringLiteral("Se ha registrado una retirada de ") + FormatoImporte(importe)
                  + QString::fromUtf8(" € de la caja"));
}
