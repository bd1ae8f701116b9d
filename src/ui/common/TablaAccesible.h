#pragma once

class QAccessibleInterface;
class QTableView;

// What a screen reader reads of a grid: only the columns staff see (an id column hidden from the
// screen stays hidden from the reader too), each named by its header. Column numbers are the
// visible ones; the views and their model keep the grid's own numbering.
// Its children are the header's cells, then each row's, over the visible columns: each cell once.
namespace TablaAccesible {
QAccessibleInterface *Crear(QTableView *vista);
// The view numbers a cell in its focus and selection events over every model column and a
// row-header place; this is the same cell's number among the reader's children (-1: none).
int HijoDe(QTableView *vista, int numeroDeLaVista);
} // namespace TablaAccesible
