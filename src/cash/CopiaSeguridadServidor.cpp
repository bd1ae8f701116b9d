#include "CopiaSeguridadPartes.h"

#include "core/Conexion.h"
#include "core/Formato.h"
#include "core/Registro.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/prctl.h>

using namespace Copias;

namespace {

const int EsperaHerramientaMs = 60 * 60 * 1000; // a big shop's dump takes minutes, never an hour

QStringList TablasServidor(Conexion &c)
{
    QStringList r;
    for (Recordset rs = c.AbrirRecordset(QStringLiteral(
             "select tablename from pg_tables where schemaname = 'public' order by tablename"));
         !rs.EOF_(); rs.MoveNext())
        r.append(NuloABlanco(rs.Campo(0)));
    return r;
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

} // namespace

namespace Copias {

// The rows of every table of the server's database, in the transaction open on the connection.
Tablas ContarServidor(Conexion &c)
{
    Tablas r;
    for (const QString &t : TablasServidor(c))
        r[t.toLower()].filas = qint64(
            Val(NuloACero(c.AbrirRecordset(QStringLiteral("select count(*) from \"%1\"").arg(t)).Campo(0))));
    return r;
}

// The server's copy read through: pg_restore writes it out as a script, for which it has to read
// every table's data, so a copy cut short or damaged fails here. Each table's columns come from
// the line that begins its data, and its rows are counted.
QString LeerCopiaServidor(Conexion &c, const QString &archivo, Tablas &tablas)
{
    static const QRegularExpression inicio(QStringLiteral(R"(^COPY public\.(\S+) \((.*)\) FROM stdin;$)"));
    Tabla *datos = nullptr;
    const Tabla *esquema = nullptr;
    const QString causa = Herramienta(
        c, QStringLiteral("pg_restore"), {QStringLiteral("--file=-"), archivo}, [&](const QByteArray &l) {
            if (datos) {
                if (l == "\\.\n") {
                    datos = nullptr;
                    return;
                }
                ++datos->filas;
                if (datos == esquema)
                    datos->version = qMax(datos->version, l.trimmed().toInt());
                return;
            }
            if (!l.startsWith("COPY "))
                return;
            const QRegularExpressionMatch m = inicio.match(QString::fromUtf8(l).trimmed());
            if (!m.hasMatch())
                return;
            datos = &tablas[m.captured(1).remove(QLatin1Char('"')).toLower()];
            if (m.captured(1) == QLatin1String("esquema"))
                esquema = datos;
            for (const QString &col : m.captured(2).split(QStringLiteral(", ")))
                datos->columnas.append(QString(col).remove(QLatin1Char('"')).toLower());
        });
    if (!causa.isEmpty())
        return QString::fromUtf8("La copia %1 no se puede leer: %2.").arg(archivo, causa);
    return {};
}

// pg_dump takes the snapshot this connection exports, so the rows counted here are the copy's.
QString VolcarServidor(Conexion &c, const QString &destino, Tablas &base)
{
    Transaccion t(c, true);
    const QString instantanea =
        NuloABlanco(c.AbrirRecordset(QStringLiteral("select pg_export_snapshot()")).Campo(0));
    base = ContarServidor(c);
    const QString causa =
        Herramienta(c, QStringLiteral("pg_dump"),
                    // gzip's quickest level: a third larger than its default, four times quicker.
                    {QStringLiteral("--format=custom"), QStringLiteral("--compress=1"),
                     QStringLiteral("--snapshot=") + instantanea, QStringLiteral("--file"), destino,
                     c.db().databaseName()});
    t.Confirmar();
    if (!causa.isEmpty())
        return QString::fromUtf8("No se pudo hacer la copia de seguridad: %1.").arg(causa);
    return {};
}

// The copy in place of the server's tables, in one transaction: if anything fails nothing changes.
QString RestaurarServidor(Conexion &c, const QString &archivo)
{
    const QString causa = Herramienta(
        c, QStringLiteral("pg_restore"),
        {QStringLiteral("--clean"), QStringLiteral("--if-exists"), QStringLiteral("--single-transaction"),
         QStringLiteral("--exit-on-error"), QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
         QStringLiteral("--dbname"), c.db().databaseName(), archivo});
    if (!causa.isEmpty())
        return QString::fromUtf8(
                   "El servidor no pudo restaurar la copia: %1. La base de datos sigue como estaba.")
            .arg(causa);
    return {};
}

} // namespace Copias
