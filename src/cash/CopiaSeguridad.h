#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class Conexion;

// Backups of the shop's database that can be trusted: each one in a file of its own, named by
// its full date and time (arreglos_2026-12-04_090507.db, .dump for the server) and never
// overwritten, taken while the program goes on working, and read back before it is reported
// as made.
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

// Reads a copy through: the embedded file's integrity and rows of every table, or the
// server's archive listing. Empty when it is sound, else why not.
QString VerificarCopia(Conexion &c, const QString &archivo);

// Puts a copy back in place of the current database, after first keeping the current one as a
// verified copy "antes-de-restaurar_<stamp>" in the folder: a restore never loses data. The
// connection is open on the restored database afterwards.
ResultadoCopia RestaurarCopia(Conexion &c, const QString &archivo, const QString &carpeta,
                              const QDateTime &momento);

// The options menu's "Copia de seguridad": makes the copy and tells the user how it went;
// hecha runs between the two (the screen stops showing that it is busy).
void CopiaSeguridad(const std::function<void()> &hecha = {});
