#include "SalidaArchivo.h"

#include "EscrituraLimitada.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

SalidaArchivo::SalidaArchivo(const QString &ruta) : ruta_(QFile::encodeName(ruta)) {}

void SalidaArchivo::Enviar(const QByteArray &bytes)
{
    const QDeadlineTimer limite(LimiteLineaMs);
    // Never created here: a device that is not there loses the line. Non-blocking, so that a
    // printer without paper or a stuck driver cannot hold the counter.
    const int fd = ::open(ruta_.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        Anotar(false, 0);
        return;
    }
    const bool enviada = EscribirAntesDe(fd, bytes, limite) && EsperarEscrito(fd, limite);
    ::close(fd);
    Anotar(enviada, bytes.size());
}
