#include "BaseDatos.h"

#include "Programa.h"

#include <QFile>
#include <QSqlRecord>
#include <QStringList>

namespace {

QString Recurso(const QString &nombre)
{
    QFile f(QStringLiteral(":/esquema/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorBaseDatos(QStringLiteral("Falta el guion de base de datos ") + nombre, QString());
    return QString::fromUtf8(f.readAll());
}

} // namespace

void CrearBaseDatos(Conexion &conexion)
{
    const bool servidor = conexion.motor() == Motor::PostgreSQL;
    Transaccion t(conexion);
    conexion.EjecutarGuion(Recurso(servidor ? QStringLiteral("postgres.sql") : QStringLiteral("sqlite.sql")));
    conexion.EjecutarGuion(Recurso(QStringLiteral("semilla.sql")));
    t.Confirmar();
}

bool EsTablaAnadida(const QString &tabla)
{
    for (const TablaAnadida &t : TablasAnadidas)
        if (tabla == QLatin1String(t.tabla))
            return true;
    return false;
}

void ActualizarEsquema(Conexion &conexion)
{
    const bool servidor = conexion.motor() == Motor::PostgreSQL;
    const QStringList tablas = conexion.db().tables();
    for (const TablaAnadida &t : TablasAnadidas)
        if (!tablas.contains(QString::fromLatin1(t.tabla)))
            conexion.Ejecutar(QString::fromLatin1(servidor ? t.servidor : t.sqlite));
    for (const ColumnaAnadida &c : ColumnasAnadidas)
        if (!conexion.db().record(QString::fromLatin1(c.tabla)).contains(QString::fromLatin1(c.columna)))
            conexion.Ejecutar(QStringLiteral("alter table %1 add column %2 %3")
                                  .arg(QString::fromLatin1(c.tabla), QString::fromLatin1(c.columna),
                                       QString::fromLatin1(servidor ? c.tipoServidor : c.tipoSQLite)));
    // Indexes are looked up first: creating one, even "if not exists", would wait on the server
    // for every counter writing to the table at that moment.
    const auto existe = [&](const char *indice) {
        const QString nombre = QString::fromLatin1(indice);
        return conexion
            .AbrirRecordset(
                servidor ? QStringLiteral("select 1 from pg_indexes where indexname = '%1'").arg(nombre)
                         : QStringLiteral("select 1 from sqlite_master where type = 'index' and "
                                          "name = '%1'")
                               .arg(nombre))
            .HayFilas();
    };
    // Made once on a shop from before them: a few seconds on decades of history.
    static const char *const indices[][2] = {
        {"ix_detalles_listos", "create index if not exists ix_detalles_listos on arreglos_detalles "
                               "(idcosturera, idarreglo) where listoparaentrega = 1"},
        {"ix_caja_abierta", "create index if not exists ix_caja_abierta on caja (nombrecierre) where "
                            "cerrado = 0 or cerrado is null"}};
    for (const auto &[nombre, crear] : indices)
        if (!existe(nombre))
            conexion.Ejecutar(QString::fromLatin1(crear));
    // One customer per telephone. A shop that already holds two with one telephone keeps working
    // without the rule until they are merged; the support log says so.
    if (existe("ux_clientes_telefono"))
        return;
    try {
        conexion.Ejecutar(QStringLiteral("create unique index if not exists ux_clientes_telefono on clientes "
                                         "(telefono) where telefono <> ''"));
    } catch (const ErrorBaseDatos &) {
        qWarning("Hay clientes con el mismo teléfono: no se exige un teléfono por cliente");
    }
}

void SembrarMerceria(Conexion &conexion)
{
    Transaccion t(conexion);
    conexion.Ejecutar(QString::fromUtf8("insert into familias (nombre) values ('Mercería')"));
    conexion.Ejecutar(QString::fromUtf8(
        "insert into productos (idfamilia, nombre, precio1, precio2, precio3, activo) select max(idfamilia), "
        "'Productos mercería', 0, 0, 0, 0 from familias where nombre = 'Mercería'"));
    t.Confirmar();
}

void AbrirSegunConfiguracion(Conexion &conexion, const Configuracion &config, bool crear)
{
    if (config.UsaServidor()) {
        conexion.AbrirPostgreSQL(config.Servidor());
        G().RutaBaseDatos.clear();
    } else {
        conexion.AbrirSQLite(config.ArchivoBaseDatos(), crear);
        G().RutaBaseDatos = config.ArchivoBaseDatos();
    }
    G().ArchivoConfiguracion = config.ruta;
    G().conexion = &conexion;
    G().EsSqlServer = conexion.EsSqlServer();
    if (!crear)
        ActualizarEsquema(conexion);
}
