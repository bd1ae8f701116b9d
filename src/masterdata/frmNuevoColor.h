#pragma once

#include <QString>
#include <functional>

// Adds one colour name to the list the counter picks from.
class frmNuevoColor
{
public:
    QString txtColor;
    bool Abierto = false;

    // Shows the window through `mostrar` (modal); the colour is saved by "Aceptar".
    void CargarFormulario(const std::function<void()> &mostrar);
    void cmdAceptar_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
