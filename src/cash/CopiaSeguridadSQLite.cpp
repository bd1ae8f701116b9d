#include "CopiaSeguridadPartes.h"

#include "core/Conexion.h"

#include <QFile>
#include <QSqlDriver>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

using namespace Copias;

namespace {

sqlite3 *Manejador(Conexion &c)
{
    const QVariant h = c.db().driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.data());
}

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
        if (n.compare(QLatin1String("esquema"), Qt::CaseInsensitive) == 0
            && !Filas(db, "select max(version) from esquema",
                      [&](sqlite3_stmt *st) { t.version = sqlite3_column_int(st, 0); }))
            return false;
    }
    return true;
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

} // namespace

namespace Copias {

bool TablasSQLite(Conexion &c, Tablas &r)
{
    return LeerTablasSQLite(Manejador(c), r);
}

// The whole copy of the embedded database read through: every page checked, then its tables.
// quick_check reads every page of every table and index and checks each tree and each row's
// record, which is what a failing disk or a write cut short spoils; integrity_check also matches
// every index entry with its row, six times as long on a big shop: worth it before a copy takes
// the database's place, not after each backup, whose pages the engine itself has just copied.
QString LeerCopiaSQLite(const QString &archivo, Tablas &tablas, bool aFondo)
{
    sqlite3 *db = nullptr;
    QString estado;
    const bool sana =
        sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
            == SQLITE_OK
        && Filas(db, aFondo ? "pragma integrity_check" : "pragma quick_check",
                 [&](sqlite3_stmt *st) { estado += Texto(st, 0).left(200) + QLatin1Char(' '); })
        && estado == QLatin1String("ok ") && LeerTablasSQLite(db, tablas);
    if (!sana)
        qWarning("Copia %s: %s %s", qPrintable(archivo), qPrintable(estado.left(600)), sqlite3_errmsg(db));
    sqlite3_close(db);
    if (!sana)
        return QString::fromUtf8("La copia %1 está dañada o no es una base de datos.").arg(archivo);
    return {};
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

} // namespace Copias
