// The screens of the workshop area that other screens open: the barcode screens, a garment's
// detail, the garments of an order and a customer's orders.
#include "ui/common/PantallasQt.h"

#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/PrendasArregloVista.h"
#include "ui/workshop/frmDetalleReferenciaVista.h"
#include "ui/workshop/frmListaArreglosClienteVista.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

void PantallasQt::AsignarBarras()
{
    frmAsignarBArras barras;
    barras.CargarFormulario(MostrarVista<PantallaBarrasVista>(barras, &barras));
}

void PantallasQt::EntradaBarras()
{
    frmEntradaPrendasBarras barras;
    barras.CargarFormulario(MostrarVista<PantallaBarrasVista>(barras, nullptr));
}

void PantallasQt::DetalleReferencia(const QString &referencia)
{
    Abrir<frmDetalleReferencia, frmDetalleReferenciaVista>(referencia);
}

ArregloParaVenta PantallasQt::ListaEntregar(int idarreglo)
{
    frmListaEntregar lista;
    lista.CargarFormulario(idarreglo, MostrarVista<PrendasArregloVista>(lista, &lista));
    return lista.ArregloACargar;
}

void PantallasQt::ListaPrendas(int idarreglo)
{
    frmLista lista;
    lista.CargarFormulario(idarreglo, MostrarVista<PrendasArregloVista>(lista, nullptr));
}

void PantallasQt::ArreglosCliente(int idcliente)
{
    Abrir<frmListaArreglosCliente, frmListaArreglosClienteVista>(idcliente);
}
