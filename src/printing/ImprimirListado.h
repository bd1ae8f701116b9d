#pragma once

#include "core/Grid.h"
#include "core/SalidaListados.h"

#include <QDate>
#include <QString>

class QPagedPaintDevice;

// Rows a page holds, heading row included.
constexpr int FilasPaginaVertical = 57;
constexpr int FilasPaginaApaisada = 44;

// Cuts a grid into pages: each page repeats the heading row (row 0) and carries up to
// R - 1 data rows, with the counter "dd/mm/yyyy - Pág k de N".
ListadoImpreso PaginarListado(const Grid &grid, const QString &titulo, bool apaisado, const QDate &hoy);

// Prints a grid as shown on screen on the listing output of the program. Tells the user when
// the printer failed; returns true only when the listing was printed or saved.
bool ImprimirListado(const Grid &grid, const QString &titulo, bool apaisado);

// Draws every page on a printer or PDF writer already set up for the orientation. False when
// the device cannot be drawn on or reports an error.
bool DibujarListado(QPagedPaintDevice &dispositivo, const ListadoImpreso &listado);

// Prepares the device's page for the listing's orientation (A4, small margins).
void PrepararPagina(QPagedPaintDevice &dispositivo, bool apaisado);
