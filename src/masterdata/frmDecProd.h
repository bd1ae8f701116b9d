#pragma once

#include <functional>

// The catalogue chooser: a new alteration, or the list of them to change one.
class frmDecProd
{
public:
    enum class Eleccion { Ninguna, NuevoArreglo, ModificarDatos };
    Eleccion eleccion = Eleccion::Ninguna;
    bool Abierto = false;

    // Shows the chooser; once it is closed, opens the screen chosen.
    void CargarFormulario(const std::function<void()> &mostrar);
    void cmdAsignar_Click();
    void cmdVerArreglo_Click();
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
