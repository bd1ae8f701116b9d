#pragma once

#include "ui/common/GridModel.h"

#include <functional>

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
    ~GridModelCreciente() override { Ocupado(false); }

    int rowCount(const QModelIndex &padre = {}) const override { return padre.isValid() ? 0 : publicadas_; }

    // The grid was built again: every row is new.
    void Reiniciar();
    // Rows were appended: only they are announced, so each part of a long list costs the view
    // what that part holds, not the whole list again.
    void Crecer();
    // Rows were appended, or cells changed in place (after a touch).
    void Actualizar();
    // Reads the rest of a list behind the rows on screen: `seguir` reads one part in a turn of
    // the event loop of its own, the view shows it, and so on while `incompleta` holds. A fault
    // halfway is shown once; the list stays as far as it got. Meanwhile the pointer shows the
    // program at work, still answering.
    void Cargar(std::function<bool()> incompleta, std::function<void()> seguir);

private:
    void Ocupado(bool si);
    const Grid *grid_;
    int publicadas_ = 0;
    bool cargando_ = false;
    bool ocupado_ = false;
};
