#pragma once

#include "ui/common/Vista.h"

class frmListadoProductos;

class frmListadoProductosVista : public Vista
{
    Q_OBJECT
public:
    explicit frmListadoProductosVista(frmListadoProductos &modelo, QWidget *padre = nullptr);
    QTableView *tabla() const { return tabla_; }

protected:
    void Repintar() override;
    void Escape() override;

private:
    frmListadoProductos &modelo_;
    GridModel *gridModel_;
    QTableView *tabla_;
};
