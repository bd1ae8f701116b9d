// frmPrincipal and the back office: the options menu, the hand-over, and the order either of
// them leaves for the sale screen.
#include "frmPrincipal.h"

#include "core/Pantallas.h"
#include "core/Programa.h"
#include "workshop/frmListaEntregar.h"

void frmPrincipal::cmdVerOpciones_Click()
{
    G().ArregloEnVenta = ArregloCargado ? IdArregloVenta : 0;
    try {
        if (G().pantallas)
            G().pantallas->Opciones();
    } catch (...) {
        G().ArregloEnVenta = 0;
        throw;
    }
    G().ArregloEnVenta = 0;
    CargarArregloACargar();
}

void frmPrincipal::cmdEntregaarreglos_Click()
{
    frmListaEntregar::PedirArregloYMostrar(QStringLiteral("No se ha encontrado el arreglo "));
    CargarArregloACargar();
}

void frmPrincipal::CargarArregloACargar()
{
    ValoresPrograma &g = G();
    const int idarreglo = g.ArregloACargar;
    if (idarreglo == 0)
        return;
    const bool entregar = g.ArregloACargarParaEntregar;
    // The slot is emptied first, so that a fault while loading cannot load the order twice.
    g.ArregloACargar = 0;
    g.ArregloACargarParaEntregar = false;
    ReiniciarVenta();
    CargarArreglo(idarreglo, entregar);
    // An order without lines leaves nothing on screen, and the next sale must not be a hand-over.
    g.EntregandoArreglo = entregar && IdArregloVenta == idarreglo;
}
