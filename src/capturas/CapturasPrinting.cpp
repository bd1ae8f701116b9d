#include "capturas/CapturasPrinting.h"

#include "core/Programa.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"
#include "ui/printing/VentanaTicket.h"
#include "ui/printing/VistaPreviaTicket.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasPrinting()
{
    // Demo order 4 has two garments and a deposit: every part of both tickets shows.
    const qint64 idarreglo = 4;
    SalidaMemoria impresora;
    SalidaTickets *antes = G().salidaTickets;
    G().salidaTickets = &impresora;
    ImprimirArreglo(idarreglo);
    ImprimirTicketPrenda(QStringLiteral("4.1"));
    G().salidaTickets = antes;

    // Each ticket whole, as it comes out of the printer, and the window the counter sees.
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> ventanas;
    const QList<QByteArray> tickets = impresora.Tickets();
    const QStringList nombres = {QStringLiteral("ticketCliente"), QStringLiteral("ticketPrenda")};
    for (int i = 0; i < tickets.size() && i < nombres.size(); ++i) {
        auto vista = std::make_unique<VistaPreviaTicket>();
        vista->MostrarTicket(tickets[i], G().AnchuraTicket);
        ventanas.emplace_back(nombres[i], std::move(vista));
    }
    if (!tickets.isEmpty())
        ventanas.emplace_back(QStringLiteral("VentanaTicket"),
                              std::make_unique<VentanaTicket>(tickets.first(), G().AnchuraTicket));
    return ventanas;
}
