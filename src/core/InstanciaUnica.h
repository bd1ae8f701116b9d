#pragma once

#include "Configuracion.h"

#include <QLockFile>
#include <QString>
#include <memory>

// One counter per till: two copies of the program on one machine and one database would each
// keep their own sale on screen and book the same cash twice. The first copy holds a lock file
// in the user's runtime folder, named after the database; a copy started while it runs says so
// and ends. The lock goes with the process, so a copy that crashed does not keep the next out.
class InstanciaUnica
{
public:
    // carpeta: where the lock lives; empty for the user's runtime folder.
    explicit InstanciaUnica(const Configuracion &config, const QString &carpeta = QString());
    ~InstanciaUnica();

    // True when this copy may run. Otherwise tells the user, through the dialogs port, that the
    // program is already open, and returns false.
    bool Tomar();
    QString Ruta() const { return ruta_; }

private:
    QString ruta_;
    std::unique_ptr<QLockFile> cerrojo_;
};

// What names the database: the real path of the embedded file, or server, port and database.
QString ClaveBaseDatos(const Configuracion &config);
