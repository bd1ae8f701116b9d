#pragma once

#include "core/Grid.h"
#include "core/Pantallas.h"

#include <QString>
#include <functional>

// "Avisos: arreglos listos sin recoger": the orders whose every garment is back in the shop and
// ready, not handed over for more than the shop's number of days (parametros.diasaviso, 15 when
// unset), for staff to call the customers. A double touch notes "Llamado hoy" with who called.
// The days count from when the last garment came back (arreglos.fechalisto); an order ready before
// that was recorded counts from its promised date, marked "*": it could not be collected earlier.
class frmAvisos
{
public:
    enum Columna { ColArreglo, ColCliente, ColTelefono, ColDias, ColPendiente, ColLlamado };
    static constexpr int DiasPorDefecto = 15;

    Grid gridAvisos;
    QString lblViendo;
    QString cmdPlazoCaption;
    bool Abierto = false;
    int Dias = DiasPorDefecto;
    ArregloParaVenta ArregloACargar; // none: the list never sends an order to the sale screen

    static QString SqlAvisos(int dias);

    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    void Llenar();
    // Notes that the customer of the row was called today, by the user staff choose.
    void gridAvisos_DblClick(int fila);
    // Asks the number of days on the keypad and keeps it for the whole shop.
    void cmdPlazo_Click();
    void cmdImprimir_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
