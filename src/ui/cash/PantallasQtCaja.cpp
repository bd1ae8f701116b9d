#include "ui/common/PantallasQt.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "cash/frmRegistroOperaciones.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Programa.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmRegistroOperacionesVista.h"
#include "ui/workshop/frmSeguimientoVista.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QApplication>

void PantallasQt::HojaVenta()
{
    HojaVentaDeCaja(DimeUltimoCierre());
}

void PantallasQt::HojaVentaDeCaja(const QString &nombrecierre)
{
    frmHojaVenta hoja;
    hoja.CargarFormulario(nombrecierre, [&hoja] {
        frmHojaVentaVista vista(hoja, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::ListaCierres()
{
    frmListaCierres lista;
    lista.CargarFormulario([&lista] {
        frmListaCierresVista vista(lista, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::RegistroOperaciones()
{
    frmRegistroOperaciones registro;
    registro.CargarFormulario([&registro] {
        frmRegistroOperacionesVista vista(registro, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::PendientesPorTrabajador()
{
    frmPendientesPorTrabajador pendientes;
    pendientes.CargarFormulario([&pendientes] {
        frmPendientesPorTrabajadorVista vista(pendientes, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::Atrasados()
{
    frmAtrasados atrasados;
    atrasados.CargarFormulario([&atrasados] {
        frmAtrasadosVista vista(atrasados, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::TerminarPrograma()
{
    if (G().conexion)
        G().conexion->Cerrar();
    // Leaves every open window's loop, the options menu's included.
    QApplication::exit(0);
}
