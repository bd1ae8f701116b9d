#pragma once

#include "Selector.h"

// Who is attending at the counter: a touch on a name chooses it.
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
    // Who attended last on this counter: the name offered first next time.
    static inline int ultimo_ = 0;
};
