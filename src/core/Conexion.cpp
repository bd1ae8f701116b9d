#include "Conexion.h"

#include "Dialecto.h"
#include "Fechas.h"
#include "Formato.h"
#include "Programa.h"
#include "Registro.h"
#include "Reloj.h"

#include <QCollator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QThread>
#include <QUuid>
#include <QVarLengthArray>
#include <libpq-fe.h>
#include <limits>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

const QRegularExpression &ReIso()
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}[ T]\d{2}:\d{2}:\d{2}(\.\d+)?$)"));
    return re;
}

QString TextoSqlite(sqlite3_value *v)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)));
}

// Dates are ISO text, but a date typed as the shop writes it ("05/12/2026") is read as well.
// "yyyy-MM-dd HH:mm:ss" read by hand: QDateTime::fromString parses its format text on every call.
QDateTime FechaIso(const QString &t)
{
    auto num = [&t](int desde, int largo) {
        int n = 0;
        for (int i = desde; i < desde + largo; ++i)
            n = n * 10 + t[i].digitValue();
        return n;
    };
    return QDateTime(QDate(num(0, 4), num(5, 2), num(8, 2)), QTime(num(11, 2), num(14, 2), num(17, 2)));
}

QDateTime FechaSqlite(sqlite3_value *v)
{
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return {};
    return FechaDeTexto(TextoSqlite(v));
}

void FuncionYear(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    const QDateTime f = FechaSqlite(argv[0]);
    if (!f.isValid())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_int(ctx, f.date().year());
}

void FuncionMonth(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    const QDateTime f = FechaSqlite(argv[0]);
    if (!f.isValid())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_int(ctx, f.date().month());
}

// DateDiff counts the boundaries crossed between two date-times: whole days for 'd'.
void FuncionDateDiff(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    const QString unidad = TextoSqlite(argv[0]).toLower();
    const QDateTime a = FechaSqlite(argv[1]);
    const QDateTime b = FechaSqlite(argv[2]);
    if (!a.isValid() || !b.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    qint64 r;
    if (unidad == QLatin1String("m"))
        r = (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month();
    else if (unidad == QLatin1String("yyyy"))
        r = b.date().year() - a.date().year();
    else if (unidad == QLatin1String("h"))
        r = QDateTime(a.date(), QTime(a.time().hour(), 0), Qt::UTC)
                .secsTo(QDateTime(b.date(), QTime(b.time().hour(), 0), Qt::UTC))
            / 3600;
    else
        r = a.date().daysTo(b.date());
    sqlite3_result_int64(ctx, r);
}

// The pattern of LIKE ('%' any run, '_' one character, the escape character before either of them
// or itself for that character as it is) on case-folded text.
bool CoincideLike(const QList<uint> &patron, const QList<uint> &texto, uint escape)
{
    qsizetype p = 0, t = 0, comodin = -1, vuelta = 0;
    while (t < texto.size()) {
        const bool escapado = escape != 0 && p + 1 < patron.size() && patron[p] == escape;
        if (!escapado && p < patron.size() && patron[p] == uint('%')) {
            comodin = p++;
            vuelta = t;
        } else if (escapado && patron[p + 1] == texto[t]) {
            p += 2;
            ++t;
        } else if (!escapado && p < patron.size() && (patron[p] == uint('_') || patron[p] == texto[t])) {
            ++p;
            ++t;
        } else if (comodin >= 0) {
            p = comodin + 1;
            t = ++vuelta;
        } else {
            return false;
        }
    }
    while (p < patron.size() && patron[p] == uint('%'))
        ++p;
    return p == patron.size();
}

// The shop's searches ignore case in every letter ("ángela" finds "Ángela"), as the server's
// ilike does; the engine's own LIKE folds ASCII only. A third argument is the ESCAPE character.
void FuncionLike(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    uint escape = 0;
    if (argc == 3) {
        const QList<uint> e = TextoSqlite(argv[2]).toCaseFolded().toUcs4();
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    const bool si = CoincideLike(TextoSqlite(argv[0]).toCaseFolded().toUcs4(),
                                 TextoSqlite(argv[1]).toCaseFolded().toUcs4(), escape);
    sqlite3_result_int(ctx, si ? 1 : 0);
}

int CompararEspanol(void *, int largoA, const void *a, int largoB, const void *b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
        c.setNumericMode(false);
        return c;
    }();
    // A sort compares each name many times: the engine's bytes are read into buffers on the
    // stack instead of a new string for each comparison.
    QVarLengthArray<QChar, 128> textoA(largoA);
    QVarLengthArray<QChar, 128> textoB(largoB);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QChar *finA =
        utf8.appendToBuffer(textoA.data(), QByteArrayView(static_cast<const char *>(a), largoA));
    utf8.resetState();
    const QChar *finB =
        utf8.appendToBuffer(textoB.data(), QByteArrayView(static_cast<const char *>(b), largoB));
    return collator.compare(QStringView(textoA.data(), finA), QStringView(textoB.data(), finB));
}

bool SinComunicacion(const QSqlError &e)
{
    const QString t = (e.databaseText() + QLatin1Char(' ') + e.driverText()).toLower();
    auto hay = [&t](const char *texto) { return t.contains(QLatin1String(texto)); };
    return e.nativeErrorCode().startsWith(QLatin1String("08")) || hay("connection")
           || hay("could not connect") || hay("server closed") || hay("timeout") || hay("timed out")
           || hay("refused") || hay("terminating") || hay("shutdown") || hay("eof detected");
}

// libpq's connection under the server's driver (only asked of a server's connection).
PGconn *ConexionServidor(const QSqlDatabase &db)
{
    const QVariant h = db.driver()->handle();
    return h.isValid() ? *static_cast<PGconn *const *>(h.data()) : nullptr;
}

// The engines speak English; staff get the cause in Spanish, and the engine's own words go to the
// support log for whoever looks after the machine.
QString CausaEnEspanol(const QSqlError &e)
{
    const QString t = (e.databaseText() + QLatin1Char(' ') + e.driverText()).toLower();
    const QString codigo = e.nativeErrorCode();
    auto hay = [&t](const char *texto) { return t.contains(QLatin1String(texto)); };
    if (hay("locked") || hay("busy"))
        return QString::fromUtf8("La base de datos está ocupada por otro mostrador o programa. "
                                 "Inténtelo de nuevo en unos segundos.");
    if (hay("disk") || hay("full") || hay("readonly") || hay("read-only") || hay("no space"))
        return QString::fromUtf8(
            "No se pudo escribir en el disco. Compruebe el espacio libre y los permisos.");
    // Asked before the lost connection: libpq puts these after "connection to server ... failed".
    if (hay("ssl was required") || hay("certificate"))
        return QString::fromUtf8("No se pudo cifrar la conexión (TLS) que exige la línea 7 del archivo de "
                                 "configuración: el servidor no la ofrece o su certificado no es válido.");
    if (SinComunicacion(e))
        return QString::fromUtf8("No hay comunicación con el servidor de base de datos.");
    if (hay("no such table") || hay("no such column") || hay("does not exist")
        || codigo == QLatin1String("42P01") || codigo == QLatin1String("42703"))
        return QString::fromUtf8("La base de datos no tiene la estructura que el programa espera "
                                 "(falta una tabla o una columna).");
    if (hay("constraint") || hay("unique") || hay("duplicate") || codigo.startsWith(QLatin1String("23")))
        return QString::fromUtf8("La base de datos ha rechazado los datos (un valor repetido o no válido).");
    if (hay("syntax") || codigo.startsWith(QLatin1String("42")))
        return QString::fromUtf8("La base de datos no ha entendido la orden.");
    if (hay("not open") || hay("cannot open") || hay("unable to open"))
        return QString::fromUtf8("No se pudo abrir la base de datos.");
    return QString::fromUtf8("La base de datos no ha podido completar la operación.");
}

// The statement goes with the engine's words so that support can tell which one failed; its quoted
// values (names, telephones) are blanked first.
void RegistrarError(const QSqlError &e, const QString &sql)
{
    qWarning("Base de datos: %s | %s | orden: %s", qPrintable(Registro::SinDatos(e.databaseText())),
             qPrintable(e.driverText()), qPrintable(Registro::SinDatos(sql).simplified().left(300)));
}

QAtomicInteger<quint64> escriturasMaestras = 0;

// Several statements sent as one text (one round trip to the server), the query left on the last
// one's result; false at the first that failed, with its error. The driver makes the first
// statement's result the current one and keeps the others behind it.
bool EjecutarVarias(QSqlQuery &q, const QString &texto, int sentencias)
{
    if (!q.exec(texto))
        return false;
    for (int i = 1; i < sentencias; ++i)
        if (!q.nextResult())
            return false;
    return true;
}

// A write to what counters hold in memory: the statement names one of those tables.
void AnotarEscritura(const QString &sql)
{
    static const QRegularExpression re(
        QStringLiteral(R"(\b(familias|productos|usuarios|costureras|colores|parametros)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString t = sql.trimmed();
    if (!t.startsWith(QLatin1String("select"), Qt::CaseInsensitive) && re.match(t).hasMatch())
        ++escriturasMaestras;
}

QString TextoError(const QSqlError &e, const QString &sql)
{
    RegistrarError(e, sql);
    return QStringLiteral("Error en la base de datos.\r\n") + CausaEnEspanol(e);
}

} // namespace

QVariant Recordset::Campo(const QString &nombre) const
{
    const int i = Indice(nombre);
    if (i < 0)
        throw ErrorBaseDatos(QStringLiteral("Error en la base de datos.\r\nNo existe el campo ") + nombre,
                             QString());
    return Campo(i);
}

QVariant Recordset::Campo(int indice) const
{
    if (fila_ >= numFilas_ || indice < 0 || indice >= nombres_.size())
        return {};
    return celdas_[fila_ * size_t(nombres_.size()) + size_t(indice)];
}

bool Recordset::TieneCampo(const QString &nombre) const
{
    return Indice(nombre) >= 0;
}

int Recordset::Indice(const QString &nombre) const
{
    return indices_.value(nombre.toLower(), -1);
}

Conexion::Conexion() : nombre_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Conexion::~Conexion()
{
    Cerrar();
}

void Conexion::AbrirSQLite(const QString &ruta, bool crear)
{
    Cerrar();
    // The engine would silently create an empty file where a mistyped or moved one was named.
    if (!crear && !QFileInfo(ruta).isFile())
        throw ErrorBaseDatos(QStringLiteral("No se encuentra la base de datos ") + ruta
                                 + QString::fromUtf8(".\r\nCompruebe la primera línea de bdcostuaccess.dat: "
                                                     "el archivo no existe o se ha movido."),
                             QString());
    // A new shop's file, and the journal files the engine makes after it, are the owner's only.
    if (crear && !QFileInfo::exists(ruta) && !ruta.startsWith(QLatin1Char(':'))) {
        QFile nuevo(ruta);
        if (nuevo.open(QIODevice::WriteOnly))
            nuevo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    motor_ = Motor::SQLite;
    apertura_ = {motor_, ruta, {}};
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre_);
    db_.setDatabaseName(ruta);
    if (!db_.open()) {
        RegistrarError(db_.lastError(), QStringLiteral("abrir ") + ruta);
        throw ErrorBaseDatos(QStringLiteral("No se pudo abrir la base de datos ") + ruta
                                 + QStringLiteral(".\r\n") + CausaEnEspanol(db_.lastError()),
                             QString());
    }
    const QVariant h = db_.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0) {
        sqlite3 *s = *static_cast<sqlite3 *const *>(h.data());
        const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
        sqlite3_create_function(s, "year", 1, flags, nullptr, FuncionYear, nullptr, nullptr);
        sqlite3_create_function(s, "month", 1, flags, nullptr, FuncionMonth, nullptr, nullptr);
        sqlite3_create_function(s, "datediff", 3, flags, nullptr, FuncionDateDiff, nullptr, nullptr);
        sqlite3_create_function(s, "like", 2, flags, nullptr, FuncionLike, nullptr, nullptr);
        sqlite3_create_function(s, "like", 3, flags, nullptr, FuncionLike, nullptr, nullptr);
        sqlite3_create_collation(s, CollateEspanol, SQLITE_UTF8, nullptr, CompararEspanol);
    }
    Ejecutar(QStringLiteral("PRAGMA journal_mode=WAL"));
    // FULL syncs the journal at every commit: an order whose tickets have printed survives a power cut.
    Ejecutar(QStringLiteral("PRAGMA synchronous=FULL"));
    Ejecutar(QStringLiteral("PRAGMA busy_timeout=5000"));
    identidad_ = Identidad();
    if (!aparte_)
        ++escriturasMaestras;
}

void Conexion::AbrirPostgreSQL(const DatosServidor &d)
{
    Cerrar();
    motor_ = Motor::PostgreSQL;
    apertura_ = {motor_, {}, d};
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nombre_);
    db_.setHostName(d.host);
    db_.setDatabaseName(d.basedatos);
    db_.setUserName(d.usuario);
    db_.setPassword(d.clave);
    if (d.puerto > 0)
        db_.setPort(d.puerto);
    // The session's settings travel with the connection request instead of a round trip each:
    // warnings only, and a date sent as the shop writes it, "05/12/2026", is the 5th of December
    // (the driver's own "SET DATESTYLE TO 'ISO'" leaves the order of day and month alone).
    // Keepalives: a network gone without a word (a cable pulled) is noticed within half a minute.
    db_.setConnectOptions(QStringLiteral("connect_timeout=5;keepalives_idle=15;keepalives_interval=5;"
                                         "keepalives_count=3;sslmode=")
                          + d.sslmode
                          + QStringLiteral(";options='-c client_min_messages=warning -c DateStyle=ISO,DMY'"));
    if (!db_.open()) {
        RegistrarError(db_.lastError(),
                       QStringLiteral("conectar a ") + d.host + QLatin1Char('/') + d.basedatos);
        throw ErrorBaseDatos(QStringLiteral("No se pudo conectar con el servidor de base de datos ") + d.host
                                 + QStringLiteral(".\r\n") + CausaEnEspanol(db_.lastError()),
                             QString());
    }
    if (soloLectura_)
        return;
    if (!aparte_)
        ++escriturasMaestras;
    // The database's identity (Identidad), whether it lacks the Spanish collation, the schema's
    // version and the telephones' index, in one round trip.
    QSqlQuery q(db_);
    if (q.exec(QStringLiteral("select coalesce(to_regclass('parametros')::oid, 0), (select count(*) from "
                              "pg_collation where collname = '%1'), ")
                   .arg(QLatin1String(CollateEspanol))
               + SqlVersionEIndice())
        && q.next()) {
        identidad_ = q.value(0).toLongLong() == 0 ? QString() : q.value(0).toString();
        versionDeApertura_ = std::pair{q.value(2).toInt(), q.value(3).toBool()};
        if (q.value(1).toInt() > 0)
            return;
    }
    PrepararSesion();
}

void Conexion::Abrir(const Apertura &a)
{
    aparte_ = a.aparte;
    try {
        if (a.motor == Motor::PostgreSQL) {
            soloLectura_ = a.soloLectura;
            AbrirPostgreSQL(a.servidor);
        } else {
            AbrirSQLite(a.ruta);
        }
    } catch (...) {
        soloLectura_ = aparte_ = false;
        throw;
    }
    soloLectura_ = aparte_ = false;
}

void Conexion::PrepararSesion()
{
    // A database created before the Spanish collation existed gets it now; a user without the
    // right to create it works on a database whose owner already did. Sent as it is: the
    // database was only just opened (no check before it), and a refusal changes nothing.
    QSqlQuery q(db_);
    q.exec(QStringLiteral("CREATE COLLATION IF NOT EXISTS %1 (provider = icu, locale = 'es-ES')")
               .arg(QLatin1String(CollateEspanol)));
}

namespace {

QString MensajeVersionMasNueva(int version, int conocida)
{
    qWarning("Otro mostrador ha actualizado la base de datos a la versión %d de datos", version);
    return QString::fromUtf8("Otro mostrador ha actualizado la base de datos con una versión "
                             "más nueva del programa (versión de datos %1; este programa "
                             "conoce hasta la %2).\r\nNo se ha guardado nada: actualice el "
                             "programa en este mostrador.")
        .arg(version)
        .arg(conocida);
}

QString MensajeRestaurada()
{
    qWarning("La base de datos abierta ya no es la que hay en su sitio: se ha restaurado o cambiado");
    return QString::fromUtf8("La base de datos se ha restaurado desde una copia de seguridad (o se "
                             "ha cambiado por otra) mientras el programa estaba abierto.\r\n"
                             "No se ha guardado nada: cierre el programa y vuelva a abrirlo.");
}

// What the server says when its own check of the database fails (ComprobarQueEsLaMisma).
const QString MarcaRestaurada = QStringLiteral("hilvan-restaurada");
const QString MarcaVersion = QStringLiteral("hilvan-version ");

} // namespace

namespace {

// What staff read after a server that did not answer, when nothing of the action reached it.
const QString NadaGuardado =
    QString::fromUtf8("\r\nNo se ha guardado nada y lo que hay en pantalla sigue ahí: toque de nuevo el "
                      "botón cuando se recupere la conexión.");

} // namespace

QString Conexion::Fallo(const QSqlError &e, const QString &sql)
{
    const QString texto = e.databaseText();
    if (texto.contains(MarcaRestaurada))
        return MensajeRestaurada();
    static const QRegularExpression version(MarcaVersion + QStringLiteral("(\\d+)"));
    if (const QRegularExpressionMatch m = version.match(texto); m.hasMatch())
        return MensajeVersionMasNueva(m.captured(1).toInt(), versionEsquema_);
    if (motor_ == Motor::PostgreSQL && SinComunicacion(e)) {
        perdida_ = true;
        // Lost before its COMMIT was sent, a transaction kept nothing: staff must read that too.
        if (nivelTransaccion_ > 0 && sql != QLatin1String("COMMIT"))
            return TextoError(e, sql) + NadaGuardado;
    }
    return TextoError(e, sql);
}

// A server restarted, or a connection cut by the network, is opened again at the next action
// outside a transaction: the counter goes on without a restart once the server is back.
void Conexion::VolverAConectar()
{
    if (!perdida_ || nivelTransaccion_ > 0)
        return;
    db_.close();
    if (!db_.open()) {
        RegistrarError(db_.lastError(), QStringLiteral("reconectar"));
        throw ErrorBaseDatos(QStringLiteral("Error en la base de datos.\r\n")
                                 + CausaEnEspanol(db_.lastError()) + NadaGuardado,
                             QString());
    }
    perdida_ = false;
    sonda_.reset();
    PrepararSesion();
}

Conexion::Estado Conexion::VigilarConexion()
{
    if (motor_ != Motor::PostgreSQL || !db_.isValid() || nivelTransaccion_ > 0 || lecturasAbiertas_ > 0)
        return perdida_ ? Estado::Perdida : Estado::Bien;
    if (!perdida_) {
        PGconn *c = ConexionServidor(db_);
        // A server going down says so and closes the socket; reading it sends nothing. The second
        // read finds the end of a socket whose farewell the first one read.
        if (!c || PQconsumeInput(c) == 0 || PQconsumeInput(c) == 0 || PQstatus(c) == CONNECTION_BAD) {
            perdida_ = true;
            qWarning("Se ha perdido la conexión con el servidor de base de datos");
        }
        if (!perdida_)
            return Estado::Bien;
    }
    if (!ServidorAlcanzable())
        return Estado::Perdida;
    try {
        VolverAConectar();
    } catch (const ErrorBaseDatos &) {
        return Estado::Perdida;
    }
    qWarning("Conexión con el servidor de base de datos recuperada");
    return Estado::Recuperada;
}

bool Conexion::ServidorAlcanzable()
{
    // A server machine switched off answers nothing, and a connection tried on the screen's timer
    // would hold the screen for the whole connect timeout, again and again: a socket is tried
    // aside first, and looked at on the next turn of the timer.
    const DatosServidor &d = apertura_.servidor;
    if (d.host.isEmpty() || d.host.startsWith(QLatin1Char('/')))
        return true; // the machine's own server, through its local socket: answered at once
    if (sonda_ && sonda_->state() == QAbstractSocket::ConnectedState) {
        sonda_.reset();
        return true;
    }
    if (!sonda_ || sonda_->state() == QAbstractSocket::UnconnectedState) {
        sonda_ = std::make_unique<QTcpSocket>();
        sonda_->connectToHost(d.host, quint16(d.puerto > 0 ? d.puerto : 5432));
    }
    return false;
}

void Conexion::Cerrar()
{
    if (db_.isValid()) {
        // A file restored under this connection: closing must not delete the write-ahead files
        // at its path, which belong to the restored database now.
        if (motor_ == Motor::SQLite && !identidad_.isEmpty() && Identidad() != identidad_) {
            const QVariant h = db_.driver()->handle();
            int conservar = 1;
            if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
                sqlite3_file_control(*static_cast<sqlite3 *const *>(h.data()), "main",
                                     SQLITE_FCNTL_PERSIST_WAL, &conservar);
        }
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(nombre_);
    }
    nivelTransaccion_ = 0;
    pendientes_.clear();
    perdida_ = false;
    txid_.clear();
    dudosaTxid_.clear();
    identidad_.clear();
    versionEsquema_ = 0;
}

QString Conexion::Identidad() const
{
    if (motor_ == Motor::SQLite) {
        struct stat st = {};
        if (::stat(QFile::encodeName(db_.databaseName()).constData(), &st) != 0)
            return {};
        return QStringLiteral("%1:%2").arg(st.st_dev).arg(st.st_ino);
    }
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("select coalesce(to_regclass('parametros')::oid, 0)")) || !q.next()
        || q.value(0).toLongLong() == 0)
        return {};
    return q.value(0).toString();
}

void Conexion::ReconocerBaseDatos()
{
    identidad_ = Identidad();
}

void Conexion::ComprobarQueEsLaMisma()
{
    if (!Abierta())
        return;
    if (identidad_.isEmpty()) {
        // A server database whose tables were made after the connection opened (a new shop).
        if (motor_ == Motor::PostgreSQL)
            identidad_ = Identidad();
        return;
    }
    if (motor_ == Motor::PostgreSQL) {
        // The server checks it itself, in front of the statement that follows and in the same
        // round trip (and the same transaction: a refusal undoes that statement): a far server
        // costs a round trip per exchange. By its oid, not its name: the table renamed is still
        // the same table. Fallo turns the refusal into the message below.
        QString bloque = QStringLiteral("DO $$BEGIN IF NOT EXISTS (SELECT 1 FROM pg_class WHERE oid = ")
                         + identidad_ + QStringLiteral(") THEN RAISE EXCEPTION '") + MarcaRestaurada
                         + QStringLiteral("'; END IF;");
        if (versionEsquema_ > 0)
            bloque += QStringLiteral(" IF (SELECT max(version) FROM esquema) > %1 THEN RAISE EXCEPTION '")
                          .arg(versionEsquema_)
                      + MarcaVersion + QStringLiteral("%', (SELECT max(version) FROM esquema); END IF;");
        pendientes_.append(bloque + QStringLiteral(" END$$"));
        return;
    }
    const bool misma = Identidad() == identidad_; // one stat: the file at the path is still the one open
    int version = 0;
    if (misma && versionEsquema_ > 0) {
        QSqlQuery q(db_);
        if (q.exec(QStringLiteral("select max(version) from esquema")) && q.next())
            version = q.value(0).toInt();
    }
    if (misma && version > versionEsquema_)
        throw ErrorBaseDatos(MensajeVersionMasNueva(version, versionEsquema_), QString());
    if (!misma)
        throw ErrorBaseDatos(MensajeRestaurada(), QString());
}

bool Conexion::Abierta() const
{
    return db_.isValid() && db_.isOpen();
}

QString Conexion::Traducir(const QString &sql) const
{
    // Several counters share one server, and their own clocks disagree: there the server's clock is
    // the shop's, unless a clock was set on purpose (the tests fix one).
    const bool relojServidor = motor_ == Motor::PostgreSQL && !G().reloj;
    return Dialecto::Traducir(sql, motor_, relojServidor ? QDateTime() : RelojPrograma().Ahora());
}

int Conexion::Ejecutar(const QString &sql)
{
    VolverAConectar();
    if (!Abierta())
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), sql);
    if (nivelTransaccion_ == 0)
        ComprobarQueEsLaMisma();
    QSqlQuery q(db_);
    // A statement the server runs only outside a transaction block (vacuum) goes on its own: sent
    // with others, it would be inside one.
    static const QRegularExpression soloFuera(
        QStringLiteral(R"(^\s*(vacuum|reindex|cluster|alter\s+system|(create|drop)\s+database))"),
        QRegularExpression::CaseInsensitiveOption);
    if (!pendientes_.isEmpty() && soloFuera.match(sql).hasMatch())
        Enviar();
    // What must be a transaction's first statement goes right after its BEGIN, before the check.
    static const QRegularExpression primera(QStringLiteral(R"(^\s*set\s+transaction\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (pendientes_.value(0) == QLatin1String("BEGIN") && primera.match(sql).hasMatch()) {
        pendientes_.insert(1, Traducir(sql));
        return 0;
    }
    if (!EnviarCon(q, Traducir(sql)))
        throw ErrorBaseDatos(Fallo(q.lastError(), sql), sql);
    AnotarEscritura(sql);
    return q.numRowsAffected();
}

void Conexion::Encolar(const QString &sql)
{
    if (motor_ != Motor::PostgreSQL || nivelTransaccion_ == 0 || !Abierta()) {
        Ejecutar(sql);
        return;
    }
    pendientes_.append(Traducir(sql));
    AnotarEscritura(sql);
}

void Conexion::EjecutarJuntas(const QStringList &sqls)
{
    if (motor_ != Motor::PostgreSQL || nivelTransaccion_ > 0) {
        Transaccion t(*this);
        for (const QString &sql : sqls)
            Encolar(sql);
        t.Confirmar();
        return;
    }
    VolverAConectar();
    if (!Abierta())
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), sqls.join(u';'));
    ComprobarQueEsLaMisma();
    for (const QString &sql : sqls) {
        pendientes_.append(Traducir(sql));
        AnotarEscritura(sql);
    }
    Enviar();
}

quint64 Conexion::EscriturasMaestras()
{
    return escriturasMaestras.loadRelaxed();
}

QString Conexion::SqlVersionEIndice()
{
    // The table is looked up and, where it exists, read by the same statement.
    return QStringLiteral("case when to_regclass('esquema') is null then 0 else "
                          "nullif(array_to_string(xpath('/table/row/v/text()', query_to_xml('select "
                          "max(version) as v from esquema', false, false, '')), ''), '')::int end, exists (")
           + SqlIndiceTelefonos() + QLatin1Char(')');
}

QString Conexion::SqlIndiceTelefonos()
{
    return QStringLiteral("select 1 from pg_indexes where indexname = 'ux_clientes_telefono'");
}

QSqlDatabase &Conexion::db()
{
    versionDeApertura_.reset();
    Enviar();
    return db_;
}

bool Conexion::EnviarCon(QSqlQuery &q, const QString &texto)
{
    versionDeApertura_.reset();
    // A transaction's first message asks for its number too, while nothing of it is kept: if the
    // answer to its COMMIT is lost, the server can still tell whether it was kept, and the COMMIT
    // can go with the last writes.
    int numero = -1;
    if (pedirNumero_ && nivelTransaccion_ > 0 && txid_.isEmpty()) {
        numero = int(pendientes_.size());
        pendientes_.append(QStringLiteral("select txid_current(), pg_backend_pid()"));
    }
    pendientes_.append(texto);
    const int sentencias = int(pendientes_.size());
    const QString todo = pendientes_.join(QStringLiteral(";\n"));
    pendientes_.clear();
    if (!q.exec(todo))
        return false;
    for (int i = 0; i < sentencias - 1; ++i) {
        if (i == numero && q.next()) {
            txid_ = q.value(0).toString();
            pid_ = q.value(1).toString();
        }
        if (!q.nextResult())
            return false;
    }
    return true;
}

void Conexion::Enviar()
{
    versionDeApertura_.reset();
    if (pendientes_.isEmpty())
        return;
    const int sentencias = int(pendientes_.size());
    const QString todo = pendientes_.join(QStringLiteral(";\n"));
    pendientes_.clear();
    QSqlQuery q(db_);
    if (!EjecutarVarias(q, todo, sentencias))
        throw ErrorBaseDatos(Fallo(q.lastError(), todo), todo);
}

qint64 Conexion::Insertar(const QString &sql, const QString &campoClave)
{
    VolverAConectar();
    if (!Abierta())
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), sql);
    if (nivelTransaccion_ == 0)
        ComprobarQueEsLaMisma();
    QSqlQuery q(db_);
    const bool servidor = motor_ == Motor::PostgreSQL;
    QString texto = Traducir(sql);
    if (servidor)
        texto += QStringLiteral(" returning ") + campoClave;
    if (!EnviarCon(q, texto))
        throw ErrorBaseDatos(Fallo(q.lastError(), sql), sql);
    AnotarEscritura(sql);
    if (!servidor)
        return q.lastInsertId().toLongLong();
    if (!q.next())
        throw ErrorBaseDatos(QStringLiteral("Error en la base de datos.\r\nLa fila nueva no tiene clave."),
                             sql);
    return q.value(0).toLongLong();
}

QSqlQuery Conexion::Consultar(const QString &sql, bool porFilas)
{
    VolverAConectar();
    if (!Abierta())
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), sql);
    QSqlQuery q(db_);
    // The server's driver names the table of each field only outside its row-by-row mode, and
    // "clientes.nombre" needs that name.
    q.setForwardOnly(porFilas || motor_ == Motor::SQLite);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // Row by row the driver reads one statement's answer only: the queued writes go first.
    if (porFilas)
        Enviar();
    if (!(porFilas ? q.exec(Traducir(sql)) : EnviarCon(q, Traducir(sql))))
        throw ErrorBaseDatos(Fallo(q.lastError(), sql), sql);
    return q;
}

Recordset Conexion::AbrirRecordset(const QString &sql)
{
    // The server's driver asks the server the name of each field's table (a round trip per table,
    // the first time on a connection) unless it reads row by row. A statement without a join or a
    // qualified name needs no table names: it is read row by row, unless queued writes go with it.
    const bool sinTablas = motor_ == Motor::PostgreSQL && pendientes_.isEmpty()
                           && !sql.contains(QLatin1Char('.'))
                           && !sql.contains(QLatin1String("join"), Qt::CaseInsensitive);
    QSqlQuery q = Consultar(sql, sinTablas);
    Recordset rs;
    const bool sqlite = motor_ == Motor::SQLite;
    // The embedded engine numbers a name repeated inside a parenthesised join ("nombre:1").
    static const QRegularExpression reRepetido(QStringLiteral(":\\d+$"));
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    for (int i = 0; i < n; ++i) {
        const QSqlField f = rec.field(i);
        QString campo = f.name();
        if (sqlite)
            campo.remove(reRepetido);
        const QString nombre = campo.toLower();
        rs.nombres_.append(campo);
        if (!rs.indices_.contains(nombre))
            rs.indices_.insert(nombre, i);
        if (!f.tableName().isEmpty()) {
            const QString largo = f.tableName().toLower() + QLatin1Char('.') + nombre;
            if (!rs.indices_.contains(largo))
                rs.indices_.insert(largo, i);
        }
    }
    while (q.next()) {
        for (int i = 0; i < n; ++i) {
            QVariant v = q.value(i);
            if (v.isNull()) {
                v = QVariant();
            } else if (sqlite && v.metaType().id() == QMetaType::QString) {
                const QString t = v.toString();
                // Cheap shape test first: most texts are names, and these loops see every cell.
                if (t.size() >= 19 && t.size() <= 26 && t[4] == u'-' && t[7] == u'-' && t[13] == u':'
                    && ReIso().match(t).hasMatch())
                    v = FechaIso(t);
            } else if (v.metaType().id() == QMetaType::QDate) {
                v = QDateTime(v.toDate(), QTime(0, 0));
            }
            rs.celdas_.push_back(std::move(v));
        }
        ++rs.numFilas_;
    }
    return rs;
}

QString FilaLeida::Texto(int campo) const
{
    return NuloABlanco(Valor(campo));
}

void Conexion::Recorrer(const QString &sql, const std::function<void(const FilaLeida &fila)> &fila)
{
    AbrirLectura(sql)->Leer(std::numeric_limits<int>::max(), fila);
}

// The server's rows through its driver, row by row as the server sends them: the screen fills its
// grid while the server is still working.
class LecturaServidor final : public Lectura, public FilaLeida
{
public:
    LecturaServidor(Conexion &c, const QString &sql) : c_(c), sql_(sql), q_(c.Consultar(sql, true))
    {
        ++c_.lecturasAbiertas_;
    }
    // Dropped halfway, the driver would read the rest of the rows to the end before the connection
    // is free again (seconds, on a long history): the server is told to stop instead. Inside a
    // transaction that would undo it, so there the rest is read.
    ~LecturaServidor() override
    {
        --c_.lecturasAbiertas_;
        if (terminada_ || c_.EnTransaccion())
            return;
        const QVariant h = c_.db().driver()->handle();
        if (c_.motor() != Motor::PostgreSQL || !h.isValid())
            return;
        if (PGcancel *cancelar = PQgetCancel(*static_cast<PGconn *const *>(h.data()))) {
            char error[256];
            PQcancel(cancelar, error, sizeof error);
            PQfreeCancel(cancelar);
        }
    }

    bool Leer(int filas, const std::function<void(const FilaLeida &fila)> &fila) override
    {
        for (int leidas = 0; !terminada_ && leidas < filas; ++leidas) {
            if (!q_.next()) {
                terminada_ = true;
                if (q_.lastError().isValid()) // the connection failed halfway through the rows
                    throw ErrorBaseDatos(c_.Fallo(q_.lastError(), sql_), sql_);
                q_.finish();
                break;
            }
            fila(*this);
        }
        return !terminada_;
    }
    QVariant Valor(int campo) const override { return q_.value(campo); }
    int Indice(const QString &nombre) const override { return q_.record().indexOf(nombre); }
    QStringList Nombres() const override
    {
        QStringList n;
        const QSqlRecord r = q_.record();
        for (int i = 0; i < r.count(); ++i)
            n.append(r.fieldName(i));
        return n;
    }

private:
    Conexion &c_;
    QString sql_;
    QSqlQuery q_;
    bool terminada_ = false;
};

// The embedded engine's rows straight from its statement: its driver would turn every value of
// every row into a cached copy first, a third of the time of a long listing.
class LecturaSqlite final : public Lectura, public FilaLeida
{
public:
    LecturaSqlite(Conexion &c, sqlite3 *bd, const QString &sql) : c_(c), bd_(bd), sql_(sql)
    {
        const QByteArray texto = c.Traducir(sql).toUtf8();
        sqlite3_stmt *st = nullptr;
        const int r = sqlite3_prepare_v2(bd_, texto.constData(), int(texto.size()), &st, nullptr);
        st_.reset(st);
        if (r != SQLITE_OK)
            Fallar();
        Avanzar(); // a statement that fails before its first row fails here, as any other would
    }
    bool Leer(int filas, const std::function<void(const FilaLeida &fila)> &fila) override
    {
        for (int leidas = 0; hayFila_ && leidas < filas; ++leidas) {
            fila(*this);
            Avanzar();
        }
        return hayFila_;
    }
    QVariant Valor(int campo) const override
    {
        switch (sqlite3_column_type(st_.get(), campo)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(st_.get(), campo)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(st_.get(), campo));
        case SQLITE_NULL:
            return QVariant();
        default:
            return QVariant(
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st_.get(), campo)),
                                  sqlite3_column_bytes(st_.get(), campo)));
        }
    }
    QString Texto(int campo) const override
    {
        if (sqlite3_column_type(st_.get(), campo) != SQLITE_TEXT)
            return FilaLeida::Texto(campo);
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st_.get(), campo)),
                                 sqlite3_column_bytes(st_.get(), campo));
    }
    int Indice(const QString &nombre) const override
    {
        const int n = sqlite3_column_count(st_.get());
        for (int i = 0; i < n; ++i)
            if (QString::fromUtf8(sqlite3_column_name(st_.get(), i)).compare(nombre, Qt::CaseInsensitive)
                == 0)
                return i;
        return -1;
    }
    QStringList Nombres() const override
    {
        QStringList n;
        for (int i = 0; i < sqlite3_column_count(st_.get()); ++i)
            n.append(QString::fromUtf8(sqlite3_column_name(st_.get(), i)));
        return n;
    }

private:
    void Avanzar()
    {
        const int r = sqlite3_step(st_.get());
        hayFila_ = r == SQLITE_ROW;
        if (r != SQLITE_ROW && r != SQLITE_DONE)
            Fallar();
    }
    [[noreturn]] void Fallar()
    {
        hayFila_ = false;
        const QSqlError e(QStringLiteral("Unable to fetch row"), QString::fromUtf8(sqlite3_errmsg(bd_)),
                          QSqlError::StatementError, QString::number(sqlite3_extended_errcode(bd_)));
        throw ErrorBaseDatos(c_.Fallo(e, sql_), sql_);
    }
    Conexion &c_;
    sqlite3 *bd_;
    QString sql_;
    struct Finalizar {
        void operator()(sqlite3_stmt *st) const { sqlite3_finalize(st); }
    };
    std::unique_ptr<sqlite3_stmt, Finalizar> st_;
    bool hayFila_ = false;
};

std::unique_ptr<Lectura> Conexion::AbrirLectura(const QString &sql)
{
    if (motor_ == Motor::PostgreSQL)
        return std::make_unique<LecturaServidor>(*this, sql);
    if (!Abierta())
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), sql);
    const QVariant h = db_.driver()->handle();
    return std::make_unique<LecturaSqlite>(*this, *static_cast<sqlite3 *const *>(h.data()), sql);
}

void Conexion::EjecutarGuion(const QString &guion)
{
    // Statements end with ";" at the end of a line; "--" lines are comments. Function bodies
    // written between $$ marks may hold ";" inside.
    Enviar();
    AnotarEscritura(guion);
    QString actual;
    bool enCuerpo = false;
    const QStringList lineas = guion.split(QLatin1Char('\n'));
    for (const QString &linea : lineas) {
        const QString t = linea.trimmed();
        if (!enCuerpo && (t.isEmpty() || t.startsWith(QLatin1String("--"))))
            continue;
        actual += linea + QLatin1Char('\n');
        if (t.count(QStringLiteral("$$")) % 2 == 1)
            enCuerpo = !enCuerpo;
        if (!enCuerpo && t.endsWith(QLatin1Char(';'))) {
            QSqlQuery q(db_);
            if (!q.exec(actual))
                throw ErrorBaseDatos(Fallo(q.lastError(), actual), actual);
            actual.clear();
        }
    }
    if (!actual.trimmed().isEmpty()) {
        QSqlQuery q(db_);
        if (!q.exec(actual))
            throw ErrorBaseDatos(Fallo(q.lastError(), actual), actual);
    }
}

void Conexion::ComenzarTransaccion(bool instantanea)
{
    if (nivelTransaccion_ > 0) {
        ++nivelTransaccion_;
        return;
    }
    VolverAConectar();
    if (motor_ == Motor::PostgreSQL) {
        if (!dudosaTxid_.isEmpty()) {
            // The last COMMIT lost its answer and the server could not be asked then: ask now,
            // before anything is done again.
            const QString estado = EstadoTransaccionDudosa();
            if (estado.isEmpty())
                throw ErrorBaseDatos(
                    QString::fromUtf8("Error en la base de datos.\r\nNo hay comunicación con "
                                      "el servidor de base de datos."),
                    QString());
            dudosaTxid_.clear();
            if (estado == QLatin1String("committed"))
                throw ErrorBaseDatos(
                    QString::fromUtf8("Lo que se estaba guardando cuando se cortó la conexión sí quedó "
                                      "guardado, así que ahora no se ha hecho nada para no hacerlo dos "
                                      "veces.\r\nSi lo que acaba de pedir es otra cosa, tóquelo de nuevo."),
                    QString());
        }
        // BEGIN goes out with the check that the database is still the one opened (or with the
        // first statement): one round trip to a far server instead of two.
        txid_.clear();
        pedirNumero_ = !instantanea;
        ++nivelTransaccion_;
        pendientes_.append(instantanea ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ")
                                       : QStringLiteral("BEGIN"));
        try {
            ComprobarQueEsLaMisma();
        } catch (...) {
            nivelTransaccion_ = 0;
            const bool enviado = pendientes_.isEmpty();
            pendientes_.clear();
            if (enviado)
                db_.rollback();
            throw;
        }
        return;
    }
    ComprobarQueEsLaMisma();
    ++nivelTransaccion_;
    // Every transaction of the program writes. On the embedded file the write lock is taken at the
    // start (waiting up to the busy timeout), so a number read inside it stays unused until commit.
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        nivelTransaccion_ = 0;
        throw ErrorBaseDatos(Fallo(q.lastError(), QStringLiteral("BEGIN IMMEDIATE")),
                             QStringLiteral("BEGIN IMMEDIATE"));
    }
}

void Conexion::ConfirmarTransaccion()
{
    if (nivelTransaccion_ <= 0)
        return;
    if (--nivelTransaccion_ > 0)
        return;
    pedirNumero_ = false;
    if (motor_ == Motor::PostgreSQL && !txid_.isEmpty()) {
        // The number is known: the last writes and the COMMIT in one round trip.
        pendientes_.append(QStringLiteral("COMMIT"));
        const int sentencias = int(pendientes_.size());
        const QString todo = pendientes_.join(QStringLiteral(";\n"));
        pendientes_.clear();
        QSqlQuery q(db_);
        if (!EjecutarVarias(q, todo, sentencias))
            PerdidoAlConfirmar(Fallo(q.lastError(), todo));
        txid_.clear();
        return;
    }
    try {
        if (motor_ == Motor::PostgreSQL) {
            // The transaction's number goes out with its last writes, in one round trip: if the
            // answer to its COMMIT is lost, the server can still tell whether it was kept.
            pendientes_.append(QStringLiteral("select txid_current(), pg_backend_pid()"));
            const int sentencias = int(pendientes_.size());
            const QString todo = pendientes_.join(QStringLiteral(";\n"));
            pendientes_.clear();
            QSqlQuery q(db_);
            if (!EjecutarVarias(q, todo, sentencias) || !q.next())
                throw ErrorBaseDatos(Fallo(q.lastError(), todo), todo);
            txid_ = q.value(0).toString();
            pid_ = q.value(1).toString();
        } else {
            Enviar();
        }
    } catch (...) {
        db_.rollback();
        throw;
    }
    if (!db_.commit())
        PerdidoAlConfirmar(Fallo(db_.lastError(), QStringLiteral("COMMIT")));
    txid_.clear();
}

void Conexion::PerdidoAlConfirmar(const QString &mensaje)
{
    // The COMMIT may have reached the server and only its answer been lost (a network drop,
    // a restart): staff must read what really happened, not take the order again.
    if (PGconn *c = motor_ == Motor::PostgreSQL ? ConexionServidor(db_) : nullptr;
        c && PQstatus(c) == CONNECTION_BAD)
        perdida_ = true;
    if (motor_ == Motor::PostgreSQL && perdida_ && !txid_.isEmpty()) {
        dudosaTxid_ = std::exchange(txid_, QString());
        dudosaPid_ = pid_;
        AveriguarCommitPerdido();
        return;
    }
    txid_.clear();
    db_.rollback();
    throw ErrorBaseDatos(mensaje, QStringLiteral("COMMIT"));
}

void Conexion::AveriguarCommitPerdido()
{
    // A restarted server takes a few seconds to take connections again.
    QElapsedTimer espera;
    espera.start();
    QString estado;
    while ((estado = EstadoTransaccionDudosa()).isEmpty() && espera.elapsed() < 10000)
        QThread::msleep(500);
    if (estado == QLatin1String("committed")) {
        dudosaTxid_.clear();
        qWarning("Se perdió la respuesta a un COMMIT; el servidor confirma que se guardó");
        return;
    }
    if (estado == QLatin1String("aborted")) {
        dudosaTxid_.clear();
        qWarning("Se perdió la conexión al confirmar; el servidor confirma que no se guardó");
        throw ErrorBaseDatos(
            QString::fromUtf8("Error en la base de datos.\r\nSe cortó la conexión con el servidor "
                              "mientras se guardaba y no se ha guardado nada.\r\nToque de "
                              "nuevo el botón para hacerlo."),
            QStringLiteral("COMMIT"));
    }
    qWarning("Se perdió la conexión al confirmar y no se ha podido saber si se guardó");
    throw ErrorBaseDatos(
        QString::fromUtf8("Error en la base de datos.\r\nSe cortó la conexión con el servidor mientras se "
                          "guardaba y todavía no se sabe si se guardó.\r\nCuando vuelva la conexión, toque "
                          "de nuevo el botón: el programa comprobará primero si ya se guardó y no lo hará "
                          "dos veces."),
        QStringLiteral("COMMIT"));
}

QString Conexion::EstadoTransaccionDudosa()
{
    try {
        VolverAConectar();
    } catch (const ErrorBaseDatos &) {
        return {};
    }
    const QString sql = QStringLiteral("select txid_status(%1)").arg(dudosaTxid_);
    QSqlQuery q(db_);
    if (!q.exec(sql) || !q.next()) {
        Fallo(q.lastError(), sql);
        return {};
    }
    QString estado = q.value(0).toString();
    if (estado == QLatin1String("in progress")) {
        // Its old session has not noticed yet that the counter is gone: ended now, it keeps what it
        // had committed and undoes the rest, and then the answer is final.
        QSqlQuery fin(db_);
        fin.exec(QStringLiteral("select pg_terminate_backend(%1, 5000)").arg(dudosaPid_));
        if (q.exec(sql) && q.next())
            estado = q.value(0).toString();
    }
    return estado == QLatin1String("in progress") ? QString() : estado;
}

void Conexion::DeshacerTransaccion()
{
    if (nivelTransaccion_ <= 0)
        return;
    // An inner failure undoes the whole outer work: nothing half-done is kept.
    nivelTransaccion_ = 0;
    txid_.clear();
    pedirNumero_ = false;
    // A BEGIN still queued: the server has seen nothing of this transaction.
    const bool sinEmpezar = pendientes_.value(0) == QLatin1String("BEGIN");
    pendientes_.clear();
    if (!sinEmpezar)
        db_.rollback();
}

Conexion &Bd()
{
    if (!G().conexion)
        throw ErrorBaseDatos(QStringLiteral("No hay conexión con la base de datos."), QString());
    return *G().conexion;
}
