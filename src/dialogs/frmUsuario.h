#pragma once

#include "Selector.h"

// Who is attending at the counter.
class frmUsuario : public Selector
{
public:
    frmUsuario();
    // idusuario is 0 when the window was closed without "Aceptar".
    void CargarFormulario(int &idusuario);
    void cmdAceptar_Click() override;
    // "Cancelar" does nothing: an order must say who took it in.
    void cmdCancelar_Click() override {}

private:
    int idusuario_ = 0;
};
