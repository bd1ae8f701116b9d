#include "CopiaSeguridad.h"

#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "core/Reloj.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDriver>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
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

// Each table of a database or of a copy: its columns (lower case) and how many rows it has.
struct Tabla {
    QStringList columnas;
    qint64 filas = 0;
};
using Tablas = QMap<QString, Tabla>;

// Runs a statement on an embedded database and hands over each row; false when it fails.
bool Filas(sqlite3 *db, const QByteArray &sql, const std::function<void(sqlite3_stmt *)> &fila)
{
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc == SQLITE_OK)
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            fila(st);
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

QString Texto(sqlite3_stmt *st, int columna)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, columna)));
}

// The tables of an embedded database on its own handle, inside the transaction open there (if
// any): the rows are those of that snapshot.
bool LeerTablasSQLite(sqlite3 *db, Tablas &r)
{
    QStringList nombres;
    if (!db
        || !Filas(db, "select name from sqlite_master where type = 'table' and name not like 'sqlite_%'",
                  [&](sqlite3_stmt *st) { nombres.append(Texto(st, 0)); }))
        return false;
    for (const QString &n : std::as_const(nombres)) {
        const QByteArray cita =
            '"' + QString(n).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8() + '"';
        Tabla &t = r[n.toLower()];
        if (!Filas(db, "pragma table_info(" + cita + ")",
                   [&](sqlite3_stmt *st) { t.columnas.append(Texto(st, 1).toLower()); })
            || !Filas(db, "select count(*) from " + cita,
                      [&](sqlite3_stmt *st) { t.filas = sqlite3_column_int64(st, 0); }))
            return false;
    }
    return true;
}

QStringList TablasServidor(Conexion &c)
{
    QStringList r;
    for (Recordset rs = c.AbrirRecordset(QStringLiteral(
             "select tablename from pg_tables where schemaname = 'public' order by tablename"));
         !rs.EOF_(); rs.MoveNext())
        r.append(NuloABlanco(rs.Campo(0)));
    return r;
}

// The rows of every table of the server's database, in the transaction open on the connection.
Tablas ContarServidor(Conexion &c)
{
    Tablas r;
    for (const QString &t : TablasServidor(c))
        r[t.toLower()].filas = qint64(
            Val(NuloACero(c.AbrirRecordset(QStringLiteral("select count(*) from \"%1\"").arg(t)).Campo(0))));
    return r;
}

// The whole copy of the embedded database read through: every page checked, then its tables.
QString LeerCopiaSQLite(const QString &archivo, Tablas &tablas)
{
    sqlite3 *db = nullptr;
    QString estado;
    const bool sana =
        sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
            == SQLITE_OK
        && Filas(db, "pragma integrity_check",
                 [&](sqlite3_stmt *st) { estado += Texto(st, 0).left(200) + QLatin1Char(' '); })
        && estado == QLatin1String("ok ") && LeerTablasSQLite(db, tablas);
    if (!sana)
        qWarning("Copia %s: %s %s", qPrintable(archivo), qPrintable(estado.left(600)), sqlite3_errmsg(db));
    sqlite3_close(db);
    if (!sana)
        return QString::fromUtf8("La copia %1 está dañada o no es una base de datos.").arg(archivo);
    return {};
}

// What went wrong with a client tool, from its own (English) words, which go to the support log.
QString CausaHerramienta(const QString &programa, const QString &dicho)
{
    qWarning("%s: %s", qPrintable(programa), qPrintable(Registro::SinDatos(dicho).left(2000)));
    const QString t = dicho.toLower();
    auto hay = [&t](const char *texto) { return t.contains(QLatin1String(texto)); };
    if (hay("no space left") || hay("quota"))
        return QString::fromUtf8("el disco está lleno");
    if (hay("file too large"))
        return CausaSistema(EFBIG);
    if (hay("could not connect") || hay("connection to server") || hay("server closed")
        || hay("connection refused"))
        return QString::fromUtf8("no hay comunicación con el servidor de base de datos");
    if (hay("permission denied"))
        return QString::fromUtf8("falta un permiso, en la carpeta o en la base de datos");
    if (hay("version mismatch") || hay("unsupported version"))
        return QString::fromUtf8("las herramientas de PostgreSQL de este ordenador no son de la versión "
                                 "del servidor");
    if (hay("end of file") || hay("could not read") || hay("magic") || hay("valid archive")
        || hay("too short") || hay("text format") || hay("corrupt") || hay("uncompress") || hay("invalid")
        || hay("unexpected"))
        return QString::fromUtf8("el archivo está incompleto o dañado, o no es una copia de seguridad");
    return QString::fromUtf8("%1 terminó con un error (el detalle está en el registro del programa)")
        .arg(programa);
}

// Runs one of PostgreSQL's client tools against the connection's database; linea, when given,
// gets each line of what the tool writes out, as it comes. Empty when the tool succeeded, else
// why not, in Spanish.
QString Herramienta(Conexion &c, const QString &programa, QStringList argumentos,
                    const std::function<void(const QByteArray &)> &linea = {})
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
    // Their messages in the words CausaHerramienta knows, whatever the machine's language.
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    entorno.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(entorno);
    // The tool ends with the program: a counter killed during a backup leaves no dump running on.
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    p.start(programa, argumentos);
    if (!p.waitForStarted())
        return QString::fromUtf8("no se encontró %1: instale las herramientas de cliente de PostgreSQL "
                                 "(scripts/instalar-dependencias.sh)")
            .arg(programa);
    QElapsedTimer reloj;
    reloj.start();
    auto leer = [&] {
        while (p.canReadLine())
            linea ? linea(p.readLine()) : void(p.readAll());
    };
    while (p.state() != QProcess::NotRunning && reloj.elapsed() < EsperaHerramientaMs) {
        p.waitForReadyRead(1000);
        leer();
    }
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
    }
    leer();
    if (linea && p.bytesAvailable() > 0)
        linea(p.readAll());
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return {};
    return CausaHerramienta(programa, QString::fromUtf8(p.readAllStandardError()).trimmed());
}

// The server's copy read through: pg_restore writes it out as a script, for which it has to read
// every table's data, so a copy cut short or damaged fails here. Each table's columns come from
// the line that begins its data, and its rows are counted.
QString LeerCopiaServidor(Conexion &c, const QString &archivo, Tablas &tablas)
{
    static const QRegularExpression inicio(QStringLiteral(R"(^COPY public\.(\S+) \((.*)\) FROM stdin;$)"));
    Tabla *datos = nullptr;
    const QString causa = Herramienta(
        c, QStringLiteral("pg_restore"), {QStringLiteral("--file=-"), archivo}, [&](const QByteArray &l) {
            if (datos) {
                if (l == "\\.\n")
                    datos = nullptr;
                else
                    ++datos->filas;
                return;
            }
            if (!l.startsWith("COPY "))
                return;
            const QRegularExpressionMatch m = inicio.match(QString::fromUtf8(l).trimmed());
            if (!m.hasMatch())
                return;
            datos = &tablas[m.captured(1).remove(QLatin1Char('"')).toLower()];
            for (const QString &col : m.captured(2).split(QStringLiteral(", ")))
                datos->columnas.append(QString(col).remove(QLatin1Char('"')).toLower());
        });
    if (!causa.isEmpty())
        return QString::fromUtf8("La copia %1 no se puede leer: %2.").arg(archivo, causa);
    return {};
}

QString LeerCopia(Conexion &c, const QString &archivo, Tablas &tablas)
{
    return c.motor() == Motor::SQLite ? LeerCopiaSQLite(archivo, tablas)
                                      : LeerCopiaServidor(c, archivo, tablas);
}

// Every table and column the program works with, from its own schema made in memory: a copy
// without one of them would leave a counter that cannot start.
QString ComprobarEsquema(const Tablas &copia, const QString &archivo)
{
    Conexion memoria;
    memoria.AbrirSQLite(QStringLiteral(":memory:"), true);
    CrearBaseDatos(memoria);
    Tablas esquema;
    LeerTablasSQLite(Manejador(memoria), esquema);
    for (auto t = esquema.cbegin(); t != esquema.cend(); ++t) {
        if (!copia.contains(t.key()))
            return QString::fromUtf8("El archivo %1 no es una copia de la base de datos de la tienda: le "
                                     "falta la tabla %2.")
                .arg(archivo, t.key());
        for (const QString &columna : t->columnas)
            if (!copia[t.key()].columnas.contains(columna))
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

QString CausaSQLite(sqlite3 *db, int rc)
{
    qWarning("Copia de seguridad: %s (código %d)", sqlite3_errmsg(db), rc);
    const int sistema = sqlite3_system_errno(db);
    if ((rc & 0xff) == SQLITE_FULL || sistema == ENOSPC)
        return QString::fromUtf8("el disco está lleno");
    if ((rc & 0xff) == SQLITE_IOERR && sistema != 0)
        return CausaSistema(sistema);
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        return QString::fromUtf8("la base de datos está ocupada por otro mostrador; inténtelo de nuevo");
    return QString::fromUtf8(
        "la base de datos no se pudo copiar (el detalle está en el registro del programa)");
}

// The embedded database copied on the program's own connection, which stays open: its rows are
// counted and its pages copied inside one read transaction, so other counters write on
// meanwhile and the copy is exactly what was counted.
QString CopiarSQLite(Conexion &c, const QString &destino, Tablas &base)
{
    sqlite3 *h = Manejador(c);
    if (!h)
        return QString::fromUtf8(
            "No se pudo hacer la copia de seguridad: no hay conexión con la base de datos.");
    const bool propia = sqlite3_get_autocommit(h) != 0;
    if (propia)
        sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3 *d = nullptr;
    sqlite3 *fallo = h;
    int rc = LeerTablasSQLite(h, base) ? SQLITE_OK : SQLITE_ERROR;
    if (rc == SQLITE_OK) {
        rc = sqlite3_open_v2(QFile::encodeName(destino).constData(), &d, SQLITE_OPEN_READWRITE, nullptr);
        fallo = d;
    }
    // No journal: a copy cut short is thrown away, never rolled back.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(d, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup *b = sqlite3_backup_init(d, "main", h, "main");
        rc = b ? sqlite3_backup_step(b, -1) : sqlite3_errcode(d);
        const int fin = sqlite3_backup_finish(b);
        if (rc == SQLITE_DONE)
            rc = fin;
    }
    // The copy stands alone, without the live database's write-ahead files beside it.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(d, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    const QString error =
        rc == SQLITE_OK
            ? QString()
            : QString::fromUtf8("No se pudo hacer la copia de seguridad: %1.").arg(CausaSQLite(fallo, rc));
    sqlite3_close(d);
    if (propia)
        sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    return error;
}

// pg_dump takes the snapshot this connection exports, so the rows counted here are the copy's.
QString VolcarServidor(Conexion &c, const QString &destino, Tablas &base)
{
    Transaccion t(c);
    c.Ejecutar(QStringLiteral("set transaction isolation level repeatable read"));
    const QString instantanea =
        NuloABlanco(c.AbrirRecordset(QStringLiteral("select pg_export_snapshot()")).Campo(0));
    base = ContarServidor(c);
    const QString causa =
        Herramienta(c, QStringLiteral("pg_dump"),
                    {QStringLiteral("--format=custom"), QStringLiteral("--snapshot=") + instantanea,
                     QStringLiteral("--file"), destino, c.db().databaseName()});
    t.Confirmar();
    if (!causa.isEmpty())
        return QString::fromUtf8("No se pudo hacer la copia de seguridad: %1.").arg(causa);
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
    const int otras =
        NuloACero(
            c.AbrirRecordset(
                 QStringLiteral("select count(*) from pg_stat_activity where datname = current_database() "
                                "and pid <> pg_backend_pid() and backend_type = 'client backend'"))
                .Campo(0))
            .toInt();
    if (otras > 0)
        return (otras == 1 ? QString::fromUtf8("Hay otra conexión abierta")
                           : QString::fromUtf8("Hay otras %1 conexiones abiertas").arg(otras))
               + QString::fromUtf8(
                   " con la base de datos de la tienda (el programa en algún mostrador, u otro "
                   "programa). Cierre el programa en todos los mostradores y vuelva a intentarlo.");
    return {};
}

// Puts the embedded copy in place of the database file, with the file's own permissions; the
// connection is open on it again afterwards.
bool PonerArchivo(Conexion &c, const QString &archivo)
{
    const QString ruta = c.db().databaseName();
    const QString temporal = ruta + QStringLiteral(".restaurando");
    const QFileDevice::Permissions permisos = QFile::permissions(ruta);
    c.Cerrar();
    QFile::remove(temporal);
    bool hecho = QFile::copy(archivo, temporal) && QFile::setPermissions(temporal, permisos);
    if (hecho) {
        // The old journal belongs to the database set aside; left there it would be replayed.
        QFile::remove(ruta + QStringLiteral("-wal"));
        QFile::remove(ruta + QStringLiteral("-shm"));
        hecho =
            std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(ruta).constData()) == 0;
    }
    QFile::remove(temporal);
    c.AbrirSQLite(ruta);
    return hecho;
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
        if (error.isEmpty() && c.motor() == Motor::SQLite && !LeerTablasSQLite(Manejador(c), base))
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
            r.error = LeerCopia(c, archivo, copia);
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
            else if (!LeerTablasSQLite(Manejador(c), ahora))
                r.error = QString::fromUtf8("La base de datos restaurada no se puede leer.");
        } else {
            const QString causa =
                Herramienta(c, QStringLiteral("pg_restore"),
                            {QStringLiteral("--clean"), QStringLiteral("--if-exists"),
                             QStringLiteral("--single-transaction"), QStringLiteral("--exit-on-error"),
                             QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
                             QStringLiteral("--dbname"), c.db().databaseName(), archivo});
            if (!causa.isEmpty())
                r.error =
                    QString::fromUtf8("El servidor no pudo restaurar la copia: %1. La base de datos sigue "
                                      "como estaba.")
                        .arg(causa);
            c.ReconocerBaseDatos();
            if (r.error.isEmpty())
                ahora = ContarServidor(c);
        }
        if (r.error.isEmpty())
            r.error = CompararFilas(ahora, copia, archivo);
    } catch (const ErrorBaseDatos &e) {
        r.error = e.Mensaje();
    }
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
