#pragma once

#include "core/Grid.h"

#include <QAbstractTableModel>
#include <QHash>

class QTableView;

// Shows a Grid in a QTableView: row 0 becomes the header, data rows follow. Call Refrescar()
// after the form model changed the grid.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(const Grid *grid, QObject *padre = nullptr) : QAbstractTableModel(padre), grid_(grid)
    {
    }

    int rowCount(const QModelIndex &padre = {}) const override;
    int columnCount(const QModelIndex &padre = {}) const override;
    QVariant data(const QModelIndex &indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    void Refrescar();
    // What a screen reader calls a column whose header shows nothing (a column of "X" marks).
    void NombrarColumna(int columna, const QString &nombre) { nombres_[columna] = nombre; }
    // Applies column widths (0 hides), row heights and the current cell to a view.
    void AjustarVista(QTableView *vista, double escala = 1.0) const;
    // Only the column widths: for long lists whose rows keep the view's default height.
    void AjustarColumnas(QTableView *vista, double escala = 1.0) const;
    // Grid row of a view row (data rows start at grid row 1).
    static int FilaGrid(int filaVista) { return filaVista + 1; }

private:
    const Grid *grid_;
    QHash<int, QString> nombres_;
};
