#pragma once

#include "ui/common/VistaListado.h"

class QComboBox;
class frmAtrasados;
class frmPendientesPorTrabajador;

// Garments out with the workers, for one worker or all.
class frmPendientesPorTrabajadorVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmPendientesPorTrabajadorVista(frmPendientesPorTrabajador &modelo, QWidget *padre = nullptr);
    QComboBox *cmbTrabajadores() const { return cmbTrabajadores_; }

protected:
    void LeerControles() override;
    bool SigueAbierto() const override;
    void Escape() override;

private:
    frmPendientesPorTrabajador &modelo_;
    QComboBox *cmbTrabajadores_;
};

// Orders late by at least a number of days.
class frmAtrasadosVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmAtrasadosVista(frmAtrasados &modelo, QWidget *padre = nullptr);
    QComboBox *cmbMeses() const { return cmbMeses_; }

protected:
    void LeerControles() override;
    bool SigueAbierto() const override;
    void Escape() override;

private:
    frmAtrasados &modelo_;
    QComboBox *cmbMeses_;
};
