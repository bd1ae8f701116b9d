#pragma once

class QAccessibleInterface;
class QTableView;

// What a screen reader reads of a grid: only the columns staff see (an id column hidden from the
// screen stays hidden from the reader too), each named by its header. Column numbers are the
// visible ones; the views and their model keep the grid's own numbering.
namespace TablaAccesible {
QAccessibleInterface *Crear(QTableView *vista);
} // namespace TablaAccesible
