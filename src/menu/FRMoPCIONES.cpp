#include "FRMoPCIONES.h"

#include "ClavePropietario.h"
#include "cash/Caja.h"
#include "cash/CierreCaja.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "intercambio/frmImportar.h"
#include "printing/CanalTickets.h"
#include "workshop/frmListaEntregar.h"

void FRMoPCIONES::CargarFormulario(const std::function<void()> &mostrar)
{
    Abierto = true;
    TerminarPrograma = false;
    if (mostrar)
        mostrar();
    Abierto = false;
    // The owner's PIN opens the back office until the menu is left.
    ClavePropietario::Salir();
}

void FRMoPCIONES::Form_KeyPress(int tecla)
{
    if (tecla == 27)
        salirformulario();
}

void FRMoPCIONES::Abrir(const std::function<void(Pantallas &)> &pantalla)
{
    if (G().pantallas)
        pantalla(*G().pantallas);
    CerrarSiHayArregloACargar();
}

void FRMoPCIONES::CerrarSiHayArregloACargar()
{
    if (G().ArregloACargar != 0)
        salirformulario();
}

void FRMoPCIONES::cmdAsignarArreglos_Click()
{
    Abrir([](Pantallas &p) { p.Asignacion(); });
}

void FRMoPCIONES::cmdPendientePorTrabajador_Click()
{
    Abrir([](Pantallas &p) { p.PendientesPorTrabajador(); });
}

void FRMoPCIONES::cmdEntregaTerminados_Click()
{
    frmListaEntregar::PedirArregloYMostrar(QStringLiteral("No se ha encontrado el arreglos "));
    CerrarSiHayArregloACargar();
}

void FRMoPCIONES::cmdModificarArreglo_Click()
{
    QString respuesta;
    qint64 id = 0;
    if (!PedirNumeroArreglo(QStringLiteral("Introduzca la referencia del arreglo a modificar"), respuesta,
                            id))
        return;
    if (!ExisteArreglo(id)) {
        Dlg().Mensaje(QStringLiteral("No se ha encontrado el arreglo ") + respuesta);
        return;
    }
    if (ArregloEntregado(id)
        && Dlg().MensajeSiNo(
               QString::fromUtf8("Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar?"))
               != Dialogos::Si)
        return;
    G().ArregloACargar = int(id);
    G().ArregloACargarParaEntregar = false;
    CerrarSiHayArregloACargar();
}

void FRMoPCIONES::cmdAnularArreglo_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    QString respuesta;
    qint64 id = 0;
    if (!PedirNumeroArreglo(QStringLiteral("Introduzca la referencia del arreglo a anular"), respuesta, id)
        || !ExisteArreglo(id))
        return;
    if (id == G().ArregloEnVenta) {
        Dlg().Mensaje(QString::fromUtf8("El arreglo ") + QString::number(id)
                      + QString::fromUtf8(" está abierto en la pantalla de venta. Termínelo o pulse "
                                          "\"Comenzar\" antes de anularlo."));
        return;
    }
    if (ArregloEntregado(id)
        && Dlg().MensajeSiNo(
               QString::fromUtf8("Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar"))
               != Dialogos::Si)
        return;
    if (Dlg().MensajeSiNo(
            QString::fromUtf8("¿Desea realmente anular este arreglo?\r\nNo podrá recuperar estos "
                              "datos\r\n¿Desea continuar?"))
        != Dialogos::Si)
        return;
    // Asked again: the order may have been handed over at another counter meanwhile.
    if (ArregloEntregado(id)) {
        Dlg().Mensaje(QStringLiteral("Ese arreglo no se puede anular, ya está entregado al cliente"));
        return;
    }
    BorrarArreglo(id);
}

void FRMoPCIONES::cmdPagosTrabajadores_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.PagosATrabajadores(); });
}

void FRMoPCIONES::cmdAtrasados_Click()
{
    Abrir([](Pantallas &p) { p.Atrasados(); });
}

void FRMoPCIONES::cmdCobrostiendas_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.PagosTiendas(); });
}

void FRMoPCIONES::Command1_Click()
{
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Desea realmente salir?")) != Dialogos::Si)
        return;
    if (G().conexion)
        G().conexion->Cerrar();
    G().conexion = nullptr;
    TerminarPrograma = true;
    salirformulario();
}

void FRMoPCIONES::cmdNuevoArreglo_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.DecProd(); });
}

void FRMoPCIONES::cmdTiposFamilias_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.Familias(); });
}

void FRMoPCIONES::Command4_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.ListaTrabajadores(); });
}

void FRMoPCIONES::cmdListaCleintes_Click()
{
    Abrir([](Pantallas &p) { p.ListaClientes(); });
}

void FRMoPCIONES::cmdCopiaSeguridad_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.CopiaSeguridad(); });
}

void FRMoPCIONES::cmdImportarDatos_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    if (!frmImportar::TiendaVacia()) {
        Dlg().Mensaje(QString::fromUtf8("Los datos del programa anterior solo se traen a una tienda vacía: "
                                        "esta ya tiene arreglos o clientes."));
        return;
    }
    Abrir([](Pantallas &p) { p.ImportarDatos(); });
}

void FRMoPCIONES::cmdHojaVenta_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.HojaVenta(); });
}

void FRMoPCIONES::cmdHistoricoCajas_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.ListaCierres(); });
}

void FRMoPCIONES::cmdSacarDinero_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    ::cmdSacarDinero_Click();
}

void FRMoPCIONES::cmdAbrirCajon_Click()
{
    AbrirCajon();
}

void FRMoPCIONES::Command2_Click()
{
    Abrir([](Pantallas &p) { p.Calculadora(); });
}

void FRMoPCIONES::cmdConfig_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.ParametrosGenerales(); });
}

void FRMoPCIONES::cmdRegistroOperaciones_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    Abrir([](Pantallas &p) { p.RegistroOperaciones(); });
}

void FRMoPCIONES::cmdCierreCaja_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    // A closed cash ends the program; the menu must not touch the database after it.
    if (::cmdCierreCaja_Click())
        salirformulario();
}
