#pragma once

#include "core/Grid.h"
#include "core/ListaPorPartes.h"

#include <QString>
#include <functional>

// The customer list: search by part of the name, choose one, open or create a card.
// One instance lives for the whole run, so the chosen customer survives closing the list.
// Twenty thousand customers are listed a part at a time (ContinuarLista) while the screen answers.
class frmListaClientes
{
public:
    QString txtNombre;
    Grid gridClientes;
    int IdClienteElegido = 0;
    bool Abierto = false;
    static constexpr int FilasPrimeraParte = 200;
    static constexpr int FilasPorParte = 2000;

    // Fills the list, shows it through `mostrar` (modal) and returns the chosen customer.
    int CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGrid();
    void LlenarClientes(const QString &texto);
    // The list's statement, also timed by the benchmark.
    static QString SqlClientes(const QString &texto);
    bool ListaIncompleta() const { return lista_.Incompleta(); }
    void ContinuarLista() { lista_.Seguir(FilasPorParte); }

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

private:
    ListaPorPartes lista_;
};
