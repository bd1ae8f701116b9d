#pragma once

#include "Selector.h"

// How the customer pays: cash, card, ...
class frmFormaPago : public Selector
{
public:
    frmFormaPago();
    // Empty name and id 0 when the window was closed without "Aceptar".
    void CargarFormulario(QString &nombre, int &idformapago);
    void cmdAceptar_Click() override;

private:
    QString nombre_;
    int idformapago_ = 0;
};
