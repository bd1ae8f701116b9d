#include "ui/printing/SalidaTicketsPantalla.h"

#include "core/Programa.h"
#include "printing/DireccionImpresora.h"
#include "printing/SalidaMemoria.h"
#include "ui/printing/VentanaTicket.h"

#include <QPointer>

std::unique_ptr<SalidaTickets> CrearSalidaTickets(QWidget *padre)
{
    if (auto impresora = CrearSalidaImpresora(DireccionImpresora::Leer(G().puertocom, G().parametrospuerto)))
        return impresora;
    auto vistaPrevia = std::make_unique<SalidaMemoria>();
    QPointer<QWidget> ventana(padre);
    vistaPrevia->AlCortar = [ventana](const QByteArray &ticket) {
        VentanaTicket v(ticket, G().AnchuraTicket, ventana);
        v.exec();
    };
    return vistaPrevia;
}
