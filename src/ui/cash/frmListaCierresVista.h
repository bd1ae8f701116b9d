#pragma once

#include "ui/common/VistaListado.h"

class frmListaCierres;

// Every cash day with its total; opens a day's sheet.
class frmListaCierresVista : public VistaListado
{
    Q_OBJECT
public:
    explicit frmListaCierresVista(frmListaCierres &modelo, QWidget *padre = nullptr);

protected:
    void Escape() override;

private:
    frmListaCierres &modelo_;
};
