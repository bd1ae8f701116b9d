#pragma once

#include "ui/common/GridModel.h"

// A GridModel for lists that are filled behind the first rows: the view learns of the rows
// appended since the last call (Crecer) without a reset, so it keeps its scroll and choice.
class GridModelCreciente : public GridModel
{
    Q_OBJECT
public:
    explicit GridModelCreciente(const Grid *grid, QObject *padre = nullptr)
        : GridModel(grid, padre), grid_(grid)
    {
    }

    int rowCount(const QModelIndex &padre = {}) const override { return padre.isValid() ? 0 : publicadas_; }

    // The grid was built again: every row is new.
    void Reiniciar();
    // Rows were appended, or cells changed in place.
    void Crecer();

private:
    const Grid *grid_;
    int publicadas_ = 0;
};
