#pragma once

#include "ui/common/VistaListado.h"

class QComboBox;
class frmAtrasados;

// Orders late by at least a number of days.
class frmAtrasadosVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmAtrasadosVista(frmAtrasados &modelo, QWidget *padre = nullptr);
    QComboBox *cmbMeses() const { return cmbMeses_; }

protected:
    void Leer() override;
    void Escape() override;

private:
    frmAtrasados &modelo_;
    QComboBox *cmbMeses_;
};
