#pragma once

#include "core/Grid.h"

#include <functional>

// Every product by family, withdrawn ones marked "*"; a product is edited from here.
class frmListadoProductos
{
public:
    Grid gridProductos;
    bool Abierto = false;

    void CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGrid();
    // Family 0 lists every family.
    void LlenarProductos(int idfamilia);
    static QString SqlProductos(int idfamilia);

    void gridProductos_Click(int fila);
    void cmdModificar_Click();
    void cmdImprimirLista_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
