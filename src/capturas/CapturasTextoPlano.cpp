#include "capturas/CapturasTextoPlano.h"

#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "demo/DatosCapturas.h"
#include "dialogs/frmMensajeSiNo.h"
#include "dialogs/frmPadNumerico.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/MensajeVista.h"
#include "ui/dialogs/frmPadNumericoVista.h"
#include "ui/masterdata/frmColoresVista.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmListaClientesVista.h"
#include "ui/printing/VentanaTicket.h"

namespace {

const QString Cliente = QStringLiteral("<b>Ana</b> & Tom &amp; <script>alert(1)</script>");
const QString ColorConMarcas = QStringLiteral("<font color=red>Rojo</font> &amp;");
const QString Familia = QStringLiteral("<i>Abrigo</i> & <u>largo</u>");
const QString Telefono = QStringLiteral("600999888");

class PantallasMarcadas : public PantallasQt
{
public:
    QString Colores() override { return ColorConMarcas; }
};

} // namespace

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasTextoPlano()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    const int idcliente = SembrarNombres(Cliente, Telefono, ColorConMarcas, Familia);

    PantallasMarcadas pantallas;
    Pantallas *pantallasAntes = G().pantallas;
    G().pantallas = &pantallas;
    static frmPrincipal venta;
    venta.ReiniciarVenta();
    venta.BuscarClienteTel(Telefono);
    for (int f = 1; f < venta.gridFamilias.Rows(); ++f)
        if (venta.gridFamilias.TextMatrix(f, 1) == Familia)
            venta.gridFamilias.Row = f;
    venta.gridFamilias_Click();
    venta.gridProductos.Row = 1;
    venta.gridProductos_Click();
    venta.gridTPV.Row = 1;
    venta.gridTPV.Col = frmPrincipal::ColNombre;
    venta.gridTPV_Click();
    v.emplace_back(QStringLiteral("marcas_frmPrincipal"), std::make_unique<frmPrincipalVista>(venta));
    G().pantallas = pantallasAntes;

    static frmListaClientes lista;
    lista.CargarFormulario({});
    lista.txtNombre = QStringLiteral("<");
    lista.cmdBuscar_Click();
    auto vistaLista = std::make_unique<frmListaClientesVista>(lista);
    vistaLista->resize(1024, 768);
    v.emplace_back(QStringLiteral("marcas_frmListaClientes"), std::move(vistaLista));

    static frmFIchaCliente ficha;
    ficha.CargarFormulario(QString(), idcliente, {});
    v.emplace_back(QStringLiteral("marcas_frmFIchaCliente"), std::make_unique<frmFIchaClienteVista>(ficha));

    static frmColores colores;
    colores.CargarFormulario({});
    v.emplace_back(QStringLiteral("marcas_frmColores"), std::make_unique<frmColoresVista>(colores));

    static frmMensajeSiNo pregunta;
    pregunta.lblMensaje = QString::fromUtf8("¿Borrar el cliente ") + Cliente + QStringLiteral("?");
    auto vistaPregunta = std::make_unique<MensajeVista>(pregunta);
    vistaPregunta->Repintar();
    v.emplace_back(QStringLiteral("marcas_frmMensajeSiNo"), std::move(vistaPregunta));

    const qint64 idarreglo = SembrarArreglo(idcliente, Familia + QLatin1Char(' ') + ColorConMarcas);
    SalidaMemoria impresora;
    SalidaTickets *salidaAntes = G().salidaTickets;
    G().salidaTickets = &impresora;
    ImprimirArreglo(idarreglo);
    G().salidaTickets = salidaAntes;
    v.emplace_back(QStringLiteral("marcas_ticket"),
                   std::make_unique<VentanaTicket>(impresora.Bytes(), G().AnchuraTicket));

    // Fifty digits typed on each keypad: the display keeps what fits, the window its size.
    for (const bool telefono : {false, true}) {
        static frmPadNumerico pads[2];
        frmPadNumerico &pad = pads[telefono ? 1 : 0];
        pad.letraGrande = telefono;
        pad.lblTitulo = telefono ? QString::fromUtf8("Introduzca el teléfono del cliente")
                                 : QStringLiteral("Introduzca la cantidad");
        for (int i = 0; i < 50; ++i)
            pad.n_Click(9 - i % 10);
        auto vista = std::make_unique<frmPadNumericoVista>(pad);
        vista->Repintar();
        v.emplace_back(telefono ? QStringLiteral("frmPadNumerico_telefono_50")
                                : QStringLiteral("frmPadNumerico_50"),
                       std::move(vista));
    }
    return v;
}
