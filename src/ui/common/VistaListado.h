#pragma once

#include "ui/common/Vista.h"

#include <functional>
#include <vector>

class Grid;
class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

// What the read-only list screens add to Vista: a title, one or more grids repainted from their
// form model's grids, a row of touch buttons.
class VistaListado : public Vista
{
    Q_OBJECT
public:
    QTableView *Tabla(size_t i = 0) const { return tablas_.at(i).second; }
    QPushButton *Boton(const QString &texto) const;

protected:
    VistaListado(const bool &abierto, const QString &titulo, QWidget *padre);
    QLabel *AgregarTitulo(const QString &texto);
    // A caption and a chooser for the row above a list, larger than a form's.
    QLabel *Rotulo(const QString &texto, QWidget *de = nullptr);
    QComboBox *DesplegableGrande(const Combo &combo, const QString &nombre);
    // `toque` and `dobleToque` get the grid row (1 = first data row).
    QTableView *AgregarTabla(const Grid &grid, const QString &nombre, double escala,
                             const std::function<void(int)> &toque,
                             const std::function<void(int)> &dobleToque = {});
    // A touch button in the bottom row, or in the given row.
    QPushButton *AgregarBoton(const QString &texto, const std::function<void()> &accion,
                              QBoxLayout *fila = nullptr);
    void Repintar() override;

    QVBoxLayout *capa_;
    QHBoxLayout *botones_;

private:
    struct Tabla_ {
        GridModel *modelo;
        const Grid *grid;
        double escala;
    };
    std::vector<std::pair<Tabla_, QTableView *>> tablas_;
};
