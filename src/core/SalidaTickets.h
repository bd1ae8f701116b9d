#pragma once

#include <QByteArray>

// Where ticket lines go: the receipt printer on its serial port, the on-screen preview, or a
// test's buffer. The cut and the drawer pulse are bytes on the same channel.
class SalidaTickets
{
public:
    virtual ~SalidaTickets() = default;
    // Sends the bytes of one ticket line as one unit. A line that cannot be sent is lost
    // without a word: printing never stops the counter.
    virtual void Enviar(const QByteArray &bytes) = 0;
};
