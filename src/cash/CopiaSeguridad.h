#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class Conexion;

// Backups of the shop's database that can be trusted: each one in a file of its own, named by
// its full date and time (arreglos_2026-12-04_090507.db, .dump for the server) and never
// overwritten, taken while the program (and other counters) go on working, and read back
// against the snapshot it was taken from before it is reported as made.
struct ResultadoCopia {
    bool ok = false;
    QString archivo;  // the copy made (also when it could not be verified)
    QString error;    // in Spanish, for the shop
    QString apartada; // a restore: the copy of the database it replaced
};

// copiasseguridad beside the database file, or beside the configuration file for the server.
QString CarpetaCopias();

// Makes and verifies one copy in the folder (created when missing). nombre is the file's first
// word: "arreglos" for the shop's backups.
ResultadoCopia HacerCopiaSeguridad(Conexion &c, const QString &carpeta, const QDateTime &momento,
                                   const QString &nombre = QStringLiteral("arreglos"));

// Reads a copy through (every page of the embedded file, or every table's data in the server's
// archive) and checks that it holds the shop's tables and columns and the rows the database has
// now. Empty when it does, else why not.
QString VerificarCopia(Conexion &c, const QString &archivo);

// Puts a copy back in place of the current database, after first keeping the current one as a
// verified copy "antes-de-restaurar_<stamp>" in the folder: a restore never loses data. Refused,
// with nothing changed, while a counter has the database open (the lock beside the embedded
// file, other sessions on the server) and when the copy is damaged or not the shop's. The
// connection is open on the restored database afterwards.
ResultadoCopia RestaurarCopia(Conexion &c, const QString &archivo, const QString &carpeta,
                              const QDateTime &momento);

// The copy of the database as it was, "antes-de-actualizar_<stamp>", made before its schema is
// upgraded (AbrirSegunConfiguracion's antesDeCambiar): its path; ErrorBaseDatos, and nothing
// upgraded, when it cannot be made and verified.
QString CopiaAntesDeActualizar(Conexion &c);
// What the upgrade did, for the screen and the terminal: each step, then the copy made first.
QString TextoActualizada(const QStringList &pasos, const QString &copia);

// A verified copy put into another folder as well (the second folder: a USB disk, a network
// share) and read back there, byte for byte the same. The folder must exist: a disk not plugged
// in is never replaced by a folder on the local disk.
ResultadoCopia CopiarEnCarpeta(const QString &copia, const QString &carpeta);

// A restore drill: the copy put into a scratch database (a temporary file; a database created and
// dropped on the same server), brought up to this program's version and compared table by table
// with the copy. The shop's database is not touched. c is open on the shop's server, or not at all
// for the embedded engine.
struct PruebaCopia {
    bool ok = false;
    QStringList tablas; // "clientes: 120 filas", one per table of the copy
    QString como;       // where it was restored, in Spanish
    QString error;
};
PruebaCopia ProbarCopia(Conexion &c, bool servidor, const QString &archivo);

// The options menu's "Copia de seguridad": makes the copy and tells the user how it went;
// hecha runs between the two (the screen stops showing that it is busy).
void CopiaSeguridad(const std::function<void()> &hecha = {});
