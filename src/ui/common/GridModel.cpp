#include "ui/common/GridModel.h"

#include "ui/common/Estilo.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

int GridModel::rowCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : std::max(0, grid_->Rows() - 1);
}

int GridModel::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : grid_->Cols();
}

QVariant GridModel::data(const QModelIndex &i, int rol) const
{
    if (!i.isValid())
        return {};
    const int f = FilaGrid(i.row());
    switch (rol) {
    case Qt::DisplayRole:
        return grid_->TextMatrix(f, i.column());
    case Qt::BackgroundRole: {
        const Color c = grid_->CellBackColor(f, i.column());
        if (c == SinColor)
            return {};
        return QColor(RojoDe(c), VerdeDe(c), AzulDe(c));
    }
    case Qt::TextAlignmentRole:
        switch (grid_->ColAlignment(i.column())) {
        case Alineacion::Centro:
            return int(Qt::AlignCenter);
        case Alineacion::Derecha:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::FontRole:
        if (grid_->CellFontBold(f, i.column())) {
            QFont fuente = Estilo::Fuente();
            fuente.setBold(true);
            return fuente;
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int seccion, Qt::Orientation o, int rol) const
{
    if (o == Qt::Horizontal && rol == Qt::DisplayRole)
        return grid_->TextMatrix(0, seccion);
    if (o == Qt::Horizontal && rol == Qt::AccessibleTextRole && nombres_.contains(seccion))
        return nombres_.value(seccion);
    return {};
}

void GridModel::Refrescar()
{
    beginResetModel();
    endResetModel();
}

void GridModel::AjustarColumnas(QTableView *vista, double escala) const
{
    for (int c = 0; c < grid_->Cols(); ++c) {
        const int ancho = grid_->ColWidth(c);
        vista->setColumnHidden(c, ancho <= 1);
        if (ancho > 1)
            vista->setColumnWidth(c, int(ancho * escala / Estilo::TwipsPorPixel));
    }
}

void GridModel::AjustarVista(QTableView *vista, double escala) const
{
    AjustarColumnas(vista, escala);
    for (int f = 1; f < grid_->Rows(); ++f)
        vista->setRowHeight(f - 1, int(grid_->RowHeight(f) * escala / Estilo::TwipsPorPixel));
    if (grid_->Row >= 1 && grid_->Row < grid_->Rows())
        vista->setCurrentIndex(vista->model()->index(grid_->Row - 1, grid_->Col));
}
