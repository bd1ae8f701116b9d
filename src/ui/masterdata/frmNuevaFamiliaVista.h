#pragma once

#include "ui/common/Vista.h"

class QLineEdit;
class QPushButton;
class frmNuevaFamilia;

class frmNuevaFamiliaVista : public Vista
{
    Q_OBJECT
public:
    explicit frmNuevaFamiliaVista(frmNuevaFamilia &modelo, QWidget *padre = nullptr);
    QLineEdit *txtFamilia() const { return txtFamilia_; }
    QPushButton *cmdAceptar() const { return cmdAceptar_; }

protected:
    void Leer() override;
    void Repintar() override;
    void Escape() override;

private:
    frmNuevaFamilia &modelo_;
    QLineEdit *txtFamilia_;
    QPushButton *cmdAceptar_;
};
