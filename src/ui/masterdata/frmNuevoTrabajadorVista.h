#pragma once

#include "ui/common/Vista.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class frmNuevoTrabajador;

class frmNuevoTrabajadorVista : public Vista
{
    Q_OBJECT
public:
    explicit frmNuevoTrabajadorVista(frmNuevoTrabajador &modelo, QWidget *padre = nullptr);
    QLineEdit *txtFamilia;
    QCheckBox *chkDesactivado;
    QPushButton *cmdAceptar, *cmdCancelar;

protected:
    void Escape() override;
    void Leer() override;

private:
    frmNuevoTrabajador &modelo_;
};
