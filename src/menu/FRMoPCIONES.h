#pragma once

#include <QString>
#include <functional>

class Pantallas;

// The back-office menu: three columns of large buttons, each opening a screen behind the counter
// or running a short action. It keeps nothing between openings. A screen that hands an order to
// the sale screen (modify, hand over) leaves it in G().ArregloACargar, and the menu then closes
// so that the sale screen can load it. With the owner's PIN set, the screens with the shop's money
// and data ask for it (menu/ClavePropietario); counter work never does.
class FRMoPCIONES
{
public:
    bool Abierto = false;
    // "Cerrar programa" confirmed: the connection is closed and the program must end at once.
    bool TerminarPrograma = false;

    // "Cierre de caja" exists but is not shown on the menu.
    bool cmdCierreCajaVisible = false;

    // Shows the menu through `mostrar` (modal) until a handler closes it.
    void CargarFormulario(const std::function<void()> &mostrar);
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla);

    // Arreglos
    void cmdAsignarArreglos_Click();
    void cmdPendientePorTrabajador_Click();
    void cmdEntregaTerminados_Click();
    void cmdModificarArreglo_Click();
    void cmdAnularArreglo_Click();
    void cmdPagosTrabajadores_Click();
    void cmdAtrasados_Click();
    void cmdCobrostiendas_Click();
    void Command1_Click();
    // Mantenimiento de datos
    void cmdNuevoArreglo_Click();
    void cmdTiposFamilias_Click();
    void Command4_Click();
    void cmdListaCleintes_Click();
    void cmdCopiaSeguridad_Click();
    void cmdImportarDatos_Click(); // only while the shop is empty
    // Cajas
    void cmdHojaVenta_Click();
    void cmdHistoricoCajas_Click();
    void cmdSacarDinero_Click();
    void cmdAbrirCajon_Click();
    void Command2_Click();
    void cmdConfig_Click();
    void cmdCierreCaja_Click();
    void cmdRegistroOperaciones_Click();
    void cmdsalir_Click() { salirformulario(); }

private:
    // Opens a screen and, when it handed an order to the sale screen, closes the menu.
    void Abrir(const std::function<void(Pantallas &)> &pantalla);
    void CerrarSiHayArregloACargar();
};
