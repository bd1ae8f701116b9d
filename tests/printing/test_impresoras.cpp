#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/DireccionImpresora.h"
#include "printing/SalidaMemoria.h"
#include "printing/SalidaSerie.h"
#include "printing/TicketPrueba.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <arpa/inet.h>
#include <functional>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A printer on the loopback address. Modes: reads everything; accepts and never reads; or a
// backlog filled up so that further connections are never answered.
struct ImpresoraRed {
    enum Modo { Lee, NoLee, NoContesta };
    int escucha = -1;
    quint16 puerto = 0;
    QByteArray recibido;
    QList<int> conexiones;

    explicit ImpresoraRed(Modo modo)
    {
        escucha = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(escucha, reinterpret_cast<sockaddr *>(&a), sizeof a);
        // The kernel completes connections on its own up to the backlog: a printer that never
        // reads still takes them; one whose backlog is full answers nobody.
        ::listen(escucha, modo == NoContesta ? 0 : 16);
        socklen_t largo = sizeof a;
        ::getsockname(escucha, reinterpret_cast<sockaddr *>(&a), &largo);
        puerto = ntohs(a.sin_port);
        if (modo == NoContesta) {
            // Connections nobody accepts fill the queue; the kernel then drops new ones unanswered.
            for (int i = 0; i < 4; ++i) {
                const int c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
                ::connect(c, reinterpret_cast<sockaddr *>(&a), sizeof a);
                conexiones.append(c);
            }
            QThread::msleep(100);
        }
        modo_ = modo;
    }
    ~ImpresoraRed()
    {
        for (int c : conexiones)
            ::close(c);
        ::close(escucha);
    }
    // Accepts waiting connections and reads what they sent, for as long as bytes keep coming.
    void Atender(int esperaMs = 300)
    {
        QElapsedTimer reloj;
        reloj.start();
        while (reloj.elapsed() < esperaMs) {
            QList<pollfd> p{{escucha, POLLIN, 0}};
            for (int c : conexiones)
                p.append({c, POLLIN, 0});
            if (::poll(p.data(), nfds_t(p.size()), 50) <= 0)
                continue;
            if (p[0].revents & POLLIN)
                conexiones.append(::accept(escucha, nullptr, nullptr));
            for (int i = 1; i < p.size() && modo_ == Lee; ++i) {
                char trozo[4096];
                // A slow printer takes 64 bytes every 20 ms (about 3 KB a second, a 9600-baud line).
                if (lento)
                    QThread::msleep(20);
                const ssize_t n =
                    (p[i].revents & POLLIN) ? ::read(p[i].fd, trozo, lento ? 64 : sizeof trozo) : 0;
                if (n > 0) {
                    recibido.append(trozo, n);
                    reloj.restart();
                }
            }
        }
    }
    QString Direccion() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(puerto); }
    bool lento = false;

private:
    Modo modo_ = Lee;
};

// The demo shop's counter takes a two-garment order, with its garment tickets, the drawer and
// the customer's ticket: 3 cuts and some 120 lines.
qint64 AcabarPedido(frmPrincipal &p, DialogosGuion &dialogos)
{
    p.ReiniciarVenta();
    p.gridFamilias.Row = FilaDeTexto(p.gridFamilias, 1, QString::fromUtf8("Pantalón"));
    p.gridFamilias_Click();
    for (const char *producto : {"Bajo", "Meter cintura"}) {
        p.gridProductos.Row = FilaDeTexto(p.gridProductos, 1, QString::fromLatin1(producto));
        p.gridProductos_Click();
    }
    p.cmdVerFamilias_Click();
    dialogos.calendario.push_back(QStringLiteral("10/12/2026"));
    p.gridTPV.Row = 1;
    p.gridTPV.Col = frmPrincipal::ColFecha;
    p.gridTPV_Click();
    p.IdClienteVenta = 1;
    dialogos.pad.push_back(QStringLiteral("20"));
    p.cmdPendiente_Click();
    dialogos.usuarios = {3};
    dialogos.siNo = {6, 6};
    QElapsedTimer reloj;
    reloj.start();
    p.cmdAcabarEncargo_Click();
    return reloj.elapsed();
}

// Counts the lines sent and times the slowest.
class SalidaCronometrada : public SalidaTickets
{
public:
    explicit SalidaCronometrada(SalidaTickets &destino) : destino_(destino) {}
    void Enviar(const QByteArray &bytes) override
    {
        QElapsedTimer r;
        r.start();
        destino_.Enviar(bytes);
        peor = qMax(peor, r.elapsed());
        ++lineas;
        if (trasLinea)
            trasLinea();
    }
    SalidaTickets &destino_;
    std::function<void()> trasLinea;
    qint64 peor = 0;
    int lineas = 0;
};

} // namespace

class PruebaImpresoras : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void direcciones()
    {
        struct Caso {
            const char *puertocom, *parametros;
            DireccionImpresora::Tipo tipo;
            int puerto;
            const char *destino;
        };
        const Caso casos[] = {
            {"3", "9600,n,8,1", DireccionImpresora::Serie, 3, ""},
            {"0", "9600,n,8,1", DireccionImpresora::Pantalla, 0, ""},
            {"", "", DireccionImpresora::Pantalla, 0, ""},
            {"0", "/dev/usb/lp0", DireccionImpresora::Dispositivo, 0, "/dev/usb/lp0"},
            {"2", " /dev/usb/lp1 ", DireccionImpresora::Dispositivo, 0, "/dev/usb/lp1"},
            {"0", "tcp://192.168.1.50", DireccionImpresora::Red, 9100, "192.168.1.50"},
            {"0", "TCP://impresora:9101", DireccionImpresora::Red, 9101, "impresora"},
            {"0", "tcp://[::1]:9000", DireccionImpresora::Red, 9000, "::1"},
            {"0", "tcp://:9100", DireccionImpresora::Red, 9100, ""},
            {"0", "tcp://host:70000", DireccionImpresora::Red, 70000, ""},
        };
        for (const Caso &c : casos) {
            const DireccionImpresora d =
                DireccionImpresora::Leer(QString::fromLatin1(c.puertocom), QString::fromLatin1(c.parametros));
            QVERIFY2(d.tipo == c.tipo, c.parametros);
            if (c.tipo != DireccionImpresora::Pantalla && *c.destino)
                QCOMPARE(d.tipo == DireccionImpresora::Red ? d.host : d.ruta, QString::fromLatin1(c.destino));
            if (c.tipo == DireccionImpresora::Red && *c.destino)
                QCOMPARE(d.puerto, c.puerto);
            if (c.tipo == DireccionImpresora::Red && !*c.destino)
                QVERIFY2(d.host.isEmpty(), c.parametros);
        }
    }

    // The same test ticket through the serial port, a file standing in for the USB device and
    // a network listener: the printer gets the same bytes whichever way it is reached.
    void mismosBytesPorLasTresVias()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        G().nombre = QStringLiteral("Hilván Muñoz");
        SalidaMemoria memoria;
        G().salidaTickets = &memoria;
        ImprimirTicketPrueba();
        const QByteArray esperado = memoria.Bytes();
        QVERIFY(esperado.contains("Mu\xa5oz"));

        int maestro = -1, esclavo = -1;
        char nombre[256] = {};
        QCOMPARE(openpty(&maestro, &esclavo, nombre, nullptr, nullptr), 0);
        qputenv("HILVAN_PUERTO_5", nombre);
        QByteArray porSerie;
        QThread *lector = QThread::create([&] {
            while (porSerie.size() < esperado.size()) {
                pollfd p{maestro, POLLIN, 0};
                if (::poll(&p, 1, 3000) <= 0)
                    break;
                char trozo[512];
                const ssize_t n = ::read(maestro, trozo, sizeof trozo);
                if (n <= 0)
                    break;
                porSerie.append(trozo, n);
            }
        });
        lector->start();
        auto serie = CrearSalidaImpresora(
            DireccionImpresora::Leer(QStringLiteral("5"), QStringLiteral("115200,n,8,1")));
        G().salidaTickets = serie.get();
        ImprimirTicketPrueba();
        lector->wait();
        delete lector;
        ::close(maestro);
        ::close(esclavo);
        qunsetenv("HILVAN_PUERTO_5");
        QCOMPARE(porSerie, esperado);
        QCOMPARE(serie->LineasPerdidas(), 0);

        const QString usb = b.dir.filePath(QStringLiteral("lp0"));
        QFile f(usb);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        auto archivo = CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), usb));
        G().salidaTickets = archivo.get();
        ImprimirTicketPrueba();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), esperado);
        QCOMPARE(archivo->BytesAceptados(), esperado.size());

        ImpresoraRed impresora(ImpresoraRed::Lee);
        auto red = CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), impresora.Direccion()));
        G().salidaTickets = red.get();
        QThread *atencion = QThread::create([&] { impresora.Atender(1500); });
        atencion->start();
        ImprimirTicketPrueba();
        ImprimirTicketPrueba(); // a second ticket on a new connection
        atencion->wait();
        delete atencion;
        QCOMPARE(impresora.recibido, esperado + esperado);
        QCOMPARE(red->LineasPerdidas(), 0);
        QCOMPARE(impresora.conexiones.size(), 2);
        G().salidaTickets = nullptr;
    }

    // Whatever the printer does, no line holds the counter a second and the order is saved.
    void impresoraQueFallaNoParaElMostrador()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
            b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
        G().NombreCierre = QStringLiteral("20261205");
        frmPrincipal p;
        p.ReiniciarVenta();

        ImpresoraRed noLee(ImpresoraRed::NoLee);
        ImpresoraRed noContesta(ImpresoraRed::NoContesta);
        // A port where nobody listens: the listener is closed before the counter connects.
        quint16 cerrado = 0;
        {
            ImpresoraRed breve(ImpresoraRed::Lee);
            cerrado = breve.puerto;
        }
        const QString dispositivoQueFalta = b.dir.filePath(QStringLiteral("no-hay-usb"));
        const QStringList direcciones = {noLee.Direccion(), QStringLiteral("tcp://127.0.0.1:%1").arg(cerrado),
                                         noContesta.Direccion(), dispositivoQueFalta};
        int pedidos = 0;
        for (const QString &direccion : direcciones) {
            auto destino = CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), direccion));
            SalidaCronometrada salida(*destino);
            G().salidaTickets = &salida;
            const qint64 total = AcabarPedido(p, b.dialogos);
            ++pedidos;
            qInfo("%s: %d lines, slowest %lld ms, order in %lld ms", qPrintable(direccion), salida.lineas,
                  salida.peor, total);
            QVERIFY2(salida.peor < 1000, qPrintable(direccion));
            QVERIFY(salida.lineas > 50);
            QCOMPARE(b.Valor(QStringLiteral("select count(*) from arreglos")), QString::number(pedidos));
            if (direccion != noLee.Direccion())
                QCOMPARE(destino->BytesAceptados(), 0);
        }
        noLee.Atender(100);
        QVERIFY(noLee.conexiones.size() >= 1);

        // A printer that stops reading in the middle of a long line: the line gives up in time.
        auto lleno = CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), noLee.Direccion()));
        const QByteArray larga(32 * 1024 * 1024, 'x');
        QElapsedTimer reloj;
        reloj.start();
        lleno->Enviar(larga);
        qInfo("a line the printer stops taking: %lld ms", reloj.elapsed());
        QVERIFY(reloj.elapsed() < 1000);
        QCOMPARE(lleno->LineasPerdidas(), 1);
        G().salidaTickets = nullptr;
    }

    // The printer goes away in the middle of a ticket (the serial port's other end closes, the
    // USB device file disappears) or takes its bytes slowly: no line holds the counter a second,
    // the order is saved, and a slow printer still gets every byte.
    void impresoraQueSeVaOVaLenta()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        G().NombreCierre = QStringLiteral("20261205");
        frmPrincipal p;
        int pedidos = b.Valor(QStringLiteral("select count(*) from arreglos")).toInt();
        for (const char *caso :
             {"puerto serie que se cierra", "dispositivo que desaparece", "impresora lenta"}) {
            const QString c = QString::fromLatin1(caso);
            std::unique_ptr<SalidaTickets> destino;
            QByteArray recibido;
            std::function<void()> trasLinea;
            QThread *impresora = nullptr;
            int maestro = -1, esclavo = -1;
            std::optional<ImpresoraRed> red;
            if (c.startsWith(QLatin1String("puerto"))) {
                char nombre[256] = {};
                QCOMPARE(openpty(&maestro, &esclavo, nombre, nullptr, nullptr), 0);
                qputenv("HILVAN_PUERTO_5", nombre);
                destino = CrearSalidaImpresora(
                    DireccionImpresora::Leer(QStringLiteral("5"), QStringLiteral("115200,n,8,1")));
                // It reads the start of the ticket, then its end of the line is gone.
                impresora = QThread::create([&] {
                    while (recibido.size() < 600) {
                        pollfd e{maestro, POLLIN, 0};
                        char trozo[256];
                        const ssize_t n = ::poll(&e, 1, 3000) > 0 ? ::read(maestro, trozo, sizeof trozo) : -1;
                        if (n <= 0)
                            break;
                        recibido.append(trozo, n);
                    }
                    ::close(maestro);
                });
            } else if (c.startsWith(QLatin1String("dispositivo"))) {
                const QString usb = b.dir.filePath(QStringLiteral("lp0"));
                QFile(usb).open(QIODevice::WriteOnly);
                destino = CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), usb));
                trasLinea = [usb, n = 0]() mutable {
                    if (++n == 20)
                        QFile::remove(usb);
                };
            } else {
                red.emplace(ImpresoraRed::Lee);
                const int poco = 2048;
                ::setsockopt(red->escucha, SOL_SOCKET, SO_RCVBUF, &poco, sizeof poco);
                destino =
                    CrearSalidaImpresora(DireccionImpresora::Leer(QStringLiteral("0"), red->Direccion()));
                red->lento = true;
                impresora = QThread::create([&] { red->Atender(1500); });
            }
            if (impresora)
                impresora->start();
            SalidaCronometrada salida(*destino);
            salida.trasLinea = trasLinea;
            G().salidaTickets = &salida;
            const qint64 total = AcabarPedido(p, b.dialogos);
            if (impresora) {
                impresora->wait();
                delete impresora;
            }
            qunsetenv("HILVAN_PUERTO_5");
            if (esclavo >= 0)
                ::close(esclavo);
            qInfo("%s: %d lines, %d lost, slowest %lld ms, order in %lld ms", caso, salida.lineas,
                  destino->LineasPerdidas(), salida.peor, total);
            QVERIFY2(salida.peor < 1000, caso);
            QCOMPARE(b.Valor(QStringLiteral("select count(*) from arreglos")).toInt(), ++pedidos);
            if (red) {
                QCOMPARE(destino->LineasPerdidas(), 0);
                QCOMPARE(red->recibido.size(), destino->BytesAceptados());
            } else {
                QVERIFY2(destino->LineasPerdidas() > 0 && destino->BytesAceptados() > 0, caso);
            }
        }
        G().salidaTickets = nullptr;
    }
};

QTEST_GUILESS_MAIN(PruebaImpresoras)
#include "test_impresoras.moc"
