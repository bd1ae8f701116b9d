#pragma once

#include "Selector.h"

// Which tickets of a finished order to print, in one touch: every ticket, the customer's only,
// or none. The shop's usual answer is current, so Enter takes it.
class frmImprimir : public Selector
{
public:
    frmImprimir();
    // eleccion: the ImprimirTickets flags; ImprimirNada when closed without a choice.
    void CargarFormulario(const QString &ref, bool reimpresion, int porDefecto, int &eleccion);
    void cmdAceptar_Click() override;

private:
    int eleccion_ = 0;
};
