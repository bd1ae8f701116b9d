#pragma once

#include "ui/common/Vista.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class frmFIchaCliente;

class frmFIchaClienteVista : public Vista
{
    Q_OBJECT
public:
    explicit frmFIchaClienteVista(frmFIchaCliente &modelo, QWidget *padre = nullptr);
    void Repintar() override;

    QLineEdit *txtNombre, *txtDireccion, *txtCodPostal, *txtLocalidad, *txtNif, *txtTelefono;
    QCheckBox *chkEstienda;
    QPushButton *cmdAceptar, *cmdCancelar, *cmdPostal, *cmdTelefono, *cmdVerArreglos;

protected:
    void Escape() override;

private:
    void Leer() override;
    frmFIchaCliente &modelo_;
};
