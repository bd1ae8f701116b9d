#pragma once

#include <QString>

class GridModel;
class QTableView;
class QWidget;

// A read-only list over a Grid for the back-office screens: whole rows selected, rows a finger
// can pick, a wide scroll bar, and a name for screen readers.
QTableView *TablaTactil(const QString &nombre, const QString &nombreAccesible, GridModel *datos,
                        QWidget *padre);
// Repaints the table from its grid, keeping every row touch-high.
void RepintarTablaTactil(QTableView *tabla, GridModel *datos);
