#pragma once

#include "Configuracion.h"

#include <QLockFile>
#include <QString>
#include <memory>

// A lock beside the embedded database file (tienda.db-cerrojo) that every counter on it holds,
// shared, for its whole run, and a restore takes alone: any user, and any machine that reaches
// the file, sees it. The lock goes with the process that held it.
class CerrojoBaseDatos
{
public:
    explicit CerrojoBaseDatos(const QString &archivoBaseDatos);
    ~CerrojoBaseDatos();
    CerrojoBaseDatos(const CerrojoBaseDatos &) = delete;
    CerrojoBaseDatos &operator=(const CerrojoBaseDatos &) = delete;

    // False while someone holds it the other way: a restore (for a counter), or any counter (for
    // a restore). A folder or file system without locks lets everyone through.
    bool Tomar(bool solo);

private:
    QString ruta_;
    int fd_ = -1;
};

// One counter per till: two copies of the program on one machine and one database would each
// keep their own sale on screen and book the same cash twice. The first copy holds a lock file
// in the user's runtime folder, named after the database; a copy started while it runs says so
// and ends. The lock goes with the process, so a copy that crashed does not keep the next out.
// It also holds the shared lock beside an embedded database, which keeps a restore out.
class InstanciaUnica
{
public:
    // carpeta: where the lock lives; empty for the user's runtime folder.
    explicit InstanciaUnica(const Configuracion &config, const QString &carpeta = QString());
    ~InstanciaUnica();

    // True when this copy may run. Otherwise false, and Motivo() is the Spanish message for the
    // caller to show (the program is already open, or a restore is running).
    bool Tomar();
    QString Motivo() const { return motivo_; }
    QString Ruta() const { return ruta_; }

private:
    bool TomarEnEsteOrdenador();
    QString ruta_;
    QString motivo_;
    std::unique_ptr<QLockFile> cerrojo_;
    std::unique_ptr<CerrojoBaseDatos> base_;
};

// What names the database: the real path of the embedded file, or server, port and database.
QString ClaveBaseDatos(const Configuracion &config);
