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

ArregloParaVenta FRMoPCIONES::CargarFormulario(const std::function<void()> &mostrar)
{
    Abierto = true;
    TerminarPrograma = false;
    ArregloACargar = {};
    if (mostrar)
        mostrar();
    Abierto = false;
    // The owner's PIN opens the back office until the menu is left.
    ClavePropietario::Salir();
    return ArregloACargar;
}

void FRMoPCIONES::Form_KeyPress(int tecla)
{
    if (tecla == 27)
        salirformulario();
}

void FRMoPCIONES::Pulsar(bool clave, const std::function<ArregloParaVenta()> &abrir)
{
    if (clave && !ClavePropietario::Pedir())
        return;
    CargarEnVenta(abrir());
}

void FRMoPCIONES::CargarEnVenta(const ArregloParaVenta &arreglo)
{
    if (arreglo.idarreglo == 0)
        return;
    ArregloACargar = arreglo;
    salirformulario();
}

void FRMoPCIONES::cmdEntregaTerminados_Click()
{
    CargarEnVenta(frmListaEntregar::PedirArregloYMostrar(QStringLiteral("No se ha encontrado el arreglos ")));
}

void FRMoPCIONES::cmdModificarArreglo_Click()
{
    QString respuesta;
    qint64 id = 0;
    if (!PedirNumeroArreglo(QStringLiteral("Introduzca la referencia del arreglo a modificar"), respuesta,
                            id))
        return;
    const EntregaArreglo entrega = DimeEntregaArreglo(id);
    if (entrega == EntregaArreglo::NoExiste) {
        Dlg().Mensaje(QStringLiteral("No se ha encontrado el arreglo ") + respuesta);
        return;
    }
    if (entrega == EntregaArreglo::Entregado
        && Dlg().MensajeSiNo(
               QString::fromUtf8("Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar?"))
               != Dialogos::Si)
        return;
    CargarEnVenta({int(id)});
}

void FRMoPCIONES::cmdAnularArreglo_Click()
{
    QString respuesta;
    qint64 id = 0;
    if (!PedirNumeroArreglo(QStringLiteral("Introduzca la referencia del arreglo a anular"), respuesta, id))
        return;
    const EntregaArreglo entrega = DimeEntregaArreglo(id);
    if (entrega == EntregaArreglo::NoExiste)
        return;
    if (id == ArregloEnVenta) {
        Dlg().Mensaje(QString::fromUtf8("El arreglo ") + QString::number(id)
                      + QString::fromUtf8(" está abierto en la pantalla de venta. Termínelo o pulse "
                                          "\"Comenzar\" antes de anularlo."));
        return;
    }
    if (entrega == EntregaArreglo::Entregado
        && Dlg().MensajeSiNo(
               QString::fromUtf8("Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar"))
               != Dialogos::Si)
        return;
    if (Dlg().MensajeSiNo(
            QString::fromUtf8("¿Desea realmente anular este arreglo?\r\nNo podrá recuperar estos "
                              "datos\r\n¿Desea continuar?"))
        != Dialogos::Si)
        return;
    // Looked at again as it is annulled: the order may have been handed over at another counter
    // meanwhile.
    if (!BorrarArreglo(id, false))
        Dlg().Mensaje(QStringLiteral("Ese arreglo no se puede anular, ya está entregado al cliente"));
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

// The owner's PIN is asked first, as the menu's row says.
void FRMoPCIONES::cmdImportarDatos_Click()
{
    if (!frmImportar::TiendaVacia()) {
        Dlg().Mensaje(QString::fromUtf8("Los datos del programa anterior solo se traen a una tienda vacía: "
                                        "esta ya tiene arreglos o clientes."));
        return;
    }
    if (G().pantallas)
        G().pantallas->ImportarDatos();
}

void FRMoPCIONES::cmdSacarDinero_Click()
{
    ::cmdSacarDinero_Click();
}

void FRMoPCIONES::cmdAbrirCajon_Click()
{
    AbrirCajon();
}

void FRMoPCIONES::cmdCierreCaja_Click()
{
    if (!ClavePropietario::Pedir())
        return;
    // A closed cash ends the program; the menu must not touch the database after it.
    if (::cmdCierreCaja_Click())
        salirformulario();
}
