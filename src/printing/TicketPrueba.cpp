#include "TicketPrueba.h"

#include "CanalTickets.h"
#include "TicketsArreglo.h"

void ImprimirTicketPrueba()
{
    ImprimirCabeceraTicket();
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("TICKET DE PRUEBA"), 1), 1, 1, 0, 0, 0);
    ImprimirLineaTicket(QString::fromUtf8("áéíóú ÁÉÍÓÚ àèìòù ü Ü ñ Ñ"), 1, 0, 0, 0, 0);
    ImprimirLineaTicket(QString::fromUtf8("0123456789 .,:-/() Ç ç ¿? ¡!"), 1, 0, 0, 0, 0);
    ImprimirCodigoBarras(1234, QStringLiteral("1234.1"));
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("1234.1"), 1), 1, 0, 0, 0, 0);
    CortarTicket();
}
