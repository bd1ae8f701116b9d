#pragma once

#include "ui/common/Vista.h"

class GridModelCreciente;
class QCheckBox;
class QComboBox;
class frmPagosTiendas;

class frmPagosTiendasVista : public Vista
{
    Q_OBJECT
public:
    explicit frmPagosTiendasVista(frmPagosTiendas &modelo, QWidget *padre = nullptr);
    QTableView *tabla() const { return tabla_; }
    QComboBox *cmbTienda() const { return cmbTienda_; }
    QComboBox *cmbMeses() const { return cmbMeses_; }
    QComboBox *cmbAno() const { return cmbAno_; }
    QCheckBox *chkPendientes() const { return chkPendientes_; }

protected:
    void Leer() override;
    void Repintar() override;
    void Escape() override;

private:
    frmPagosTiendas &modelo_;
    GridModelCreciente *gridModel_;
    QTableView *tabla_;
    QComboBox *cmbTienda_;
    QComboBox *cmbMeses_;
    QComboBox *cmbAno_;
    QCheckBox *chkPendientes_;
};
