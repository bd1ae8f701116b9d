#pragma once

#include "ui/common/VistaListado.h"

class frmHojaVenta;
class frmListaCierres;

// The sales sheet of one cash day.
class frmHojaVentaVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmHojaVentaVista(frmHojaVenta &modelo, QWidget *padre = nullptr);

protected:
    void Repintar() override;
    bool SigueAbierto() const override;
    void Escape() override;

private:
    frmHojaVenta &modelo_;
    QLabel *lblVenta_;
};

// Every cash day with its total; opens a day's sheet.
class frmListaCierresVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmListaCierresVista(frmListaCierres &modelo, QWidget *padre = nullptr);

protected:
    bool SigueAbierto() const override;
    void Escape() override;

private:
    frmListaCierres &modelo_;
};
