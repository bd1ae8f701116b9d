#pragma once

#include "ui/common/VistaListado.h"

class frmHojaVenta;

// The sales sheet of one cash day.
class frmHojaVentaVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmHojaVentaVista(frmHojaVenta &modelo, QWidget *padre = nullptr);

protected:
    void Repintar() override;
    void Escape() override;

private:
    frmHojaVenta &modelo_;
    QLabel *lblVenta_;
};
