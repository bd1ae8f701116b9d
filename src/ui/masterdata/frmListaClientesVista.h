#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModelCreciente;
class QLineEdit;
class QTableView;
class frmListaClientes;

class frmListaClientesVista : public Vista
{
    Q_OBJECT
public:
    explicit frmListaClientesVista(frmListaClientes &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    QTableView *tabla() const { return tabla_; }
    QLineEdit *txtNombre() const { return txtNombre_; }

protected:
    void Escape() override;
    void Leer() override;

private:
    frmListaClientes &modelo_;
    GridModelCreciente *gridModel_;
    QTableView *tabla_;
    QLineEdit *txtNombre_;
};
