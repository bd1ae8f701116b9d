#pragma once

#include "core/Combo.h"
#include "core/Grid.h"
#include "core/Pantallas.h"

#include <QString>
#include <functional>

// Orders not handed over whose promised date is at least a chosen number of days past.
class frmAtrasados
{
public:
    enum Columna { ColArreglo, ColFecha, ColDias, ColImporte, ColCliente };

    Combo cmbMeses; // the day counts 0, 15, ... 600; the user may type another
    Grid gridAtrasados;
    QString lblViendo;
    bool Abierto = false;

    static QString SqlAtrasados(int dias);

    // Gives back the order a double touch sends to the sale screen, if any.
    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    ArregloParaVenta ArregloACargar;
    void DarTamanosGrid();
    void BuscarAtrasados(int dias);

    void gridAtrasados_Click(int fila);
    // Opens the order of the row on the sale screen.
    void gridAtrasados_DblClick(int fila);
    void cmdVer_Click();
    void cmdImprimir_Click();
    void cmdAceptar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
