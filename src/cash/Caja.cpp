#include "Caja.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"

void MeterMovimientoCaja(double importe, const QString &concepto, const QString &nombrecierre, int formapago,
                         qint64 idarreglo, qint64 idticket)
{
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
