#include "ui/common/PantallasQt.h"

#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/settlements/frmPagosATrabajadoresVista.h"
#include "ui/settlements/frmPagosTiendasVista.h"

#include <QApplication>

void PantallasQt::PagosATrabajadores()
{
    frmPagosATrabajadores f;
    f.CargarFormulario([&f] {
        frmPagosATrabajadoresVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::PagosTiendas()
{
    frmPagosTiendas f;
    f.CargarFormulario([&f] {
        frmPagosTiendasVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}
