#include "RegistroOperaciones.h"

#include "Caja.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

void AnotarOperacion(const QString &tipo, const QString &detalle, qint64 idarreglo,
                     std::optional<double> importe, const QString &usuario)
{
    AnotarOperacionEn(Bd(), tipo, detalle, idarreglo, importe, usuario);
}

void AnotarOperacionEn(Conexion &c, const QString &tipo, const QString &detalle, qint64 idarreglo,
                       std::optional<double> importe, const QString &usuario)
{
    const QString fecha = DimeFechaServidor();
    c.Encolar(QStringLiteral(
                  "insert into operaciones (fecha, nombrecierre, puesto, usuario, tipo, idarreglo, importe, "
                  "detalle) values (")
              + LiteralFechaSQL(fecha) + QStringLiteral(", ") + CajaDeFechaSQL(fecha, c.EsSqlServer() == 1)
              + QStringLiteral(", ") + ComillasSQL(G().Puesto) + QStringLiteral(", ") + ComillasSQL(usuario)
              + QStringLiteral(", ") + ComillasSQL(tipo) + QStringLiteral(", ")
              + (idarreglo ? QString::number(idarreglo) : QStringLiteral("null")) + QStringLiteral(", ")
              + (importe ? TextoNumero(RedondearImporte(*importe)) : QStringLiteral("null"))
              + QStringLiteral(", ") + ComillasSQL(detalle) + QStringLiteral(")"));
}
