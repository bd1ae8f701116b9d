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

#include <QApplication>

void PantallasQt::DecProd()
{
    frmDecProd f;
    f.CargarFormulario([&f] {
        frmDecProdVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::Familias()
{
    frmFamilias f;
    f.CargarFormulario([&f] {
        frmFamiliasVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::NuevaFamilia(int idfamilia)
{
    frmNuevaFamilia f;
    f.CargarFormulario(idfamilia, [&f] {
        frmNuevaFamiliaVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::MantProductos(int idproducto)
{
    frmMantProductos f;
    f.CargarFormulario(idproducto, [&f] {
        frmMantProductosVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::ListadoProductos()
{
    frmListadoProductos f;
    f.CargarFormulario([&f] {
        frmListadoProductosVista vista(f, QApplication::activeWindow());
        vista.exec();
    });
}
