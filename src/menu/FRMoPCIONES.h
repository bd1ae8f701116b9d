#pragma once

#include "core/Pantallas.h"

#include <QString>
#include <functional>

// The back-office menu: three columns of large buttons, each opening a screen behind the counter
// or running a short action. Its buttons, which of them need the owner's PIN and what each opens
// are the registry of screens (ui/menu/RegistroPantallas); every press goes through Pulsar, the
// one PIN guard. A screen or action that hands an order to the sale screen (modify, hand over)
// closes the menu, which gives the order back to the sale screen. It keeps nothing between openings.
class FRMoPCIONES
{
public:
    bool Abierto = false;
    // "Cerrar programa" confirmed: the connection is closed and the program must end at once.
    bool TerminarPrograma = false;
    // The stored order open on the sale screen that opened the menu (0: none): not to be annulled
    // from under it.
    int ArregloEnVenta = 0;
    // The order to load on the sale screen when the menu closes (0: none).
    ArregloParaVenta ArregloACargar;

    // "Cierre de caja" exists but is not shown on the menu.
    bool cmdCierreCajaVisible = false;

    // Shows the menu through `mostrar` (modal) until a handler closes it; gives back the order for
    // the sale screen.
    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla);

    // A menu button: with `clave`, only after the owner's PIN; then `abrir` opens its screen or
    // runs its action, and an order it gives back closes the menu for the sale screen.
    void Pulsar(bool clave, const std::function<ArregloParaVenta()> &abrir);

    // The menu's actions that are no screen of their own.
    void cmdEntregaTerminados_Click();
    void cmdModificarArreglo_Click();
    void cmdAnularArreglo_Click();
    void Command1_Click();
    void cmdImportarDatos_Click(); // only while the shop is empty
    void cmdSacarDinero_Click();
    void cmdAbrirCajon_Click();
    void cmdCierreCaja_Click();
    void cmdsalir_Click() { salirformulario(); }

private:
    void CargarEnVenta(const ArregloParaVenta &arreglo);
};
