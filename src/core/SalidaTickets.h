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

    // What the printer took and what was lost since this output was made: the test ticket
    // tells the shop whether its new printer works.
    qint64 BytesAceptados() const { return aceptados_; }
    int LineasPerdidas() const { return perdidas_; }

protected:
    void Anotar(bool aceptada, qsizetype bytes)
    {
        if (aceptada)
            aceptados_ += bytes;
        else
            ++perdidas_;
    }

private:
    qint64 aceptados_ = 0;
    int perdidas_ = 0;
};
