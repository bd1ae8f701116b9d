#pragma once

#include "ui/common/VistaListado.h"

class frmRegistroOperaciones;

// The journal of who moved money and data, read-only.
class frmRegistroOperacionesVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmRegistroOperacionesVista(frmRegistroOperaciones &modelo, QWidget *padre = nullptr);

protected:
    void Repintar() override;
    void Escape() override;

private:
    frmRegistroOperaciones &modelo_;
    QLabel *lblTitulo_;
};
