#include "demo/DatosCapturas.h"

#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "intercambio/Exportar.h"
#include "intercambio/Importar.h"
#include "printing/TicketsArreglo.h"

#include <QDir>

namespace {

QString Maximo(const QString &sql)
{
    return TextoDeValor(Bd().AbrirRecordset(sql).Campo(0));
}

} // namespace

int SembrarNombres(const QString &cliente, const QString &telefono, const QString &color,
                   const QString &familia)
{
    Conexion &bd = Bd();
    bd.Ejecutar(QStringLiteral("insert into clientes (nombre, telefono, estienda) values (%1, %2, 0)")
                    .arg(ComillasSQL(cliente), ComillasSQL(telefono)));
    bd.Ejecutar(QStringLiteral("insert into colores (nombre) values (%1)").arg(ComillasSQL(color)));
    bd.Ejecutar(QStringLiteral("insert into familias (nombre) values (%1)").arg(ComillasSQL(familia)));
    const QString idfamilia = Maximo(QStringLiteral("select max(idfamilia) as id from familias"));
    bd.Ejecutar(QStringLiteral("insert into productos (idfamilia, nombre, precio1, precio2, activo) values "
                               "(%1, 'Acortar', 12, 10, 0)")
                    .arg(idfamilia));
    return Maximo(QStringLiteral("select idcliente from clientes where telefono = ") + ComillasSQL(telefono))
        .toInt();
}

qint64 SembrarArreglo(int idcliente, const QString &nombrePrenda)
{
    Conexion &bd = Bd();
    bd.Ejecutar(QStringLiteral("insert into arreglos (idusuario, idcliente, fechaarreglo) values (1, %1, %2)")
                    .arg(idcliente)
                    .arg(LiteralFechaSQL(DimeFechaServidor())));
    const qint64 idarreglo = Maximo(QStringLiteral("select max(idarreglo) from arreglos")).toLongLong();
    bd.Ejecutar(QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                               "referenciaprenda) values (%1, %2, 12, %3, '%1.1')")
                    .arg(idarreglo)
                    .arg(Maximo(QStringLiteral("select max(idproducto) from productos")))
                    .arg(ComillasSQL(nombrePrenda)));
    return idarreglo;
}

QStringList EscaneosPrendas(EstadoPrenda estado, int cuantas)
{
    const QString condicion =
        estado == EstadoPrenda::SinAsignar ? QStringLiteral("idcosturera is null")
        : estado == EstadoPrenda::ConTrabajador
            ? QStringLiteral("idcosturera is not null and (listoparaentrega = 0 or listoparaentrega is null)")
            : QStringLiteral("listoparaentrega = 1");
    Recordset rs = AbrirRecordset(
        QStringLiteral(
            "select distinct arreglos_detalles.idarreglo, referenciaprenda from arreglos_detalles inner "
            "join productos on arreglos_detalles.idproducto = productos.idproducto where ")
        + condicion
        + QStringLiteral(" and productos.nombre <> 'Productos mercería' order by referenciaprenda"));
    QStringList r;
    for (; !rs.EOF_() && r.size() < cuantas; rs.MoveNext())
        r.append(QLatin1Char('$') + CodigoBarrasPrenda(rs.Campo(0).toLongLong(), rs.Campo(1).toString()));
    return r;
}

ResultadoImportar ImportacionDemo(const QString &carpeta)
{
    const QString csv = QDir(carpeta).filePath(QStringLiteral("tablas"));
    Exportar(Bd(), csv);
    Conexion nueva;
    nueva.AbrirSQLite(QDir(carpeta).filePath(QStringLiteral("importada.db")), true);
    CrearBaseDatos(nueva);
    OpcionesImportar o;
    o.origen = csv;
    return Importar(nueva, o);
}
