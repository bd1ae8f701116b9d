#pragma once

#include "dialogs/Selector.h"

// The worker picker: active workers only, in alphabetical order.
class frmTrabajadores : public Selector
{
public:
    frmTrabajadores();
    // idcosturera gets the chosen worker; 0 after "Cancelar"; Dialogos::TrabajadorSinElegir when
    // the window was closed by Escape or its close button.
    void CargarFormulario(int &idcosturera);
    void CargarTrabajadores();
    void cmdAceptar_Click() override;
    void cmdCancelar_Click() override;

private:
    int idcosturera_ = 0;
};
