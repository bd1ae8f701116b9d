#pragma once

#include "core/SalidaTickets.h"

#include <QString>

// A receipt printer reached as a character device written like a file: the kernel's USB
// printer device (/dev/usb/lp0) or a parallel port. The device is opened for every line, so
// a printer unplugged in the middle of a ticket costs the lines sent while it was away.
class SalidaArchivo : public SalidaTickets
{
public:
    explicit SalidaArchivo(const QString &ruta);
    void Enviar(const QByteArray &bytes) override;

private:
    QByteArray ruta_;
};
