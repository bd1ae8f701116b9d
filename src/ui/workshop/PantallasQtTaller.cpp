#include "ui/common/PantallasQt.h"

#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "ui/workshop/frmDetalleReferenciaVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"

void PantallasQt::Asignacion()
{
    Abrir<frmAsigancion, frmAsigancionVista>();
}

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
