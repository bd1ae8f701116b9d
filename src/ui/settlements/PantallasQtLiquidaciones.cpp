#include "ui/common/PantallasQt.h"

#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/settlements/frmPagosATrabajadoresVista.h"
#include "ui/settlements/frmPagosTiendasVista.h"

void PantallasQt::PagosATrabajadores()
{
    Abrir<frmPagosATrabajadores, frmPagosATrabajadoresVista>();
}

void PantallasQt::PagosTiendas()
{
    Abrir<frmPagosTiendas, frmPagosTiendasVista>();
}
