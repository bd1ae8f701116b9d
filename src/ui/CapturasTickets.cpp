#include "CapturasTickets.h"

#include "VentanaTicket.h"
#include "core/Programa.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasTickets()
{
    // Demo order 4 has two garments and a deposit: every part of both tickets shows.
    const qint64 idarreglo = 4;
    SalidaMemoria impresora;
    SalidaTickets *antes = G().salidaTickets;
    G().salidaTickets = &impresora;
    ImprimirArreglo(idarreglo);
    ImprimirTicketPrenda(QStringLiteral("4.1"));
    G().salidaTickets = antes;

    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> ventanas;
    const QList<QByteArray> tickets = impresora.Tickets();
    const QStringList nombres = {QStringLiteral("ticketCliente"), QStringLiteral("ticketPrenda")};
    for (int i = 0; i < tickets.size() && i < nombres.size(); ++i)
        ventanas.emplace_back(nombres[i], std::make_unique<VentanaTicket>(tickets[i], G().AnchuraTicket));
    return ventanas;
}
