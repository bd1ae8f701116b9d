#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class Conexion;

// What each engine does its own way in a backup or a restore (CopiaSeguridadSQLite.cpp and
// CopiaSeguridadServidor.cpp), for CopiaSeguridad.cpp. Messages are whole Spanish sentences,
// empty when all went well; causes are lower-case phrases that end a sentence.
namespace Copias {

// Each table of a database or of a copy: its columns (lower case) and how many rows it has.
struct Tabla {
    QStringList columnas;
    qint64 filas = 0;
    int version = 0; // the table esquema: the schema version recorded
};
using Tablas = QMap<QString, Tabla>;

QString CausaSistema(int error);

// The embedded engine. TablasSQLite reads inside the transaction open on the connection, if any.
bool TablasSQLite(Conexion &c, Tablas &r);
QString LeerCopiaSQLite(const QString &archivo, Tablas &tablas, bool aFondo);
QString CopiarSQLite(Conexion &c, const QString &destino, Tablas &base);
bool PonerArchivo(Conexion &c, const QString &archivo);

// The server, through PostgreSQL's client tools.
Tablas ContarServidor(Conexion &c);
QString LeerCopiaServidor(Conexion &c, const QString &archivo, Tablas &tablas);
QString VolcarServidor(Conexion &c, const QString &destino, Tablas &base);
QString RestaurarServidor(Conexion &c, const QString &archivo);

} // namespace Copias
