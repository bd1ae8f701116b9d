#include "ui/common/PantallasQt.h"

#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "ui/workshop/frmDetalleReferenciaVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"

#include <QApplication>

void PantallasQt::Asignacion()
{
    frmAsigancion asignacion;
    asignacion.CargarFormulario([&asignacion] {
        frmAsigancionVista vista(asignacion, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::AsignarBarras()
{
    frmAsignarBArras barras;
    barras.CargarFormulario([&barras] {
        PantallaBarrasVista vista(barras, &barras, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::EntradaBarras()
{
    frmEntradaPrendasBarras barras;
    barras.CargarFormulario([&barras] {
        PantallaBarrasVista vista(barras, nullptr, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::DetalleReferencia(const QString &referencia)
{
    frmDetalleReferencia detalle;
    detalle.CargarFormulario(referencia, [&detalle] {
        frmDetalleReferenciaVista vista(detalle, QApplication::activeWindow());
        vista.exec();
    });
}
