#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class QPushButton;
class QTableView;
class frmListaArreglosCliente;

class frmListaArreglosClienteVista : public Vista
{
    Q_OBJECT
public:
    explicit frmListaArreglosClienteVista(frmListaArreglosCliente &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    QTableView *gridListaArreglos;
    QPushButton *cmdCancelar;

protected:
    void Escape() override;

private:
    frmListaArreglosCliente &modelo_;
    GridModel *datos_;
};
