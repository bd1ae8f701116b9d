#include "SalidaSerie.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

// Closing the port puts its former settings back at once, so the line must have left the
// port first: bytes still queued would go out at the wrong speed. A line that cannot leave in
// time is dropped rather than printed as garbage.
bool EsperarSalida(int descriptor, const QDeadlineTimer &limite)
{
    int pendientes = 0;
    while (::ioctl(descriptor, TIOCOUTQ, &pendientes) == 0 && pendientes > 0 && !limite.hasExpired())
        QThread::msleep(2);
    if (pendientes > 0 || limite.hasExpired()) {
        ::tcflush(descriptor, TCOFLUSH);
        return false;
    }
    ::tcdrain(descriptor); // the few bytes in the chip itself
    return true;
}

} // namespace

SalidaSerie::SalidaSerie(int puerto, const QString &parametros)
    : dispositivo_(Dispositivo(puerto)), ajustesValidos_(LeerAjustes(parametros, ajustes_))
{
}

QString SalidaSerie::Dispositivo(int puerto)
{
    if (puerto < 1)
        return {};
    const QString propio = qEnvironmentVariable(qPrintable(QStringLiteral("HILVAN_PUERTO_%1").arg(puerto)));
    if (!propio.isEmpty())
        return propio;
    return QStringLiteral("/dev/ttyS%1").arg(puerto - 1);
}

bool SalidaSerie::LeerAjustes(const QString &texto, Ajustes &ajustes)
{
    const QStringList partes = texto.split(QLatin1Char(','));
    if (partes.size() != 4)
        return false;
    bool ok = false;
    const int baudios = partes[0].trimmed().toInt(&ok);
    if (!ok || baudios <= 0)
        return false;
    ajustes.baudios = baudios;

    const QString paridad = partes[1].trimmed().toLower();
    if (paridad == QLatin1String("n"))
        ajustes.paridad = QSerialPort::NoParity;
    else if (paridad == QLatin1String("e"))
        ajustes.paridad = QSerialPort::EvenParity;
    else if (paridad == QLatin1String("o"))
        ajustes.paridad = QSerialPort::OddParity;
    else if (paridad == QLatin1String("m"))
        ajustes.paridad = QSerialPort::MarkParity;
    else if (paridad == QLatin1String("s"))
        ajustes.paridad = QSerialPort::SpaceParity;
    else
        return false;

    const int datos = partes[2].trimmed().toInt(&ok);
    if (!ok || datos < 5 || datos > 8)
        return false;
    ajustes.bitsDatos = QSerialPort::DataBits(datos);

    const QString parada = partes[3].trimmed();
    if (parada == QLatin1String("1"))
        ajustes.bitsParada = QSerialPort::OneStop;
    else if (parada == QLatin1String("1.5"))
        ajustes.bitsParada = QSerialPort::OneAndHalfStop;
    else if (parada == QLatin1String("2"))
        ajustes.bitsParada = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

bool SalidaSerie::AjustesUtilizables(const QString &texto)
{
    static const QList<int> velocidades = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    Ajustes a;
    return LeerAjustes(texto, a) && velocidades.contains(a.baudios)
           && a.bitsParada != QSerialPort::OneAndHalfStop;
}

void SalidaSerie::Enviar(const QByteArray &bytes)
{
    // A port that is not there costs nothing: no lock file is written for it.
    if (dispositivo_.isEmpty() || !ajustesValidos_ || !QFile::exists(dispositivo_)) {
        Anotar(false, 0);
        return;
    }
    QSerialPort puerto;
    puerto.setPortName(dispositivo_);
    if (!puerto.open(QIODevice::WriteOnly)) {
        Anotar(false, 0);
        return;
    }
    if (!puerto.setBaudRate(ajustes_.baudios) || !puerto.setParity(ajustes_.paridad)
        || !puerto.setDataBits(ajustes_.bitsDatos) || !puerto.setStopBits(ajustes_.bitsParada)
        || !puerto.setFlowControl(QSerialPort::NoFlowControl)) {
        puerto.close();
        Anotar(false, 0);
        return;
    }
    // The line's time on the wire at the port's speed, and a margin; a port that takes longer
    // loses the line.
    const QDeadlineTimer limite(500 + qint64(bytes.size()) * 10 * 1000 / ajustes_.baudios);
    puerto.write(bytes);
    while (puerto.bytesToWrite() > 0 && puerto.waitForBytesWritten(int(limite.remainingTime()))) {
    }
    const bool salida = puerto.bytesToWrite() == 0 && EsperarSalida(puerto.handle(), limite);
    puerto.close();
    Anotar(salida, bytes.size());
}
