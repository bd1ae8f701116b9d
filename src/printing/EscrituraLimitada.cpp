#include "EscrituraLimitada.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool EsperarSalida(int fd, const QDeadlineTimer &limite)
{
    pollfd p{fd, POLLOUT, 0};
    int r;
    do
        r = ::poll(&p, 1, int(qMax<qint64>(0, limite.remainingTime())));
    while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & POLLOUT) && !(p.revents & (POLLERR | POLLHUP | POLLNVAL));
}

ssize_t Escribir(int fd, const char *datos, size_t cuantos)
{
    struct stat s;
    // A socket whose peer went away must not kill the program with SIGPIPE.
    if (::fstat(fd, &s) == 0 && S_ISSOCK(s.st_mode))
        return ::send(fd, datos, cuantos, MSG_NOSIGNAL);
    return ::write(fd, datos, cuantos);
}

} // namespace

bool EscribirAntesDe(int fd, const QByteArray &bytes, const QDeadlineTimer &limite)
{
    qsizetype hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = Escribir(fd, bytes.constData() + hecho, size_t(bytes.size() - hecho));
        if (n > 0) {
            hecho += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        if (limite.hasExpired() || !EsperarSalida(fd, limite))
            return false;
    }
    return true;
}

bool EsperarEscrito(int fd, const QDeadlineTimer &limite)
{
    return EsperarSalida(fd, limite);
}
