#pragma once

#include <QString>

// The support log: the program's warnings and errors (Qt's qWarning and qCritical, database
// failures among them) go to a file that whoever looks after the shop's machine can send in,
// since a shop never sees standard error. It holds no customer data beyond ids: texts quoted in
// SQL and the values a database server repeats in its messages are blanked before writing.
namespace Registro {
// $XDG_STATE_HOME/hilvan, or ~/.local/state/hilvan.
QString CarpetaPorDefecto();
// Starts writing to hilvan.log in the folder (the default one when empty). When the file
// would pass tamanoMaximo bytes it becomes hilvan.log.1, the older copies move up by one, and
// copias of them are kept. Messages still reach standard error as before.
void Iniciar(const QString &carpeta = QString(), qint64 tamanoMaximo = 1024 * 1024, int copias = 4);
// Stops writing to the file.
void Terminar();
QString RutaArchivo();
// The text with quoted values and the server's detail lines blanked out.
QString SinDatos(const QString &texto);
} // namespace Registro
