#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// Every garment a customer has brought, newest order first; a double touch opens the garments
// of that order.
class frmListaArreglosCliente
{
public:
    Grid gridListaArreglos;
    bool Abierto = false;

    // Fills the list for the customer and shows it through `mostrar` (modal).
    void CargarFormulario(int idcliente, const std::function<void()> &mostrar);
    void DarTamanosGrid();
    void LlenarGrid(int idcliente);
    // The list's statement, also timed by the benchmark.
    static QString SqlArreglos(int idcliente);

    void gridListaArreglos_DblClick(int fila);
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
