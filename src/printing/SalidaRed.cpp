#include "SalidaRed.h"

#include "EscrituraLimitada.h"

#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The paper cut (ESC i) and the drawer pulse (ESC p) end what the printer is sent at one go.
bool TerminaTicket(const QByteArray &bytes)
{
    return bytes.startsWith("\x1bi") || bytes.startsWith("\x1bp");
}

const qint64 SilencioTrasCaidaMs = 10000;

} // namespace

SalidaRed::SalidaRed(const QString &host, quint16 puerto) : host_(host.toUtf8()), puerto_(puerto) {}

SalidaRed::~SalidaRed()
{
    Cerrar();
}

bool SalidaRed::Resolver()
{
    if (largoDireccion_ > 0)
        return true;
    addrinfo pista{};
    pista.ai_family = AF_UNSPEC;
    pista.ai_socktype = SOCK_STREAM;
    addrinfo *lista = nullptr;
    const QByteArray servicio = QByteArray::number(puerto_);
    // Numeric addresses first: a printer named by address never waits for a name server.
    pista.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    if (::getaddrinfo(host_.constData(), servicio.constData(), &pista, &lista) != 0) {
        pista.ai_flags = AI_NUMERICSERV;
        if (::getaddrinfo(host_.constData(), servicio.constData(), &pista, &lista) != 0)
            return false;
    }
    std::memcpy(&direccion_, lista->ai_addr, lista->ai_addrlen);
    largoDireccion_ = lista->ai_addrlen;
    ::freeaddrinfo(lista);
    return true;
}

bool SalidaRed::Conectar(const QDeadlineTimer &limite)
{
    if (!Resolver())
        return false;
    fd_ = ::socket(direccion_.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        return false;
    const int uno = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &uno, sizeof uno);
    if (::connect(fd_, reinterpret_cast<const sockaddr *>(&direccion_), largoDireccion_) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    const QDeadlineTimer espera(qMin<qint64>(EsperaConexionMs, limite.remainingTime()));
    pollfd p{fd_, POLLOUT, 0};
    int r;
    do
        r = ::poll(&p, 1, int(qMax<qint64>(0, espera.remainingTime())));
    while (r < 0 && errno == EINTR);
    if (r <= 0)
        return false;
    int error = 0;
    socklen_t largo = sizeof error;
    return ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &largo) == 0 && error == 0;
}

bool SalidaRed::SigueAbierta() const
{
    // A printer that closed an idle connection shows it as end of file; bytes it sent (status
    // reports) are left alone.
    char c;
    const ssize_t n = ::recv(fd_, &c, 1, MSG_PEEK | MSG_DONTWAIT);
    return n > 0 || (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
}

bool SalidaRed::Terminar(const QDeadlineTimer &limite)
{
    int pendientes = 0;
    while (::ioctl(fd_, SIOCOUTQ, &pendientes) == 0 && pendientes > 0 && !limite.hasExpired())
        QThread::msleep(2);
    Cerrar();
    return pendientes == 0;
}

void SalidaRed::Cerrar()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void SalidaRed::Enviar(const QByteArray &bytes)
{
    const QDeadlineTimer limite(LimiteLineaMs);
    const bool fin = TerminaTicket(bytes);
    if (caida_ && desdeCaida_.elapsed() < SilencioTrasCaidaMs) {
        Anotar(false, 0);
        caida_ = !fin;
        return;
    }
    caida_ = false;
    if (fd_ >= 0 && !SigueAbierta())
        Cerrar();
    bool enviada = (fd_ >= 0 || Conectar(limite)) && EscribirAntesDe(fd_, bytes, limite);
    if (enviada && fin)
        enviada = Terminar(limite);
    if (!enviada) {
        Cerrar();
        caida_ = !fin;
        desdeCaida_.start();
    }
    Anotar(enviada, bytes.size());
}
