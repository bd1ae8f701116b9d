#include "printing/SalidaSerie.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A pseudo-terminal pair standing in for the printer: the program writes to the slave's
// device, the test reads what reached the printer from the master.
struct Impresora {
    int maestro = -1, esclavo = -1;
    QString dispositivo;
    Impresora()
    {
        char nombre[256] = {};
        if (openpty(&maestro, &esclavo, nombre, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        dispositivo = QString::fromLocal8Bit(nombre);
    }
    ~Impresora()
    {
        ::close(maestro);
        ::close(esclavo);
    }
    QByteArray Leer(qsizetype cuantos, int esperaMs = 2000)
    {
        QByteArray recibido;
        QElapsedTimer reloj;
        reloj.start();
        while (recibido.size() < cuantos && reloj.elapsed() < esperaMs) {
            pollfd p{maestro, POLLIN, 0};
            if (poll(&p, 1, 50) > 0) {
                char trozo[512];
                const ssize_t n = ::read(maestro, trozo, sizeof trozo);
                if (n > 0)
                    recibido.append(trozo, n);
            }
        }
        return recibido;
    }
    termios Ajustes() const
    {
        termios t{};
        tcgetattr(esclavo, &t);
        return t;
    }
};

} // namespace

class PruebaSerie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineasEnterasConLosAjustesDelPuerto()
    {
        Impresora impresora;
        qputenv("HILVAN_PUERTO_7", impresora.dispositivo.toLocal8Bit());
        QCOMPARE(SalidaSerie::Dispositivo(7), impresora.dispositivo);

        // A garment ticket's barcode line and a header line: NUL, CR LF, bytes above 127.
        const QByteArray barras("\x1br0\x1b!\x00\x1dh\xc8\r\n\x1dw\x04\r\n\x1dk\x02"
                                "1000012340025\x00\r\n",
                                35);
        const QByteArray cabecera("\x1b!0\x1br1 ARREGLOS MU\xa5OZ \r\n");
        SalidaSerie serie(7, QStringLiteral("9600,n,8,1"));
        QElapsedTimer reloj;
        reloj.start();
        serie.Enviar(barras);
        qInfo("one ticket line to the port: %lld ms", reloj.elapsed());
        serie.Enviar(cabecera); // the port was closed and opens again for the next line
        QCOMPARE(impresora.Leer(barras.size() + cabecera.size()), barras + cabecera);

        // A line longer than the pseudo-terminal holds keeps the port open until the printer
        // reads it: meanwhile the port must have the shop's settings, raw, without flow control.
        // (A pseudo-terminal always keeps 8 data bits and no parity, so those stay as they are.)
        SalidaSerie otra(7, QStringLiteral("4800,n,8,2"));
        const QByteArray larga(300000, 'x');
        QThread *envio = QThread::create([&] { otra.Enviar(larga); });
        envio->start();
        bool ajustados = false;
        for (int i = 0; i < 400 && !ajustados; ++i) {
            const termios t = impresora.Ajustes();
            ajustados = cfgetospeed(&t) == B4800 && (t.c_cflag & CSTOPB) && !(t.c_cflag & CRTSCTS)
                        && !(t.c_iflag & IXON) && !(t.c_oflag & OPOST) && !(t.c_lflag & ICANON);
            if (!ajustados)
                QThread::msleep(5);
        }
        const QByteArray recibido = impresora.Leer(larga.size(), 20000);
        envio->wait();
        delete envio;
        QVERIFY(ajustados);
        QCOMPARE(recibido.size(), larga.size());
        qunsetenv("HILVAN_PUERTO_7");
    }

    void puertoQueFaltaOOcupadoPierdeLaLinea()
    {
        qputenv("HILVAN_PUERTO_8", "/dev/hilvan-no-existe");
        SalidaSerie falta(8, QStringLiteral("9600,n,8,1"));
        QElapsedTimer reloj;
        reloj.start();
        for (int i = 0; i < 10; ++i)
            falta.Enviar(QByteArray(40, 'x') + "\r\n");
        const qint64 msFalta = reloj.elapsed();
        qInfo("ten lines to a missing port: %lld ms", msFalta);
        QVERIFY(msFalta < 500);
        qunsetenv("HILVAN_PUERTO_8");

        // Another program holds the printer's port.
        Impresora impresora;
        QSerialPort otro(impresora.dispositivo);
        QVERIFY(otro.open(QIODevice::ReadWrite));
        qputenv("HILVAN_PUERTO_9", impresora.dispositivo.toLocal8Bit());
        SalidaSerie ocupado(9, QStringLiteral("9600,n,8,1"));
        reloj.restart();
        ocupado.Enviar("perdida\r\n");
        const qint64 msOcupado = reloj.elapsed();
        qInfo("one line to a busy port: %lld ms", msOcupado);
        QVERIFY(msOcupado < 500);
        QCOMPARE(impresora.Leer(1, 300), QByteArray());

        // Settings that are not a serial setting lose the line too.
        otro.close();
        SalidaSerie malAjustado(9, QStringLiteral("9600,x,8,1"));
        malAjustado.Enviar("perdida\r\n");
        QCOMPARE(impresora.Leer(1, 300), QByteArray());
        qunsetenv("HILVAN_PUERTO_9");
    }

    void dispositivosYAjustes()
    {
        qunsetenv("HILVAN_PUERTO_1");
        QCOMPARE(SalidaSerie::Dispositivo(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(SalidaSerie::Dispositivo(3), QStringLiteral("/dev/ttyS2"));
        QCOMPARE(SalidaSerie::Dispositivo(0), QString());

        SalidaSerie::Ajustes a;
        QVERIFY(SalidaSerie::LeerAjustes(QStringLiteral("19200,E,7,1.5"), a));
        QCOMPARE(a.baudios, 19200);
        QCOMPARE(a.paridad, QSerialPort::EvenParity);
        QCOMPARE(a.bitsDatos, QSerialPort::Data7);
        QCOMPARE(a.bitsParada, QSerialPort::OneAndHalfStop);
        for (const char *malo : {"", "9600,n,8", "rapido,n,8,1", "9600,n,9,1", "9600,n,8,3", "0,n,8,1"})
            QVERIFY2(!SalidaSerie::LeerAjustes(QString::fromLatin1(malo), a), malo);
    }
};

QTEST_GUILESS_MAIN(PruebaSerie)
#include "test_serie.moc"
