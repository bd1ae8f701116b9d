#include "ui/common/PantallasQt.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "cash/frmRegistroOperaciones.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Programa.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmListaCierresVista.h"
#include "ui/cash/frmRegistroOperacionesVista.h"
#include "ui/workshop/frmAtrasadosVista.h"
#include "ui/workshop/frmPendientesPorTrabajadorVista.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QApplication>

void PantallasQt::HojaVenta()
{
    HojaVentaDeCaja(DimeUltimoCierre());
}

void PantallasQt::HojaVentaDeCaja(const QString &nombrecierre)
{
    Abrir<frmHojaVenta, frmHojaVentaVista>(nombrecierre);
}

void PantallasQt::ListaCierres()
{
    Abrir<frmListaCierres, frmListaCierresVista>();
}

void PantallasQt::RegistroOperaciones()
{
    Abrir<frmRegistroOperaciones, frmRegistroOperacionesVista>();
}

void PantallasQt::PendientesPorTrabajador()
{
    Abrir<frmPendientesPorTrabajador, frmPendientesPorTrabajadorVista>();
}

void PantallasQt::Atrasados()
{
    Abrir<frmAtrasados, frmAtrasadosVista>();
}

void PantallasQt::TerminarPrograma()
{
    if (G().conexion)
        G().conexion->Cerrar();
    // Leaves every open window's loop, the options menu's included.
    QApplication::exit(0);
}
