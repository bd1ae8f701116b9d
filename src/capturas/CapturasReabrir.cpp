#include "capturas/CapturasReabrir.h"

#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketMerceria.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/printing/VistaPreviaTicket.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasReabrir()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    PantallasQt pantallas;
    Pantallas *pantallasAntes = G().pantallas;
    G().pantallas = &pantallas;

    // Demo order 4: two garments, 5.00 paid on account when it was taken in.
    static frmPrincipal cambio;
    cambio.lblVersion = QStringLiteral("Versión de muestra");
    cambio.ReiniciarVenta();
    cambio.CargarArreglo(4, false);
    v.emplace_back(QStringLiteral("frmPrincipal_reabierto"), std::make_unique<frmPrincipalVista>(cambio));

    static frmPrincipal entrega;
    entrega.lblVersion = cambio.lblVersion;
    entrega.ReiniciarVenta();
    entrega.CargarArreglo(4, true);
    entrega.txtEntregado = QStringLiteral("20.00");
    entrega.CalcularCifrasTPV();
    v.emplace_back(QStringLiteral("frmPrincipal_entrega"), std::make_unique<frmPrincipalVista>(entrega));

    SalidaMemoria impresora;
    SalidaTickets *salidaAntes = G().salidaTickets;
    G().salidaTickets = &impresora;
    ImprimirTicketMerceria(3.5);
    G().salidaTickets = salidaAntes;
    auto ticket = std::make_unique<VistaPreviaTicket>();
    ticket->MostrarTicket(impresora.Bytes(), G().AnchuraTicket);
    v.emplace_back(QStringLiteral("ticketMerceria"), std::move(ticket));

    G().pantallas = pantallasAntes;
    return v;
}
