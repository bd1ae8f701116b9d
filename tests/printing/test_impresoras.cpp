#include "BaseDePrueba.h"
#include "Mostrador.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "printing/DireccionImpresora.h"
#include "printing/ImprimirListado.h"
#include "printing/SalidaListadosPdf.h"
#include "printing/SalidaSerie.h"
#include "printing/TicketPrueba.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>
#include <arpa/inet.h>
#include <functional>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A printer on the loopback address: reads everything, never reads, or answers nobody (backlog full).
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
    QString Direccion() const { return u"tcp://127.0.0.1:%1"_s.arg(puerto); }
    bool lento = false;

private:
    Modo modo_ = Lee;
};

// Counts the lines sent; `trasLinea` runs after each.
class SalidaContada : public SalidaTickets
{
public:
    explicit SalidaContada(SalidaTickets &destino) : destino_(destino) {}
    void Enviar(const QByteArray &bytes) override
    {
        QElapsedTimer reloj;
        reloj.start();
        destino_.Enviar(bytes);
        peor = std::max(peor, reloj.elapsed());
        ++lineas;
        if (trasLinea)
            trasLinea();
    }
    SalidaTickets &destino_;
    std::function<void()> trasLinea;
    int lineas = 0;
    qint64 peor = 0; // the longest a line held the counter, for the reliability run's table
};

// A pseudo-terminal standing in for the printer: the program writes the slave, the test reads the master.
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

// A grid like a screen's: a hidden id column, then three columns of different widths.
Grid GridDe(int filasDatos)
{
    Grid g(1, 4);
    const QStringList cabecera{u"Id"_s, u"Nombre"_s, u"Importe"_s, u"Fecha"_s};
    for (int c = 0; c < 4; ++c)
        g.SetTextMatrix(0, c, cabecera[c]);
    g.SetColWidth(0, 0);
    g.SetColWidth(1, 2880);
    g.SetColWidth(2, 1440);
    g.SetColWidth(3, 1440);
    g.SetColAlignment(2, Alineacion::Derecha);
    for (int i = 1; i <= filasDatos; ++i)
        g.AgregarFila({u"secreto%1"_s.arg(i), u"Fila%1"_s.arg(i), u"%1.00"_s.arg(i), u"05/12/26"_s});
    return g;
}

// The text of each page of a PDF, as a reader of the paper would find it.
QStringList Paginas(const QString &pdf)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    p.waitForFinished();
    QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

// Left edge (points) of the first word on page 1 equal to `palabra`, from pdftotext's boxes.
double XPalabra(const QString &pdf, const QString &palabra)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    p.waitForFinished();
    const QRegularExpression re(QStringLiteral(R"re(<word xMin="([\d.]+)"[^>]*>)re")
                                + QRegularExpression::escape(palabra) + u"</word>"_s);
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

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
            {"0", "tcp://:9100", DireccionImpresora::Red, 0, ""}, // no host: no printer
            {"0", "tcp://host:70000", DireccionImpresora::Red, 0, ""},
        };
        for (const Caso &c : casos) {
            const DireccionImpresora d =
                DireccionImpresora::Leer(QString::fromLatin1(c.puertocom), QString::fromLatin1(c.parametros));
            const QString destino = d.tipo == DireccionImpresora::Red ? d.host : d.ruta;
            QVERIFY2(d.tipo == c.tipo && destino == QString::fromLatin1(c.destino)
                         && (c.puerto == 0 || d.puerto == c.puerto),
                     c.parametros);
        }
    }

    // The same test ticket through a file standing in for the USB device and a network listener
    // (the serial port's own test sends the same kind of bytes): the printer gets them unchanged.
    void mismosBytesPorDispositivoYRed()
    {
        TiendaDemo<PantallasPrueba> t;
        G().nombre = u"Hilván Muñoz"_s;
        ImprimirTicketPrueba();
        const QByteArray esperado = t.impresora.Bytes();
        QVERIFY(esperado.contains("Mu\xa5oz"));

        const QString usb = t.b.dir.filePath(u"lp0"_s);
        QFile f(usb);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        auto archivo = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, usb));
        G().salidaTickets = archivo.get();
        ImprimirTicketPrueba();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), esperado);
        QCOMPARE(archivo->BytesAceptados(), esperado.size());

        ImpresoraRed impresora(ImpresoraRed::Lee);
        auto red = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, impresora.Direccion()));
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
    }

    void puertoSerie()
    {
        Impresora impresora;
        qputenv("HILVAN_PUERTO_7", impresora.dispositivo.toLocal8Bit()); // port 7 is the pseudo-terminal

        // A garment ticket's barcode line and a header line.
        const QByteArray cabecera("\x1b!0\x1br1 ARREGLOS MU\xa5OZ \r\n");
        SalidaSerie serie(7, u"9600,n,8,1"_s);
        serie.Enviar(LineaBarras);
        serie.Enviar(cabecera); // the port was closed and opens again for the next line
        QCOMPARE(impresora.Leer(LineaBarras.size() + cabecera.size()), LineaBarras + cabecera);

        // A line longer than the pseudo-terminal holds keeps the port open until the printer
        // reads it: meanwhile the port must have the shop's settings, raw, without flow control.
        // (A pseudo-terminal always keeps 8 data bits and no parity, so those stay as they are.)
        SalidaSerie otra(7, u"4800,n,8,2"_s);
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

        // Port numbers and settings as the shop writes them; a missing, busy or mis-set port loses the line.
        qunsetenv("HILVAN_PUERTO_1");
        QCOMPARE(SalidaSerie::Dispositivo(1), u"/dev/ttyS0"_s);
        QCOMPARE(SalidaSerie::Dispositivo(3), u"/dev/ttyS2"_s);
        QCOMPARE(SalidaSerie::Dispositivo(0), QString());

        SalidaSerie::Ajustes a;
        QVERIFY(SalidaSerie::LeerAjustes(u"19200,E,7,1.5"_s, a));
        QVERIFY(a.baudios == 19200 && a.paridad == QSerialPort::EvenParity
                && a.bitsDatos == QSerialPort::Data7 && a.bitsParada == QSerialPort::OneAndHalfStop);
        for (const char *malo : {"", "9600,n,8", "rapido,n,8,1", "9600,n,9,1", "9600,n,8,3", "0,n,8,1"})
            QVERIFY2(!SalidaSerie::LeerAjustes(QString::fromLatin1(malo), a), malo);

        qputenv("HILVAN_PUERTO_8", "/dev/hilvan-no-existe");
        SalidaSerie falta(8, u"9600,n,8,1"_s);
        falta.Enviar("perdida\r\n");
        QSerialPort otro(impresora.dispositivo); // another program holds the printer's port
        QVERIFY(otro.open(QIODevice::ReadWrite));
        SalidaSerie ocupado(7, u"9600,n,8,1"_s);
        ocupado.Enviar("perdida\r\n");
        QCOMPARE(falta.LineasPerdidas() + ocupado.LineasPerdidas(), 2);
        QCOMPARE(impresora.Leer(1, 300), QByteArray());
        qunsetenv("HILVAN_PUERTO_8");
        otro.close();
        SalidaSerie malAjustado(7, u"9600,x,8,1"_s);
        malAjustado.Enviar("perdida\r\n");
        QCOMPARE(malAjustado.LineasPerdidas(), 1);
        QCOMPARE(impresora.Leer(1, 300), QByteArray());
        qunsetenv("HILVAN_PUERTO_7");
    }

    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void paginas_data()
    {
        QTest::addColumn<int>("filas");
        QTest::addColumn<bool>("apaisado");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QString>("ultimaFila");
        QTest::newRow("vertical, 57 filas") << 56 << false << 1 << u"Fila56"_s;
        QTest::newRow("vertical, 58 filas") << 57 << false << 2 << u"Fila57"_s;
        QTest::newRow("apaisado, 44 filas") << 43 << true << 1 << u"Fila43"_s;
        QTest::newRow("apaisado, 45 filas") << 44 << true << 2 << u"Fila44"_s;
        QTest::newRow("vacío") << 0 << false << 1 << u"Nombre"_s;
        QTest::newRow("120 filas") << 120 << false << 3 << u"Fila120"_s;
    }

    void paginas()
    {
        QFETCH(int, filas);
        QFETCH(bool, apaisado);
        QFETCH(int, paginas);
        QFETCH(QString, ultimaFila);
        BaseDePrueba b; // today is 05/12/2026
        const QString ruta = b.dir.filePath(u"listado.pdf"_s);
        SalidaListadosPdf salida(ruta);
        G().salidaListados = &salida;

        QVERIFY(ImprimirListado(GridDe(filas), u"Listado"_s, apaisado));
        // HILVAN_LISTADO_PDF keeps the 120-row listing for a look at the paper.
        if (filas == 120 && qEnvironmentVariableIsSet("HILVAN_LISTADO_PDF"))
            QFile::copy(ruta, qEnvironmentVariable("HILVAN_LISTADO_PDF"));
        const QStringList texto = Paginas(ruta);
        QCOMPARE(texto.size(), paginas);
        const int porPagina = (apaisado ? 44 : 57) - 1;
        for (int k = 1; k <= paginas; ++k) {
            const QString &pagina = texto[k - 1];
            QVERIFY2(pagina.contains(u"05/12/2026 - Pág %1 de %2"_s.arg(k).arg(paginas)), qPrintable(pagina));
            QVERIFY(pagina.contains(u"Listado"_s));
            QVERIFY(pagina.contains(u"Nombre"_s) && pagina.contains(u"Importe"_s));
            // The first data row of each page is the one after the last of the page before.
            if (filas > 0)
                QVERIFY(pagina.contains(u"Fila%1 "_s.arg((k - 1) * porPagina + 1)));
            QVERIFY(!pagina.contains(u"secreto"_s));
        }
        QVERIFY(texto.last().contains(ultimaFila));
        QVERIFY(b.dialogos.mensajes.isEmpty());
    }

    void anchosYFallo()
    {
        BaseDePrueba b;
        const QString ruta = b.dir.filePath(u"anchos.pdf"_s);
        SalidaListadosPdf salida(ruta);
        G().salidaListados = &salida;

        // Columns on paper are as wide as on screen: "Nombre" is two inches, "Importe" one.
        QVERIFY(ImprimirListado(GridDe(3), u"Listado"_s, false));
        const double nombre = XPalabra(ruta, u"Nombre"_s);
        const double importe = XPalabra(ruta, u"Importe"_s);
        const double fecha = XPalabra(ruta, u"Fecha"_s);
        QVERIFY(nombre >= 0 && importe > nombre && fecha > importe);
        QVERIFY2(qAbs((fecha - nombre) - 3 * 72) < 6, qPrintable(QString::number(fecha - nombre)));

        // A printer that cannot take the pages: the user is told, nothing counts as printed.
        SalidaListadosPdf rota(b.dir.filePath(u"no/existe/listado.pdf"_s));
        G().salidaListados = &rota;
        QVERIFY(!ImprimirListado(GridDe(3), u"Listado"_s, false));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(u"No se ha podido imprimir"_s));
    }

    // Whatever the printer does (takes no bytes, is not there, answers nobody, goes away in the
    // middle of a ticket as the serial port's other end closes or the USB device file disappears,
    // or takes its bytes slowly): the order is saved; a slow printer still gets every byte.
    void impresoraQueFallaNoParaElMostrador()
    {
        Mostrador m;
        int pedidos = m.Valor(u"select count(*) from arreglos"_s).toInt();
        ImpresoraRed noLee(ImpresoraRed::NoLee);
        ImpresoraRed noContesta(ImpresoraRed::NoContesta);
        // A port where nobody listens: the listener is closed before the counter connects.
        quint16 cerrado = 0;
        {
            ImpresoraRed breve(ImpresoraRed::Lee);
            cerrado = breve.puerto;
        }
        const QStringList ausentes = {noLee.Direccion(), u"tcp://127.0.0.1:%1"_s.arg(cerrado),
                                      noContesta.Direccion(), m.b.dir.filePath(u"no-hay-usb"_s)};
        for (const QString &c : ausentes
                                    + QStringList{u"puerto serie que se cierra"_s,
                                                  u"dispositivo que desaparece"_s, u"impresora lenta"_s}) {
            std::unique_ptr<SalidaTickets> destino;
            std::function<void()> trasLinea;
            QThread *impresora = nullptr;
            std::optional<Impresora> pty;
            std::optional<ImpresoraRed> red;
            if (ausentes.contains(c)) {
                destino = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, c));
            } else if (c.startsWith(QLatin1String("puerto"))) {
                pty.emplace();
                qputenv("HILVAN_PUERTO_5", pty->dispositivo.toLocal8Bit());
                destino = CrearSalidaImpresora(DireccionImpresora::Leer(u"5"_s, u"115200,n,8,1"_s));
                // It reads the start of the ticket, then its end of the line is gone.
                impresora = QThread::create([&] {
                    pty->Leer(600, 3000);
                    ::close(std::exchange(pty->maestro, -1));
                });
            } else if (c.startsWith(QLatin1String("dispositivo"))) {
                const QString usb = m.b.dir.filePath(u"lp0"_s);
                QFile(usb).open(QIODevice::WriteOnly);
                destino = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, usb));
                trasLinea = [usb, n = 0]() mutable {
                    if (++n == 20)
                        QFile::remove(usb);
                };
            } else {
                red.emplace(ImpresoraRed::Lee);
                const int poco = 2048;
                ::setsockopt(red->escucha, SOL_SOCKET, SO_RCVBUF, &poco, sizeof poco);
                destino = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, red->Direccion()));
                red->lento = true;
                impresora = QThread::create([&] { red->Atender(1500); });
            }
            if (impresora)
                impresora->start();
            SalidaContada salida(*destino);
            salida.trasLinea = trasLinea;
            G().salidaTickets = &salida;
            // Two garment tickets, the drawer and the customer's ticket: 3 cuts, some 120 lines.
            m.PedidoDeDosPrendas();
            m.Entregado(u"20"_s);
            m.Acabar(3, {6, 6});
            if (impresora) {
                impresora->wait();
                delete impresora;
            }
            qunsetenv("HILVAN_PUERTO_5");
            if (!ausentes.contains(c))
                qInfo("%s: %d lines, %d lost, slowest %lld ms", qPrintable(c), salida.lineas,
                      destino->LineasPerdidas(), salida.peor);
            QVERIFY(salida.lineas > 50);
            QCOMPARE(m.Valor(u"select count(*) from arreglos"_s).toInt(), ++pedidos);
            if (ausentes.contains(c)) {
                if (c != noLee.Direccion())
                    QCOMPARE(destino->BytesAceptados(), 0);
            } else if (red) {
                QCOMPARE(destino->LineasPerdidas(), 0);
                QCOMPARE(red->recibido.size(), destino->BytesAceptados());
            } else {
                QVERIFY2(destino->LineasPerdidas() > 0 && destino->BytesAceptados() > 0, qPrintable(c));
            }
        }
        noLee.Atender(100);
        QVERIFY(noLee.conexiones.size() >= 1);

        // A printer that stops reading in the middle of a long line: the line gives up.
        auto lleno = CrearSalidaImpresora(DireccionImpresora::Leer(u"0"_s, noLee.Direccion()));
        lleno->Enviar(QByteArray(32 * 1024 * 1024, 'x'));
        QCOMPARE(lleno->LineasPerdidas(), 1);
        G().salidaTickets = nullptr;
    }
};

QTEST_MAIN(PruebaImpresoras) // listings are drawn on PDF pages: fonts need the GUI application
#include "test_impresoras.moc"
