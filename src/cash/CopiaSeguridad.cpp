#include "CopiaSeguridad.h"

#include "CopiaSeguridadPartes.h"
#include "RegistroOperaciones.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace Copias;

QString Copias::CausaSistema(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("no hay permiso para escribir en la carpeta");
    case ENOSPC:
    case EDQUOT:
        return QString::fromUtf8("el disco está lleno");
    case EFBIG:
        return QString::fromUtf8("el disco está lleno o no admite un archivo tan grande");
    case EROFS:
        return QString::fromUtf8("el disco es de solo lectura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la carpeta no existe");
    case EIO:
        return QString::fromUtf8("el disco ha fallado al leer o escribir");
    default:
        return QStringLiteral("error del sistema %1").arg(error);
    }
}

namespace {

// Creates the copy's file, empty, under a name no earlier copy has: a second copy within the
// same second gets "_2", and so on. Creating it exclusively is what makes the name its own.
QString ReservarArchivo(const QString &carpeta, const QString &base, const QString &extension, QString &error)
{
    for (int n = 1; n < 1000; ++n) {
        const QString nombre = base + (n > 1 ? QStringLiteral("_%1").arg(n) : QString()) + extension;
        const QString ruta = QDir(carpeta).filePath(nombre);
        const int fd =
            ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0640);
        if (fd >= 0) {
            ::close(fd);
            return ruta;
        }
        if (errno != EEXIST) {
            error = QString::fromUtf8("No se pudo crear la copia de seguridad en la carpeta %1: %2.")
                        .arg(QDir::toNativeSeparators(carpeta), CausaSistema(errno));
            return {};
        }
    }
    error =
        QString::fromUtf8("No se pudo crear la copia de seguridad: hay demasiadas copias con la misma hora.");
    return {};
}

// aFondo: before a restore, the embedded copy's indexes are matched with their tables too.
QString LeerCopia(Conexion &c, const QString &archivo, Tablas &tablas, bool aFondo = false)
{
    return c.motor() == Motor::SQLite ? LeerCopiaSQLite(archivo, tablas, aFondo)
                                      : LeerCopiaServidor(c, archivo, tablas);
}

// A column the counter adds by itself when it opens an older database.
bool Anadida(const QString &tabla, const QString &columna)
{
    for (const ColumnaAnadida &c : ColumnasAnadidas)
        if (tabla == QLatin1String(c.tabla) && columna == QLatin1String(c.columna))
            return true;
    return false;
}

// Every table and column of the schema at the copy's own version, made in memory: a copy without
// one of them would leave a counter that cannot start. The restore brings it up to this program's
// version; a copy made by a newer program is refused.
QString ComprobarEsquema(const Tablas &copia, const QString &archivo)
{
    const int version = copia.value(QStringLiteral("esquema")).version;
    if (version > VersionEsquemaPrograma())
        return QString::fromUtf8("La copia %1 es de una versión más nueva del programa (%2): instale "
                                 "la versión nueva del programa para usarla.")
            .arg(archivo, VersionesEsquema(version));
    Conexion memoria;
    memoria.AbrirSQLite(QStringLiteral(":memory:"), true);
    CrearBaseDatos(memoria, version);
    Tablas esquema;
    TablasSQLite(memoria, esquema);
    for (auto t = esquema.cbegin(); t != esquema.cend(); ++t) {
        // Before versions were recorded, a shop could lack some of the first steps' tables and columns.
        if (!copia.contains(t.key()) && !EsTablaAnadida(t.key()))
            return QString::fromUtf8("El archivo %1 no es una copia de la base de datos de la tienda: le "
                                     "falta la tabla %2.")
                .arg(archivo, t.key());
        for (const QString &columna : t->columnas)
            if (copia.contains(t.key()) && !copia[t.key()].columnas.contains(columna)
                && !Anadida(t.key(), columna))
                return QString::fromUtf8("El archivo %1 no es una copia de la base de datos de la tienda: "
                                         "a la tabla %2 le falta la columna %3.")
                    .arg(archivo, t.key(), columna);
    }
    return {};
}

// Every table of the database has the same rows in the copy.
QString CompararFilas(const Tablas &copia, const Tablas &base, const QString &archivo)
{
    for (auto t = base.cbegin(); t != base.cend(); ++t)
        if (!copia.contains(t.key()) || copia[t.key()].filas != t->filas)
            return QString::fromUtf8("La copia %1 no tiene las mismas filas que la base de datos (tabla %2).")
                .arg(archivo, t.key());
    return {};
}

// Counters on the database would go on writing into the one replaced and lose all of it.
QString MostradoresAbiertos(Conexion &c, std::optional<CerrojoBaseDatos> &cerrojo)
{
    if (c.motor() == Motor::SQLite) {
        const QString real = QFileInfo(c.db().databaseName()).canonicalFilePath();
        cerrojo.emplace(real.isEmpty() ? c.db().databaseName() : real);
        if (!cerrojo->Tomar(true))
            return QString::fromUtf8("El programa está abierto con esta base de datos en algún mostrador. "
                                     "Ciérrelo en todos los mostradores y vuelva a intentarlo.");
        return {};
    }
    // A counter closed a moment ago may still be leaving the server: give it three seconds.
    int otras = 0;
    for (int intento = 0; intento < 30; ++intento) {
        otras =
            NuloACero(c.AbrirRecordset(QStringLiteral("select count(*) from pg_stat_activity where datname = "
                                                      "current_database() and pid <> pg_backend_pid() and "
                                                      "backend_type = 'client backend'"))
                          .Campo(0))
                .toInt();
        if (otras == 0)
            break;
        QThread::msleep(100);
    }
    if (otras > 0)
        return (otras == 1 ? QString::fromUtf8("Hay otra conexión abierta")
                           : QString::fromUtf8("Hay otras %1 conexiones abiertas").arg(otras))
               + QString::fromUtf8(
                   " con la base de datos de la tienda (el programa en algún mostrador, u otro "
                   "programa). Cierre el programa en todos los mostradores y vuelva a intentarlo.");
    return {};
}

} // namespace

QString CarpetaCopias()
{
    const QString junto = G().EsSqlServer ? G().ArchivoConfiguracion : G().RutaBaseDatos;
    const QString base = junto.isEmpty() ? RutaConfiguracion() : junto;
    return QFileInfo(base).absoluteDir().filePath(QStringLiteral("copiasseguridad"));
}

QString VerificarCopia(Conexion &c, const QString &archivo)
{
    try {
        Tablas copia, base;
        QString error = LeerCopia(c, archivo, copia);
        if (error.isEmpty())
            error = ComprobarEsquema(copia, archivo);
        if (error.isEmpty() && c.motor() == Motor::SQLite && !TablasSQLite(c, base))
            error = QString::fromUtf8("No se pudo leer la base de datos para compararla con la copia.");
        if (error.isEmpty())
            error = CompararFilas(copia, c.motor() == Motor::SQLite ? base : ContarServidor(c), archivo);
        return error;
    } catch (const ErrorBaseDatos &e) {
        return e.Mensaje();
    }
}

ResultadoCopia HacerCopiaSeguridad(Conexion &c, const QString &carpeta, const QDateTime &momento,
                                   const QString &nombre)
{
    ResultadoCopia r;
    if (!QDir().mkpath(carpeta)) {
        r.error = QString::fromUtf8("No se pudo crear la carpeta de copias de seguridad %1.")
                      .arg(QDir::toNativeSeparators(carpeta));
        return r;
    }
    const bool sqlite = c.motor() == Motor::SQLite;
    const QString base = nombre + QLatin1Char('_') + momento.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    r.archivo =
        ReservarArchivo(carpeta, base, sqlite ? QStringLiteral(".db") : QStringLiteral(".dump"), r.error);
    if (r.archivo.isEmpty())
        return r;
    // The copy is written beside its name and takes it only once written whole: a program killed
    // halfway leaves an empty file and a ".parcial" one, never a half copy that looks like a copy.
    // The ".parcial" is made first with the copy's mode, which the writers keep: copies hold the
    // customers' data and are not for every user of the machine.
    const QString parcial = r.archivo + QStringLiteral(".parcial");
    const int fd =
        ::open(QFile::encodeName(parcial).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0640);
    if (fd < 0)
        r.error = QString::fromUtf8("No se pudo escribir la copia de seguridad %1: %2.")
                      .arg(r.archivo, CausaSistema(errno));
    else
        ::close(fd);
    try {
        Tablas enBase, enCopia;
        if (r.error.isEmpty())
            r.error = sqlite ? CopiarSQLite(c, parcial, enBase) : VolcarServidor(c, parcial, enBase);
        if (r.error.isEmpty()
            && std::rename(QFile::encodeName(parcial).constData(), QFile::encodeName(r.archivo).constData())
                   != 0)
            r.error = QString::fromUtf8("No se pudo escribir la copia de seguridad %1: %2.")
                          .arg(r.archivo, CausaSistema(errno));
        if (r.error.isEmpty())
            r.error = LeerCopia(c, r.archivo, enCopia);
        if (r.error.isEmpty())
            r.error = CompararFilas(enCopia, enBase, r.archivo);
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje();
    }
    r.ok = r.error.isEmpty();
    QFile::remove(parcial);
    if (!r.ok)
        QFile::remove(r.archivo); // a copy that cannot be trusted must not be found and restored later
    return r;
}

ResultadoCopia RestaurarCopia(Conexion &c, const QString &archivo, const QString &carpeta,
                              const QDateTime &momento)
{
    ResultadoCopia r;
    r.archivo = archivo;
    const QString nada = QStringLiteral(" No se ha restaurado nada.");
    if (!QFileInfo(archivo).isFile()) {
        r.error = QString::fromUtf8("No existe el archivo %1.").arg(archivo) + nada;
        return r;
    }
    const bool sqlite = c.motor() == Motor::SQLite;
    std::optional<CerrojoBaseDatos> cerrojo; // held until the copy is in place
    Tablas copia;
    try {
        r.error = MostradoresAbiertos(c, cerrojo);
        if (r.error.isEmpty())
            r.error = LeerCopia(c, archivo, copia, true);
        if (r.error.isEmpty())
            r.error = ComprobarEsquema(copia, archivo);
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje();
    }
    if (!r.error.isEmpty()) {
        r.error += nada;
        return r;
    }

    const ResultadoCopia apartada =
        HacerCopiaSeguridad(c, carpeta, momento, QStringLiteral("antes-de-restaurar"));
    if (!apartada.ok) {
        r.error =
            apartada.error
            + QString::fromUtf8(" No se ha restaurado nada: antes hay que guardar la base de datos actual.");
        return r;
    }
    r.apartada = apartada.archivo;
    try {
        Tablas ahora;
        if (sqlite) {
            if (!PonerArchivo(c, archivo))
                r.error =
                    QString::fromUtf8("No se pudo poner la copia en lugar de %1; la base de datos sigue como "
                                      "estaba.")
                        .arg(c.db().databaseName());
            else if (!TablasSQLite(c, ahora))
                r.error = QString::fromUtf8("La base de datos restaurada no se puede leer.");
        } else {
            r.error = RestaurarServidor(c, archivo);
            c.ReconocerBaseDatos();
            c.RecordarVersionEsquema(0); // the copy's version is read below
            // pg_restore replaces only the copy's own tables: those of later versions (esquema
            // among them) go too, or the restored database would look newer than it is.
            if (r.error.isEmpty())
                ahora = ContarServidor(c);
            for (const QString &t : ahora.keys())
                if (!copia.contains(t)) {
                    c.Ejecutar(QStringLiteral("drop table \"%1\"").arg(t));
                    ahora.remove(t);
                }
        }
        if (r.error.isEmpty())
            r.error = CompararFilas(ahora, copia, archivo);
        // The restored database says it was restored, and from what: an older copy gets the
        // journal's table first.
        if (r.error.isEmpty()) {
            ActualizarEsquema(c);
            AnotarOperacionEn(
                c, Operacion::CopiaRestaurada,
                QString::fromUtf8("Copia %1; la base de datos anterior está guardada en %2.")
                    .arg(QFileInfo(archivo).fileName(), QFileInfo(apartada.archivo).fileName()));
        }
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje();
    }
    r.ok = r.error.isEmpty();
    if (!r.ok)
        r.error +=
            QString::fromUtf8("\nLa base de datos anterior está guardada en %1.").arg(apartada.archivo);
    return r;
}

QString CopiaAntesDeActualizar(Conexion &c)
{
    const ResultadoCopia r = HacerCopiaSeguridad(c, CarpetaCopias(), RelojPrograma().Ahora(),
                                                 QStringLiteral("antes-de-actualizar"));
    if (!r.ok)
        throw ErrorBaseDatos(
            QString::fromUtf8("La base de datos no se ha actualizado a la versión nueva del "
                              "programa: antes hay que hacer una copia de seguridad, y no se "
                              "ha podido.\r\n")
                + r.error,
            QString());
    return r.archivo;
}

QString TextoActualizada(const QStringList &pasos, const QString &copia)
{
    return QString::fromUtf8("La base de datos se ha actualizado a la versión %1 de datos:\n")
               .arg(VersionEsquemaPrograma())
           + pasos.join(QLatin1Char('\n'))
           + QString::fromUtf8("\nAntes se hizo una copia de seguridad comprobada: %1").arg(copia);
}

ResultadoCopia CopiarEnCarpeta(const QString &copia, const QString &carpeta)
{
    ResultadoCopia r;
    r.archivo = QDir(carpeta).filePath(QFileInfo(copia).fileName());
    const QString parcial = r.archivo + QStringLiteral(".parcial");
    QFile::remove(parcial);
    // The copy was verified where it was made: the same bytes read back here are as good.
    const auto huella = [](const QString &archivo) {
        QFile f(archivo);
        QCryptographicHash h(QCryptographicHash::Sha256);
        return f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result() : QByteArray();
    };
    if (!QFileInfo(carpeta).isDir())
        r.error = QString::fromUtf8("No se encuentra la carpeta %1.").arg(QDir::toNativeSeparators(carpeta));
    else if (!QFile::copy(copia, parcial)
             || std::rename(QFile::encodeName(parcial).constData(), QFile::encodeName(r.archivo).constData())
                    != 0)
        r.error = QString::fromUtf8("No se pudo copiar la copia de seguridad en la carpeta %1 (¿está llena o "
                                    "no se puede escribir en ella?).")
                      .arg(QDir::toNativeSeparators(carpeta));
    else if (huella(r.archivo).isEmpty() || huella(r.archivo) != huella(copia))
        r.error = QString::fromUtf8("La copia de seguridad en la carpeta %1 no se lee igual que la original "
                                    "(¿falla el disco?).")
                      .arg(QDir::toNativeSeparators(carpeta));
    QFile::remove(parcial);
    r.ok = r.error.isEmpty();
    if (!r.ok)
        QFile::remove(r.archivo);
    return r;
}

PruebaCopia ProbarCopia(Conexion &c, bool servidor, const QString &archivo)
{
    PruebaCopia r;
    Tablas copia, restaurada;
    QTemporaryDir temporal;
    Conexion prueba;
    QString basePrueba; // the server's scratch database, dropped at the end
    try {
        if (!QFileInfo(archivo).isFile())
            r.error = QString::fromUtf8("No existe el archivo %1.").arg(archivo);
        else
            r.error = servidor ? LeerCopiaServidor(c, archivo, copia) : LeerCopiaSQLite(archivo, copia, true);
        if (r.error.isEmpty())
            r.error = ComprobarEsquema(copia, archivo);
        if (r.error.isEmpty() && !servidor) {
            const QString ruta = QDir(temporal.path()).filePath(QStringLiteral("prueba.db"));
            r.como = QString::fromUtf8("en un archivo temporal (%1), borrado al terminar").arg(ruta);
            if (!QFile::copy(archivo, ruta))
                r.error = QString::fromUtf8("No se pudo copiar la copia a la carpeta temporal %1.")
                              .arg(temporal.path());
            else
                prueba.AbrirSQLite(ruta);
        } else if (r.error.isEmpty()) {
            basePrueba = QStringLiteral("hilvan_prueba_%1").arg(QCoreApplication::applicationPid());
            try {
                c.Ejecutar(QStringLiteral("create database %1").arg(basePrueba));
            } catch (const ErrorBaseDatos &) {
                basePrueba.clear();
            }
            if (basePrueba.isEmpty()) {
                // A user that may not create databases: the copy has been read through and counted.
                r.como =
                    QString::fromUtf8("sin base de datos de prueba (el usuario del servidor no puede "
                                      "crearla): la copia se ha leído entera y se han contado sus filas");
                for (auto t = copia.cbegin(); t != copia.cend(); ++t)
                    r.tablas << QString::fromUtf8("%1: %2 filas").arg(t.key()).arg(t->filas);
                r.ok = true;
                return r;
            }
            r.como = QString::fromUtf8("en la base de datos de prueba %1 del servidor, borrada al terminar")
                         .arg(basePrueba);
            const QSqlDatabase &db = c.db();
            prueba.AbrirPostgreSQL({db.hostName(), basePrueba, db.userName(), db.password(), db.port()});
            r.error = RestaurarServidor(prueba, archivo);
        }
        if (r.error.isEmpty()) {
            if (servidor)
                restaurada = ContarServidor(prueba);
            else
                TablasSQLite(prueba, restaurada);
            for (auto t = copia.cbegin(); t != copia.cend(); ++t)
                r.tablas << QString::fromUtf8("%1: %2 %3%4")
                                .arg(t.key())
                                .arg(t->filas)
                                .arg(t->filas == 1 ? QStringLiteral("fila") : QStringLiteral("filas"))
                                .arg(restaurada.value(t.key()).filas == t->filas
                                         ? QString()
                                         : QString::fromUtf8(" (¡distintas!)"));
            r.error = CompararFilas(restaurada, copia, archivo);
        }
        // The copy must also open in this program: the restore would run the same steps.
        if (r.error.isEmpty())
            ActualizarEsquema(prueba);
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje();
    }
    prueba.Cerrar();
    if (!basePrueba.isEmpty()) {
        try {
            c.Ejecutar(QStringLiteral("drop database if exists %1").arg(basePrueba));
        } catch (const ErrorBaseDatos &e) {
            r.error += QString::fromUtf8(" No se pudo borrar la base de datos de prueba %1: %2")
                           .arg(basePrueba, e.Mensaje());
        }
    }
    r.ok = r.error.isEmpty();
    return r;
}

void CopiaSeguridad(const std::function<void()> &hecha)
{
    const ResultadoCopia r = HacerCopiaSeguridad(Bd(), CarpetaCopias(), RelojPrograma().Ahora());
    if (hecha)
        hecha();
    Dlg().Mensaje(r.ok ? QStringLiteral("Copia de seguridad realizada") : r.error);
}
