#pragma once

#include "core/Conexion.h"
#include "core/SalidaListados.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

// Writes every table of the shop into `carpeta` (created when missing) as <tabla>.csv: UTF-8, a
// header row, text always between quotes and Null as an empty field, amounts with a decimal
// point, dates "yyyy-mm-dd hh:mm:ss": what Importar reads back. All tables are read from one
// snapshot. Refuses a folder that already holds one of the files. Returns the rows of each
// table; throws ErrorIntercambio or ErrorBaseDatos.
std::vector<std::pair<QString, qint64>>
Exportar(Conexion &conexion, const QString &carpeta,
         const std::function<void(const QString &tabla, qint64 hechas, qint64 total)> &progreso = {});

// A printed listing as a file a Spanish spreadsheet opens as it is: UTF-8 with its mark, ";"
// between fields, amounts with a decimal comma and dates dd/mm/yyyy; the visible columns only.
// Empty when written; otherwise the Spanish reason.
QString ExportarListadoCsv(const ListadoImpreso &listado, const QString &ruta);
