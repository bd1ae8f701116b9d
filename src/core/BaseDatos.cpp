#include "BaseDatos.h"

#include "Formato.h"
#include "Programa.h"

#include <QFile>
#include <QSqlRecord>

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

void ActualizarEsquema(Conexion &conexion)
{
    // A shop made by an older version gets what this one writes: each cash movement names the
    // counter (drawer) that booked it.
    if (!conexion.db().record(QStringLiteral("caja")).contains(QStringLiteral("puesto")))
        conexion.Ejecutar(QStringLiteral("alter table caja add column puesto ")
                          + (conexion.motor() == Motor::PostgreSQL ? QStringLiteral("varchar(255)")
                                                                   : QStringLiteral("text")));
    // One customer per telephone. A shop that already holds two with one telephone keeps working
    // without the rule until they are merged; the support log says so.
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
