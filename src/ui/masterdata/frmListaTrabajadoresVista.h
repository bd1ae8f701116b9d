#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class QPushButton;
class QTableView;
class frmListaTrabajadores;

class frmListaTrabajadoresVista : public Vista
{
    Q_OBJECT
public:
    explicit frmListaTrabajadoresVista(frmListaTrabajadores &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    QTableView *gridFamilias;
    QPushButton *cmdNuevo, *cmdEditarFamilia, *cmdSalir;

protected:
    void Escape() override;

private:
    frmListaTrabajadores &modelo_;
    GridModel *datos_;
};
