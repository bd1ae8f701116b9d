#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// One garment at a glance: its customer, who took it in, each alteration with its price; and
// the garment ticket printed again.
class frmDetalleReferencia
{
public:
    QString lblReferencia;
    QString lblCliente;
    QString lblAtendido;
    Grid gridDetalle;
    bool Abierto = false;

    void CargarFormulario(const QString &referencia, const std::function<void()> &mostrar);
    void DarTamanosGrid();
    void cmdTicket_Click();
    void cmdsalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    void Llenar();
    QString referencia_;
};
