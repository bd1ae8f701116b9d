#pragma once

#include "core/SalidaTickets.h"

#include <QString>
#include <memory>

// Where the ticket printer is, read from the two stored parameters. The settings text decides
// first: a text that begins with "/" is a device written as a file (/dev/usb/lp0), one that
// begins with "tcp://" a network printer (tcp://192.168.1.50:9100, port 9100 when left out).
// Otherwise puertocom n from 1 up is serial port COMn with those settings, and 0 (or empty)
// the on-screen ticket preview.
struct DireccionImpresora {
    enum Tipo { Pantalla, Serie, Dispositivo, Red };
    Tipo tipo = Pantalla;
    int puerto = 0;  // COMn, or the TCP port
    QString ajustes; // serial settings
    QString ruta;    // device
    QString host;

    static DireccionImpresora Leer(const QString &puertocom, const QString &parametrospuerto);
    // "tcp://HOST[:PORT]", or HOST[:PORT] alone; false when there is no host or the port is not
    // a TCP port.
    static bool LeerRed(const QString &texto, QString &host, int &puerto);
    // In the shop's words, for the test ticket's report: "puerto serie COM1, /dev/ttyS0 a 9600,n,8,1".
    QString Descripcion() const;
};

inline constexpr int PuertoImpresoraRed = 9100;

// The output for a printer; nothing for the on-screen preview, which the program draws itself.
std::unique_ptr<SalidaTickets> CrearSalidaImpresora(const DireccionImpresora &direccion);
