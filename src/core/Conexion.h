#pragma once

#include "Dialecto.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

class QSqlQuery;
class QTcpSocket;
class Reloj;

// A database failure travels as this exception up to the event boundary of the view,
// which shows it and leaves the screen as it was.
class ErrorBaseDatos : public std::runtime_error
{
public:
    ErrorBaseDatos(const QString &mensaje, const QString &sql)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje), sql_(sql)
    {
    }
    QString Mensaje() const { return mensaje_; }
    QString Sql() const { return sql_; }

private:
    QString mensaje_;
    QString sql_;
};

// A static snapshot of a query result: every row read at once, fields found by name without
// regard to case ("arreglos.idarreglo" also answers where a join repeats a column name).
// Null stays distinct from empty text. Date-times arrive as QDateTime on both backends.
class Recordset
{
public:
    bool EOF_() const { return fila_ >= numFilas_; }
    bool HayFilas() const { return numFilas_ > 0; }
    int Cuantos() const { return int(numFilas_); }
    void MoveFirst() { fila_ = 0; }
    void MoveNext() { ++fila_; }
    void Move(int fila) { fila_ = size_t(fila); }

    // Value of a field of the current row; Null when the field is Null or there is no row.
    QVariant Campo(const QString &nombre) const;
    QVariant Campo(int indice) const;
    bool TieneCampo(const QString &nombre) const;
    int NumCampos() const { return nombres_.size(); }
    QString NombreCampo(int i) const { return nombres_.value(i); }

private:
    friend class Conexion;
    int Indice(const QString &nombre) const;
    QStringList nombres_;
    QHash<QString, int> indices_;
    std::vector<QVariant> celdas_; // row after row, NumCampos() cells each
    size_t numFilas_ = 0;
    size_t fila_ = 0;
};

// One row of a listing read with Conexion::Recorrer or a Lectura.
class FilaLeida
{
public:
    virtual ~FilaLeida() = default;
    // A field's value: null, text, a whole or a real number; dates come as ISO text on the
    // embedded engine and as date-times from the server.
    virtual QVariant Valor(int campo) const = 0;
    // The field as text, "" when null (NuloABlanco of its value): long listings show most
    // fields as they come.
    virtual QString Texto(int campo) const;
    // Where a field is, by its name without regard to case; -1 when the row has none.
    virtual int Indice(const QString &nombre) const = 0;
    // The fields' names, in order.
    virtual QStringList Nombres() const = 0;
};

// A long listing read a part at a time: its statement stays open between parts, so a screen
// shows what it has and goes back to the user before the rest arrives. Nothing else may run on
// the connection until the last row is read or the reading is dropped: the server would throw
// the rest of the rows away.
class Lectura
{
public:
    virtual ~Lectura() = default;
    // Hands up to `filas` rows to `fila`, in order; false once the last row has been read. A
    // failure halfway through throws the database error.
    virtual bool Leer(int filas, const std::function<void(const FilaLeida &fila)> &fila) = 0;
};

// Lists ordered by a name sort as a Spanish reader expects (case and accents aside, n before ñ)
// when the SQL says "order by nombre collate espanol": a collation of this name exists on both
// backends (registered on the SQLite connection, created on the server).
inline constexpr const char *CollateEspanol = "espanol";

struct DatosServidor {
    QString host;
    QString basedatos;
    QString usuario;
    QString clave;
    int puerto = 0; // 0 = the driver's default
    // TLS: "prefer" (used when the server offers it), or "require", "verify-ca", "verify-full".
    QString sslmode = QStringLiteral("prefer");
};

// The one connection of the run. SQL is written as the shop's queries are written; the
// dialect translates what a backend does not speak before the text reaches the driver.
class Conexion
{
public:
    Conexion();
    ~Conexion();
    Conexion(const Conexion &) = delete;
    Conexion &operator=(const Conexion &) = delete;

    // Opening never creates a database: a missing file is an error that names it, unless crear
    // (hilvan-admin init, the tests) asks for a new one.
    void AbrirSQLite(const QString &ruta, bool crear = false);
    void AbrirPostgreSQL(const DatosServidor &datos);
    // What this connection was opened on, for another one of a worker thread's own (LecturaAparte).
    struct Apertura {
        Motor motor = Motor::SQLite;
        QString ruta;
        DatosServidor servidor;
        // A connection that only reads (a worker's listing): on the server it skips what only
        // writing needs (the database's identity, the collation), a round trip each.
        bool soloLectura = false;
        // A worker's second connection to the database already open (the day's copy): its opening
        // tells what counters keep in memory nothing new.
        bool aparte = false;
    };
    Apertura DimeApertura() const { return apertura_; }
    void Abrir(const Apertura &a);
    void Cerrar();
    bool Abierta() const;

    Motor motor() const { return motor_; }
    int EsSqlServer() const { return motor_ == Motor::PostgreSQL ? 1 : 0; }

    // Gives the number of rows the statement changed: a write that found its row gone changes none.
    int Ejecutar(const QString &sql);
    // Runs an insert and gives the key the database gave that very row: on a shared server the
    // table's highest key may already be another counter's.
    qint64 Insertar(const QString &sql, const QString &campoClave);
    Recordset AbrirRecordset(const QString &sql);
    // Hands each row to `fila` as it is read and keeps none: for listings too long to hold
    // twice.
    void Recorrer(const QString &sql, const std::function<void(const FilaLeida &fila)> &fila);
    // The same rows, read a part at a time (Lectura::Leer) between which the screen goes back to
    // the user.
    std::unique_ptr<Lectura> AbrirLectura(const QString &sql);
    // Runs a script of statements separated by ";" at line ends (schema and seed files).
    void EjecutarGuion(const QString &guion);
    // A write whose answer nothing waits for (its count of rows is not needed). Inside a
    // transaction on the server it goes out with the next statement that is answered, or just
    // before the commit: several such writes cost one round trip to a far server instead of one
    // each. Elsewhere it runs at once.
    void Encolar(const QString &sql);
    // Writes that stand or fall together and can be sent again as they are (each looks before it
    // writes). On the server, outside a transaction, they go as one text that the server runs as
    // one transaction of its own: one round trip, no COMMIT to wait for. Elsewhere, one
    // transaction.
    void EjecutarJuntas(const QStringList &sqls);
    // Counts this program's writes to what counters keep in memory (catalogue, users, workers,
    // colours, the shop's parameters) and its openings of a database, over every connection: a
    // change tells the memory to read again.
    static quint64 EscriturasMaestras();

    // instantanea: every statement sees the database as it was when the transaction began (a
    // backup, an export), on the server as on the embedded file.
    void ComenzarTransaccion(bool instantanea = false);
    void ConfirmarTransaccion();
    void DeshacerTransaccion();
    bool EnTransaccion() const { return nivelTransaccion_ > 0; }
    // Neither a transaction nor a reading is open on it: a timer may use it between two touches.
    bool Libre() const { return nivelTransaccion_ == 0 && lecturasAbiertas_ == 0 && !perdida_; }

    // A server restarted or a network gone is noticed without waiting for staff to touch
    // something (the socket is read, nothing is sent), and opened again once it is back. Called by
    // a timer of the sale screen; never inside a transaction or while a reading is open.
    enum class Estado { Bien, Perdida, Recuperada };
    Estado VigilarConexion();

    // Whoever talks to the driver directly finds every queued write sent first.
    QSqlDatabase &db();
    QString Traducir(const QString &sql) const;

    // After this connection restored a copy itself: the database now in place is its own.
    void ReconocerBaseDatos();
    // On the server, the schema's version and whether the telephones' index is there, as the
    // opening's own statement read them: given to the first who asks, provided nothing was sent
    // since; then empty (ask the database).
    // The same two as columns of a statement on the server.
    static QString SqlVersionEIndice();
    // A row on the server when the telephones' unique index is there.
    static QString SqlIndiceTelefonos();
    std::optional<std::pair<int, bool>> TomarVersionDeApertura()
    {
        return std::exchange(versionDeApertura_, {});
    }
    // The schema version this connection brought the database to: from then on it refuses to write
    // once a newer program (another counter) has moved the database past it.
    void RecordarVersionEsquema(int version) { versionEsquema_ = version; }

private:
    friend class LecturaServidor;
    friend class LecturaSqlite;
    QString Fallo(const QSqlError &e, const QString &sql);
    // A read statement run, after reconnecting to a server that went away; throws on failure.
    // porFilas: rows are handed over as the server sends them (no field knows its table then).
    QSqlQuery Consultar(const QString &sql, bool porFilas = false);
    void VolverAConectar();
    void PrepararSesion();
    // The queued writes (Encolar) in front of this translated statement, in one text the server
    // runs in order in one round trip; the queue is emptied. q is left on the statement's answer.
    bool EnviarCon(QSqlQuery &q, const QString &texto);
    // A COMMIT that failed: its fate asked of the server when the connection went (returns when
    // it was kept), else rolled back; throws the Spanish truth.
    void PerdidoAlConfirmar(const QString &mensaje);
    // Sends the queued writes on their own.
    void Enviar();
    // After the answer to a COMMIT was lost: opens the connection again (for a few seconds if the
    // server is not back yet) and asks the server what became of that transaction. True when it was
    // kept; throws the Spanish truth otherwise.
    void AveriguarCommitPerdido();
    // "committed", "aborted", or empty while the server cannot tell (or cannot be reached).
    QString EstadoTransaccionDudosa();
    // Whether the server takes connections again, asked without waiting (a socket tried aside).
    bool ServidorAlcanzable();
    // Before a write: a restore may have put another database in place of the one opened (the
    // embedded file renamed over, the server's tables made anew). Whatever this counter wrote
    // then would be lost, so it stops with a message instead.
    void ComprobarQueEsLaMisma();
    QString Identidad() const;
    QString nombre_;
    Apertura apertura_;
    QSqlDatabase db_;
    Motor motor_ = Motor::SQLite;
    int nivelTransaccion_ = 0;
    bool soloLectura_ = false;
    bool aparte_ = false;    // opening as Apertura::aparte
    QStringList pendientes_; // translated writes not yet sent (server, inside a transaction)
    bool perdida_ = false;   // the server stopped answering: open again before the next action
    // The database opened: the file's device and inode, or the oid of the server's parametros
    // table (a restore drops and creates it); empty while unknown.
    QString identidad_;
    int versionEsquema_ = 0; // 0: not known, not checked
    std::optional<std::pair<int, bool>> versionDeApertura_;
    // On the server: the transaction open now (its number and its session), read with its BEGIN,
    // and one whose COMMIT lost its answer and whose fate is not known yet: the next transaction
    // asks first, so a retry never does twice what was already kept.
    QString txid_, pid_;
    bool pedirNumero_ = false; // the transaction's first message asks for its number
    QString dudosaTxid_, dudosaPid_;
    int lecturasAbiertas_ = 0;
    std::unique_ptr<QTcpSocket> sonda_;
};

// Rolls back unless Confirmar() was called: nothing half-done reaches the database.
class Transaccion
{
public:
    explicit Transaccion(Conexion &c, bool instantanea = false) : c_(c)
    {
        c_.ComenzarTransaccion(instantanea);
    }
    ~Transaccion()
    {
        if (!hecha_) {
            try {
                c_.DeshacerTransaccion();
            } catch (...) {
            }
        }
    }
    void Confirmar()
    {
        c_.ConfirmarTransaccion();
        hecha_ = true;
    }
    Transaccion(const Transaccion &) = delete;
    Transaccion &operator=(const Transaccion &) = delete;

private:
    Conexion &c_;
    bool hecha_ = false;
};

// The program's one connection (G().conexion); throws ErrorBaseDatos when none is open.
Conexion &Bd();
