#pragma once

#include "ui/common/Vista.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmParametrosGenerales;

class frmParametrosGeneralesVista : public Vista
{
    Q_OBJECT
public:
    explicit frmParametrosGeneralesVista(frmParametrosGenerales &modelo, QWidget *padre = nullptr);
    void Repintar() override;

    QLineEdit *txtEmpresa, *txtNombre, *txtNif, *txtDireccion, *txtTelefono, *txtCodPostal, *txtLocalidad;
    QLineEdit *txtPie[7];
    QLineEdit *txtConfPuerto, *txtAnchuraCarro, *txtCarpetaCopias2;
    QLabel *lblConfPuerto;
    QComboBox *cmbComs;
    QPushButton *cmdAceptar, *cmdCancelar, *cmdPin, *cmdQuitarPin;

protected:
    void Escape() override;

private:
    void Leer() override;
    QList<QString *> CamposModelo() const;
    QList<QLineEdit *> CamposVista() const;
    frmParametrosGenerales &modelo_;
};
