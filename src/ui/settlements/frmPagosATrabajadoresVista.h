#pragma once

#include "ui/common/GridModelCreciente.h"
#include "ui/common/Vista.h"

class QComboBox;
class frmPagosATrabajadores;

class frmPagosATrabajadoresVista : public Vista
{
    Q_OBJECT
public:
    explicit frmPagosATrabajadoresVista(frmPagosATrabajadores &modelo, QWidget *padre = nullptr);
    QTableView *tabla() const { return tabla_; }
    QComboBox *cmbTrabajadores() const { return cmbTrabajadores_; }
    QComboBox *cmbEstado() const { return cmbEstado_; }

protected:
    void Leer() override;
    void Repintar() override;
    void Escape() override;

private:
    // A listing button: a new list from the top, then the rest of it page by page.
    void Listar(void (frmPagosATrabajadores::*boton)());
    frmPagosATrabajadores &modelo_;
    GridModelCreciente *gridModel_;
    QTableView *tabla_;
    QComboBox *cmbTrabajadores_;
    QComboBox *cmbEstado_;
};
