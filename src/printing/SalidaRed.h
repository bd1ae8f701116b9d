#pragma once

#include "core/SalidaTickets.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QString>
#include <sys/socket.h>

// A network receipt printer taking raw ESC/POS on a TCP port (9100 on most). The connection is
// opened at the first line of a ticket and closed after its cut, so a ticket costs one connect.
// A printer that refuses or does not answer is not asked again until the next ticket (or for a
// few seconds): a dead printer costs one short wait per ticket, not one per line.
class SalidaRed : public SalidaTickets
{
public:
    SalidaRed(const QString &host, quint16 puerto);
    ~SalidaRed() override;
    SalidaRed(const SalidaRed &) = delete;
    SalidaRed &operator=(const SalidaRed &) = delete;

    void Enviar(const QByteArray &bytes) override;

    static constexpr int EsperaConexionMs = 500;

private:
    bool Conectar(const QDeadlineTimer &limite);
    bool Resolver();
    bool SigueAbierta() const;
    // Closes after the printer's TCP stack has taken every byte; false when it had not in time.
    bool Terminar(const QDeadlineTimer &limite);
    void Cerrar();

    QByteArray host_;
    quint16 puerto_;
    sockaddr_storage direccion_{};
    socklen_t largoDireccion_ = 0;
    int fd_ = -1;
    bool caida_ = false;
    QElapsedTimer desdeCaida_;
};
