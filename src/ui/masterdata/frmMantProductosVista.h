#pragma once

#include "ui/common/Vista.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class frmMantProductos;

class frmMantProductosVista : public Vista
{
    Q_OBJECT
public:
    explicit frmMantProductosVista(frmMantProductos &modelo, QWidget *padre = nullptr);
    QComboBox *cmbFamilia = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    QLineEdit *txtPVPPublico = nullptr;
    QLineEdit *txtPrecioEspecial = nullptr;
    QLineEdit *txtPagoTrabajador = nullptr;
    QCheckBox *chkActivo = nullptr;
    QPushButton *cmdAceptar = nullptr;

protected:
    void Leer() override;
    void Repintar() override;
    void Escape() override;

private:
    QLineEdit *Caja(const QString &nombre);
    frmMantProductos &modelo_;
};
