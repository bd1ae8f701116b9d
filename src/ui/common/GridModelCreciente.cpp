#include "ui/common/GridModelCreciente.h"

void GridModelCreciente::Reiniciar()
{
    beginResetModel();
    publicadas_ = std::max(0, grid_->Rows() - 1);
    endResetModel();
}

void GridModelCreciente::Crecer()
{
    const int filas = std::max(0, grid_->Rows() - 1);
    if (filas < publicadas_) {
        Reiniciar();
        return;
    }
    if (publicadas_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(publicadas_ - 1, columnCount() - 1));
    if (filas > publicadas_) {
        beginInsertRows({}, publicadas_, filas - 1);
        publicadas_ = filas;
        endInsertRows();
    }
}
