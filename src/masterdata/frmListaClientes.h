#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// The customer list: search by part of the name, choose one, open or create a card.
// One instance lives for the whole run, so the chosen customer survives closing the list.
class frmListaClientes
{
public:
    QString txtNombre;
    Grid gridClientes;
    int IdClienteElegido = 0;
    bool Abierto = false;

    // Fills the list, shows it through `mostrar` (modal) and returns the chosen customer.
    int CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGrid();
    void LlenarClientes(const QString &texto);
    // The list's statement, also timed by the benchmark.
    static QString SqlClientes(const QString &texto);

    void cmdBuscar_Click();
    void gridClientes_Click(int fila);
    void gridClientes_DblClick(int fila);
    void cmdNuevo_Click();
    void cmdAceptar_Click() { Abierto = false; }
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
