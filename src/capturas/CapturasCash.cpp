#include "capturas/CapturasCash.h"

#include "cash/RegistroOperaciones.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "cash/frmRegistroOperaciones.h"
#include "core/Consultas.h"
#include "printing/ImprimirListado.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmListaCierresVista.h"
#include "ui/cash/frmRegistroOperacionesVista.h"
#include "ui/printing/SalidaListadosImpresora.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasCash()
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

    // A few entries of the journal, as a week of the shop would leave them.
    AnotarOperacion(Operacion::PinPuesto, QString());
    AnotarOperacion(Operacion::DineroSacado, QStringLiteral("Retirado de caja"), 0, -50);
    AnotarOperacion(Operacion::PrecioCambiado, QString::fromUtf8("31.1 Bajo pantalón: 12.00 € → 10.00 €"), 31,
                    -2, QStringLiteral("Lucía"));
    AnotarOperacion(Operacion::LineaQuitada, QString::fromUtf8("28.2 Chaqueta, Cambiar cremallera, 15.00 €"),
                    28, 15, QStringLiteral("Marta"));
    AnotarOperacion(
        Operacion::ArregloAnulado,
        QString::fromUtf8("Cliente: Ana Gómez (600111222). Total: 18.00 €. Líneas: 27.1 Falda, Bajo "
                          "falda, 8.00 €; 27.2 Vestido, Meter costados, 10.00 €; Cobrado: nada."),
        27, 0);
    AnotarOperacion(Operacion::LineaPagada, QString::fromUtf8("Carmen: 25.1 Pantalón"), 25, 6);
    static frmRegistroOperaciones registro;
    registro.Llenar();
    v.emplace_back(QStringLiteral("frmRegistroOperaciones"),
                   std::make_unique<frmRegistroOperacionesVista>(registro));

    return v;
}
