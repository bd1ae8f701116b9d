#pragma once

#include "core/Grid.h"

#include <functional>

// The garment types ("Tipo prenda"): the families the sale screen starts each garment with.
class frmFamilias
{
public:
    Grid gridFamilias;
    bool Abierto = false;

    void CargarFormulario(const std::function<void()> &mostrar);
    void LlenarFamilias();
    void cmdNuevo_Click();
    void cmdEditarFamilia_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
