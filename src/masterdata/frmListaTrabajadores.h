#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// Every worker of the shop, deactivated ones marked "*"; workers are added and edited from here.
class frmListaTrabajadores
{
public:
    Grid gridFamilias;
    bool Abierto = false;

    // Fills the list and shows it through `mostrar` (modal).
    void CargarFormulario(const std::function<void()> &mostrar);
    void LlenarFamilias();

    void gridFamilias_Click(int fila);
    void cmdNuevo_Click();
    void cmdEditarFamilia_Click();
    void cmdSalir_Click() { salirformulario(); }
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            salirformulario();
    }
};
