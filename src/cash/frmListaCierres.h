#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// Every cash day, newest first, with the sum of all its movements; opens a day's sales sheet.
class frmListaCierres
{
public:
    Grid gridCierres;
    bool Abierto = false;

    static QString SqlCierres();

    void CargarFormulario(const std::function<void()> &mostrar);
    void Llenar();

    void gridCierres_Click(int fila);
    void cmdVerDetalle_Click();
    void cmdAceptar_Click() { Abierto = false; }
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
