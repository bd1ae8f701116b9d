#include "CopiaSeguridad.h"

#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDriver>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const int EsperaHerramientaMs = 60 * 60 * 1000; // a big shop's dump takes minutes, never an hour

QString CausaSistema(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("no hay permiso para escribir en ella");
    case ENOSPC:
        return QString::fromUtf8("el disco está lleno");
    case EROFS:
        return QString::fromUtf8("el disco es de solo lectura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la carpeta no existe");
    default:
        return QStringLiteral("error del sistema %1").arg(error);
    }
}

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

sqlite3 *Manejador(Conexion &c)
{
    const QVariant h = c.db().driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.data());
}

// A copy of the embedded database opened read-only, closed with its owner.
struct ArchivoSQLite {
    sqlite3 *db = nullptr;
    explicit ArchivoSQLite(const QString &ruta)
    {
        if (sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
            != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
        }
    }
    ~ArchivoSQLite() { sqlite3_close(db); }
    // The first column of the first row, or empty (with ok false) when the statement fails.
    QString Valor(const QString &sql, bool &ok) const
    {
        ok = false;
        sqlite3_stmt *st = nullptr;
        QString v;
        if (db && sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_ROW) {
                v = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
                ok = true;
            }
        }
        sqlite3_finalize(st);
        return v;
    }
};

QStringList Tablas(Conexion &c)
{
    const QString sql =
        c.motor() == Motor::SQLite
            ? QStringLiteral("select name from sqlite_master where type = 'table' and name not like "
                             "'sqlite_%' order by name")
            : QStringLiteral("select tablename from pg_tables where schemaname = 'public' order by "
                             "tablename");
    QStringList r;
    Recordset rs = c.AbrirRecordset(sql);
    for (; !rs.EOF_(); rs.MoveNext())
        r.append(NuloABlanco(rs.Campo(0)));
    return r;
}

QString ComprobarArchivoSQLite(const ArchivoSQLite &copia, const QString &archivo)
{
    bool ok = false;
    if (!copia.db || copia.Valor(QStringLiteral("pragma integrity_check"), ok) != QLatin1String("ok") || !ok)
        return QString::fromUtf8("La copia %1 está dañada o no es una base de datos.").arg(archivo);
    copia.Valor(QStringLiteral("select count(*) from parametros"), ok);
    if (!ok)
        return QString::fromUtf8("El archivo %1 no es una copia de la base de datos de la tienda.")
            .arg(archivo);
    return {};
}

QString VerificarSQLite(Conexion &c, const QString &archivo)
{
    const ArchivoSQLite copia(archivo);
    QString error = ComprobarArchivoSQLite(copia, archivo);
    if (!error.isEmpty())
        return error;
    for (const QString &tabla : Tablas(c)) {
        bool ok = false;
        const QString enCopia = copia.Valor(QStringLiteral("select count(*) from \"%1\"").arg(tabla), ok);
        const QString enBase =
            NuloABlanco(c.AbrirRecordset(QStringLiteral("select count(*) from \"%1\"").arg(tabla)).Campo(0));
        if (!ok || enCopia != enBase)
            return QString::fromUtf8("La copia %1 no tiene las mismas filas que la base de datos (tabla %2).")
                .arg(archivo, tabla);
    }
    return {};
}

// Runs one of PostgreSQL's client tools against the connection's database.
struct ResultadoHerramienta {
    bool ok = false;
    QString salida;
    QString error;
};

ResultadoHerramienta Herramienta(Conexion &c, const QString &programa, QStringList argumentos)
{
    const QSqlDatabase &db = c.db();
    if (!db.hostName().isEmpty())
        argumentos << QStringLiteral("--host") << db.hostName();
    if (db.port() > 0)
        argumentos << QStringLiteral("--port") << QString::number(db.port());
    if (!db.userName().isEmpty())
        argumentos << QStringLiteral("--username") << db.userName();
    argumentos << QStringLiteral("--no-password");
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("PGPASSWORD"), db.password());
    entorno.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("10"));
    p.setProcessEnvironment(entorno);
    // The tool ends with the program: a counter killed during a backup leaves no dump running on.
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    p.start(programa, argumentos);
    ResultadoHerramienta r;
    if (!p.waitForStarted()) {
        r.error = QString::fromUtf8("No se encontró %1: instale las herramientas de cliente de PostgreSQL "
                                    "(scripts/instalar-dependencias.sh).")
                      .arg(programa);
        return r;
    }
    if (!p.waitForFinished(EsperaHerramientaMs)) {
        p.kill();
        p.waitForFinished();
    }
    r.salida = QString::fromUtf8(p.readAllStandardOutput());
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!r.ok)
        r.error = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return r;
}

QString VerificarPostgreSQL(Conexion &c, const QString &archivo, bool contraLaBase)
{
    const ResultadoHerramienta lista =
        Herramienta(c, QStringLiteral("pg_restore"), {QStringLiteral("--list"), archivo});
    if (!lista.ok)
        return QString::fromUtf8("La copia %1 no se puede leer: %2").arg(archivo, lista.error);
    if (!contraLaBase)
        return {};
    for (const QString &tabla : Tablas(c)) {
        if (!lista.salida.contains(QStringLiteral(" TABLE DATA public %1 ").arg(tabla)))
            return QString::fromUtf8("A la copia %1 le falta la tabla %2.").arg(archivo, tabla);
    }
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
    return c.motor() == Motor::SQLite ? VerificarSQLite(c, archivo) : VerificarPostgreSQL(c, archivo, true);
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
    const QString parcial = r.archivo + QStringLiteral(".parcial");
    QFile::remove(parcial);

    if (sqlite) {
        // A consistent snapshot taken on the program's own connection, which stays open.
        sqlite3 *h = Manejador(c);
        sqlite3_stmt *st = nullptr;
        int rc = h ? sqlite3_prepare_v2(h, "VACUUM INTO ?1", -1, &st, nullptr) : SQLITE_MISUSE;
        if (rc == SQLITE_OK) {
            const QByteArray ruta = parcial.toUtf8();
            sqlite3_bind_text(st, 1, ruta.constData(), int(ruta.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(st);
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            r.error = rc == SQLITE_FULL
                          ? QString::fromUtf8("No se pudo hacer la copia de seguridad: el disco está lleno.")
                          : QString::fromUtf8("No se pudo escribir la copia de seguridad %1 (código %2).")
                                .arg(r.archivo)
                                .arg(rc);
    } else {
        const ResultadoHerramienta volcado = Herramienta(
            c, QStringLiteral("pg_dump"),
            {QStringLiteral("--format=custom"), QStringLiteral("--file"), parcial, c.db().databaseName()});
        if (!volcado.ok)
            r.error =
                QString::fromUtf8("El servidor no pudo hacer la copia de seguridad: %1").arg(volcado.error);
    }
    if (r.error.isEmpty()
        && std::rename(QFile::encodeName(parcial).constData(), QFile::encodeName(r.archivo).constData()) != 0)
        r.error = QString::fromUtf8("No se pudo escribir la copia de seguridad %1: %2.")
                      .arg(r.archivo, CausaSistema(errno));
    if (r.error.isEmpty())
        r.error = VerificarCopia(c, r.archivo);
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
    const bool sqlite = c.motor() == Motor::SQLite;
    if (!QFileInfo(archivo).isFile()) {
        r.error = QString::fromUtf8("No existe el archivo %1.").arg(archivo);
        return r;
    }
    r.error = sqlite ? ComprobarArchivoSQLite(ArchivoSQLite(archivo), archivo)
                     : VerificarPostgreSQL(c, archivo, false);
    if (!r.error.isEmpty())
        return r;

    const ResultadoCopia apartada =
        HacerCopiaSeguridad(c, carpeta, momento, QStringLiteral("antes-de-restaurar"));
    if (!apartada.ok) {
        r.error =
            QString::fromUtf8("No se ha restaurado nada: antes hay que guardar la base de datos actual, y ")
            + apartada.error;
        return r;
    }

    if (sqlite) {
        const QString ruta = c.db().databaseName();
        const QString temporal = ruta + QStringLiteral(".restaurando");
        c.Cerrar();
        QFile::remove(temporal);
        bool hecho = QFile::copy(archivo, temporal);
        if (hecho) {
            // The old journal belongs to the database set aside; left there it would be replayed.
            QFile::remove(ruta + QStringLiteral("-wal"));
            QFile::remove(ruta + QStringLiteral("-shm"));
            hecho = std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(ruta).constData())
                    == 0;
        }
        QFile::remove(temporal);
        c.AbrirSQLite(ruta);
        if (!hecho) {
            r.error = QString::fromUtf8(
                          "No se pudo poner la copia en lugar de %1; la base de datos sigue como estaba.")
                          .arg(ruta);
            r.apartada = apartada.archivo;
            return r;
        }
        r.error = VerificarSQLite(c, archivo);
    } else {
        const ResultadoHerramienta vuelta = Herramienta(
            c, QStringLiteral("pg_restore"),
            {QStringLiteral("--clean"), QStringLiteral("--if-exists"), QStringLiteral("--single-transaction"),
             QStringLiteral("--exit-on-error"), QStringLiteral("--no-owner"),
             QStringLiteral("--no-privileges"), QStringLiteral("--dbname"), c.db().databaseName(), archivo});
        if (!vuelta.ok)
            r.error = QString::fromUtf8(
                          "El servidor no pudo restaurar la copia; la base de datos sigue como estaba: %1")
                          .arg(vuelta.error);
    }
    r.apartada = apartada.archivo;
    r.ok = r.error.isEmpty();
    if (!r.ok)
        r.error +=
            QString::fromUtf8("\nLa base de datos anterior está guardada en %1.").arg(apartada.archivo);
    return r;
}

void CopiaSeguridad(const std::function<void()> &hecha)
{
    const ResultadoCopia r = HacerCopiaSeguridad(Bd(), CarpetaCopias(), RelojPrograma().Ahora());
    if (hecha)
        hecha();
    Dlg().Mensaje(r.ok ? QStringLiteral("Copia de seguridad realizada") : r.error);
}
