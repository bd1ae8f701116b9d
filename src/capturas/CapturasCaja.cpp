#include "capturas/CapturasCaja.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Consultas.h"
#include "printing/ImprimirListado.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmListaCierresVista.h"
#include "ui/printing/SalidaListadosImpresora.h"
#include "ui/workshop/frmAtrasadosVista.h"
#include "ui/workshop/frmPendientesPorTrabajadorVista.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasCaja()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    // The demo's newest cash day: handovers paid in cash and by card, and a withdrawal.
    static frmListaCierres cierres;
    cierres.Llenar();
    static frmHojaVenta hoja;
    hoja.Llenar(DimeUltimoCierre());
    v.emplace_back(QStringLiteral("frmHojaVenta"), std::make_unique<frmHojaVentaVista>(hoja));
    v.emplace_back(QStringLiteral("VistaPreviaListado"),
                   std::make_unique<VistaPreviaListado>(PaginarListado(
                       hoja.gridHojaVenta, QStringLiteral("Hoja de venta"), false, QDate::currentDate())));
    v.emplace_back(QStringLiteral("frmListaCierres"), std::make_unique<frmListaCierresVista>(cierres));

    static frmPendientesPorTrabajador pendientes;
    pendientes.CargarFormulario({});
    pendientes.cmdAceptar_Click();
    v.emplace_back(QStringLiteral("frmPendientesPorTrabajador"),
                   std::make_unique<frmPendientesPorTrabajadorVista>(pendientes));

    static frmAtrasados atrasados;
    atrasados.CargarFormulario({});
    atrasados.cmbMeses.Elegir(0);
    atrasados.cmdVer_Click();
    v.emplace_back(QStringLiteral("frmAtrasados"), std::make_unique<frmAtrasadosVista>(atrasados));
    return v;
}
