#pragma once

#include "core/Combo.h"
#include "core/Grid.h"
#include "core/Pantallas.h"

#include <QString>
#include <functional>

// Garments given to workers and not yet back in the shop, for one worker or all of them, with
// the day each must come back.
class frmPendientesPorTrabajador
{
public:
    static constexpr int Todos = 999;
    enum Columna { ColTrabajador, ColReferencia, ColPrenda, ColAsignada, ColDevuelta, ColArreglo };

    Combo cmbTrabajadores;
    Grid gridListaArreglos;
    bool Abierto = false;

    // 999 is every worker.
    static QString SqlPendientes(int idcosturera);

    // Gives back the order a double touch sends to the sale screen, if any.
    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    ArregloParaVenta ArregloACargar;
    void llenarListaTrabajadores();
    void DarTamanosGrid();
    void LlenarLista(int idcosturera);

    void gridListaArreglos_Click(int fila);
    void cmdAceptar_Click();
    void cmdVerEstado_Click();
    void cmdVisualizar_Click();
    void gridListaArreglos_DblClick(int fila);
    void cmdImprimir_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
