#include "SalidaTicketsPantalla.h"

#include "VentanaTicket.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/SalidaMemoria.h"
#include "printing/SalidaSerie.h"

#include <QPointer>

std::unique_ptr<SalidaTickets> CrearSalidaTickets(QWidget *padre)
{
    const int puerto = int(Val(G().puertocom));
    if (puerto > 0)
        return std::make_unique<SalidaSerie>(puerto, G().parametrospuerto);
    auto vistaPrevia = std::make_unique<SalidaMemoria>();
    QPointer<QWidget> ventana(padre);
    vistaPrevia->AlCortar = [ventana](const QByteArray &ticket) {
        VentanaTicket v(ticket, G().AnchuraTicket, ventana);
        v.exec();
    };
    return vistaPrevia;
}
