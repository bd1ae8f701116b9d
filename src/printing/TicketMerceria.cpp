#include "TicketMerceria.h"

#include "CanalTickets.h"
#include "core/Consultas.h"
#include "core/Formato.h"

#include <QString>

namespace {

void Normal(const QString &texto)
{
    ImprimirLineaTicket(texto, 1, 0, 0, 0, 0);
}

} // namespace

void ImprimirTicketMerceria(double importe)
{
    ImprimirCabeceraTicket();
    Normal(QString());
    Normal(QStringLiteral("Venta productos merceria: "));
    ImprimirLineaTicket(AlinearTexto(QStringLiteral("Importe: ") + FormatoImporte(importe), 2), 0, 0, 1, 0,
                        0);
    Normal(QString());
    Normal(QString());
    Normal(QStringLiteral("Fecha: ") + DimeFechaServidor());
    ImprimirPieTicket();
}
