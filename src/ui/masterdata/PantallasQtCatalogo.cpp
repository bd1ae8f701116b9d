#include "ui/common/PantallasQt.h"

#include "masterdata/frmDecProd.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "ui/masterdata/frmDecProdVista.h"
#include "ui/masterdata/frmFamiliasVista.h"
#include "ui/masterdata/frmListadoProductosVista.h"
#include "ui/masterdata/frmMantProductosVista.h"
#include "ui/masterdata/frmNuevaFamiliaVista.h"

void PantallasQt::DecProd()
{
    Abrir<frmDecProd, frmDecProdVista>();
}

void PantallasQt::Familias()
{
    Abrir<frmFamilias, frmFamiliasVista>();
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
