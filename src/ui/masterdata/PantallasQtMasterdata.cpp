// The screens of the masterdata area that other screens open: customers, colours, the catalogue
// and a worker's card.
#include "ui/common/PantallasQt.h"

#include "masterdata/frmColores.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmNuevoColor.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "ui/masterdata/frmColoresVista.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmListaClientesVista.h"
#include "ui/masterdata/frmListadoProductosVista.h"
#include "ui/masterdata/frmMantProductosVista.h"
#include "ui/masterdata/frmNuevaFamiliaVista.h"
#include "ui/masterdata/frmNuevoColorVista.h"
#include "ui/masterdata/frmNuevoTrabajadorVista.h"

int PantallasQt::ListaClientes()
{
    // One list for the whole run: the chosen customer is kept between openings.
    static frmListaClientes lista;
    return lista.CargarFormulario(MostrarVista<frmListaClientesVista>(lista));
}

void PantallasQt::FichaCliente(const QString &telefono, int idcliente)
{
    Abrir<frmFIchaCliente, frmFIchaClienteVista>(telefono, idcliente);
}

QString PantallasQt::Colores()
{
    return Abrir<frmColores, frmColoresVista>();
}

void PantallasQt::NuevoColor()
{
    Abrir<frmNuevoColor, frmNuevoColorVista>();
}

void PantallasQt::NuevaFamilia(int idfamilia)
{
    Abrir<frmNuevaFamilia, frmNuevaFamiliaVista>(idfamilia);
}

void PantallasQt::MantProductos(int idproducto)
{
    Abrir<frmMantProductos, frmMantProductosVista>(idproducto);
}

void PantallasQt::ListadoProductos()
{
    Abrir<frmListadoProductos, frmListadoProductosVista>();
}

void PantallasQt::NuevoTrabajador(int idcosturera)
{
    Abrir<frmNuevoTrabajador, frmNuevoTrabajadorVista>(idcosturera);
}
