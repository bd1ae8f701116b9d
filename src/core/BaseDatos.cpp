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

void CrearBaseDatos(Conexion &conexion, int hasta)
{
    const bool servidor = conexion.motor() == Motor::PostgreSQL;
    Transaccion t(conexion);
    conexion.EjecutarGuion(Recurso(servidor ? QStringLiteral("postgres.sql") : QStringLiteral("sqlite.sql")));
    conexion.EjecutarGuion(Recurso(QStringLiteral("semilla.sql")));
    t.Confirmar();
    ActualizarEsquema(conexion, {}, hasta);
}

bool EsTablaAnadida(const QString &tabla)
{
    for (const TablaAnadida &t : TablasAnadidas)
        if (tabla == QLatin1String(t.tabla))
            return true;
    return false;
}

void AnadirColumna(Conexion &conexion, const ColumnaAnadida &c, bool servidor)
{
    if (!conexion.db().record(QString::fromLatin1(c.tabla)).contains(QString::fromLatin1(c.columna)))
        conexion.Ejecutar(QStringLiteral("alter table %1 add column %2 %3")
                              .arg(QString::fromLatin1(c.tabla), QString::fromLatin1(c.columna),
                                   QString::fromLatin1(servidor ? c.tipoServidor : c.tipoSQLite)));
}

void CrearIndiceTelefonos(Conexion &conexion)
{
    // Looked up first: creating an index, even "if not exists", would wait on the server for every
    // counter writing to the table at that moment.
    const bool existe = conexion
                            .AbrirRecordset(conexion.motor() == Motor::PostgreSQL
                                                ? Conexion::SqlIndiceTelefonos()
                                                : QStringLiteral("select 1 from sqlite_master where type = "
                                                                 "'index' and name = 'ux_clientes_telefono'"))
                            .HayFilas();
    if (existe)
        return;
    if (conexion
            .AbrirRecordset(
                QStringLiteral("select top 1 telefono from clientes where telefono <> '' group by "
                               "telefono having count(*) > 1"))
            .HayFilas()) {
        qWarning("Hay clientes con el mismo teléfono: no se exige un teléfono por cliente");
        return;
    }
    conexion.Ejecutar(QStringLiteral("create unique index if not exists ux_clientes_telefono on clientes "
                                     "(telefono) where telefono <> ''"));
}

int VersionEsquemaPrograma()
{
    return PasosEsquema().back().version;
}

namespace {

// The schema's version and, on the server, whether the telephones' index is there: as the
// connection's opening read them, else in one round trip. Without a server the index is not asked
// (false).
std::pair<int, bool> VersionEIndice(Conexion &conexion)
{
    if (conexion.motor() == Motor::PostgreSQL) {
        if (const auto leida = conexion.TomarVersionDeApertura())
            return *leida;
        Recordset rs = conexion.AbrirRecordset(QStringLiteral("select ") + Conexion::SqlVersionEIndice());
        return {rs.Campo(0).toInt(), rs.Campo(1).toBool()};
    }
    if (!conexion.db().tables().contains(QStringLiteral("esquema")))
        return {0, false};
    return {conexion.AbrirRecordset(QStringLiteral("select max(version) from esquema")).Campo(0).toInt(),
            false};
}

} // namespace

int VersionEsquema(Conexion &conexion)
{
    return VersionEIndice(conexion).first;
}

namespace {

[[noreturn]] void RechazarMasNueva(int version)
{
    throw ErrorBaseDatos(QString::fromUtf8("La base de datos es de una versión más nueva del programa (%1)."
                                           "\r\nNo se ha cambiado nada: instale la versión nueva del "
                                           "programa en este ordenador.")
                             .arg(VersionesEsquema(version)),
                         QString());
}

// Any number of the program's own: counters waiting for it run the steps one after another.
constexpr int CerrojoEsquema = 48570211;

} // namespace

QString VersionesEsquema(int version)
{
    return QString::fromUtf8("versión de datos %1; este programa conoce hasta la %2")
        .arg(version)
        .arg(VersionEsquemaPrograma());
}

void ComprobarVersionEsquema(Conexion &conexion)
{
    const int version = VersionEsquema(conexion);
    if (version > VersionEsquemaPrograma())
        RechazarMasNueva(version);
}

QStringList ActualizarEsquema(Conexion &conexion, const std::function<void()> &antesDeCambiar, int hasta)
{
    const bool servidor = conexion.motor() == Motor::PostgreSQL;
    const int conocida = hasta < 0 ? VersionEsquemaPrograma() : hasta;
    conexion.RecordarVersionEsquema(0); // read again below: the database may be another one now
    const auto [leida, conIndice] = VersionEIndice(conexion);
    int version = leida;
    if (version > VersionEsquemaPrograma())
        RechazarMasNueva(version);
    QStringList hechos;
    if (version < conocida && antesDeCambiar)
        antesDeCambiar();
    for (const PasoEsquema &paso : PasosEsquema()) {
        if (paso.version <= version || paso.version > conocida)
            continue;
        Transaccion t(conexion);
        if (servidor)
            conexion.AbrirRecordset(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(CerrojoEsquema));
        // Another counter may have run it while this one waited for the lock.
        const int ahora = VersionEsquema(conexion);
        if (ahora > VersionEsquemaPrograma())
            RechazarMasNueva(ahora);
        if (ahora >= paso.version) {
            version = ahora;
            continue;
        }
        if (!conexion.db().tables().contains(QStringLiteral("esquema"))) {
            conexion.Ejecutar(QStringLiteral("create table esquema (version integer not null)"));
            conexion.Ejecutar(QStringLiteral("insert into esquema (version) values (0)"));
        }
        paso.aplicar(conexion, servidor);
        conexion.Ejecutar(QStringLiteral("update esquema set version = %1").arg(paso.version));
        t.Confirmar();
        version = paso.version;
        hechos
            << QString::fromUtf8("Versión %1: %2").arg(paso.version).arg(QString::fromUtf8(paso.descripcion));
    }
    if (hechos.isEmpty() && hasta < 0 && !conIndice)
        CrearIndiceTelefonos(conexion);
    conexion.RecordarVersionEsquema(conocida);
    return hechos;
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

QStringList AbrirSegunConfiguracion(Conexion &conexion, const Configuracion &config, bool crear,
                                    const std::function<void()> &antesDeCambiar)
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
    if (crear)
        return {};
    return ActualizarEsquema(conexion, antesDeCambiar);
}
