#pragma once

#include "Conexion.h"

#include <QString>
#include <QStringList>

// The five-line file that chooses the database: line 1 the embedded database file (relative to
// the file's own folder), or empty for the server named by lines 2 to 5 (host[:port], database,
// user, password). An optional line 6 names the counter (its cash drawer); an optional line 7,
// "require" (or "verify-ca", "verify-full"), refuses a server connection without TLS; an optional
// line 8, "ventana", keeps the program in a 1024 x 768 window instead of the whole screen.
struct Configuracion {
    QString ruta; // where the file is
    bool existe = false;
    bool vacio = false;
    QStringList lineas; // as read, at least five entries once read

    bool UsaServidor() const;
    QString ArchivoBaseDatos() const; // absolute path of line 1, quotes removed
    DatosServidor Servidor() const;
    // The counter's name, line 6 (optional): the machine's name when left out.
    QString Puesto() const;
    // Line 8 (optional) is "ventana": a back-office PC's window rather than the counter's screen.
    bool Ventana() const;
};

inline constexpr const char *NombreArchivoConfiguracion = "bdcostuaccess.dat";

// --config wins, then HILVAN_CONFIG, then $XDG_CONFIG_HOME/hilvan/bdcostuaccess.dat.
QString RutaConfiguracion(const QString &opcionLineaOrdenes = QString());
Configuracion LeerConfiguracion(const QString &ruta);
// Writes the five lines (CR LF ends, as the shop's older tools expect), readable by its owner only.
// Throws on failure.
void EscribirConfiguracion(const QString &ruta, const QStringList &lineas);
// True when the file holds a password (line 5) and other users of the machine can read it.
bool ConfiguracionExpuesta(const Configuracion &config);
