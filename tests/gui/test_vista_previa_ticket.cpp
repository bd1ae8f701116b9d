#include "core/Programa.h"
#include "printing/CanalTickets.h"
#include "printing/DecodificadorTicket.h"
#include "printing/SalidaSerie.h"
#include "ui/SalidaTicketsPantalla.h"
#include "ui/VentanaTicket.h"
#include "ui/VistaPreviaTicket.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

namespace {

// The garment ticket's barcode line of reference 1234.2.
const QByteArray LineaBarras("\x1br0\x1b!\x00\x1dh\xc8\r\n\x1dw\x04\r\n\x1dk\x02"
                             "1000012340025\x00\r\n",
                             35);

// 1000012340025 by hand: the leading 1 gives sets A A B A B B to 0 0 0 0 1 2, then 3 4 0 0 2 5
// from set C, between the guards 101, 01010 and 101.
const QString ModulosCodigo = QStringLiteral("101"
                                             "0001101"
                                             "0001101"
                                             "0100111"
                                             "0001101"
                                             "0110011"
                                             "0011011"
                                             "01010"
                                             "1000010"
                                             "1011100"
                                             "1110010"
                                             "1110010"
                                             "1101100"
                                             "1001110"
                                             "101");

bool Oscuro(QRgb c)
{
    return qGray(c) < 100;
}

} // namespace

class PruebaVistaPreviaTicket : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void barrasDibujadasDesdeLasCifras()
    {
        QCOMPARE(ModulosEAN13(QStringLiteral("1000012340025")), ModulosCodigo);
        QCOMPARE(ModulosEAN13(QStringLiteral("123")), QString());

        VistaPreviaTicket vista;
        vista.MostrarTicket(QByteArray("\x1br0\x1b!\x00 \r\n", 8) + LineaBarras, 40);
        const QImage imagen = vista.grab().toImage();

        // Find a row through the bars and read the modules back from the runs of ink.
        int fila = -1, inicio = -1;
        for (int y = 0; y < imagen.height() && fila < 0; ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (Oscuro(imagen.pixel(x, y))) {
                    fila = y + 20;
                    inicio = x;
                    break;
                }
        QVERIFY(fila > 0 && fila < imagen.height());
        const int modulo = 3; // 4 dots at 0.75 px a dot
        QString leidos;
        for (int x = inicio; x < inicio + 95 * modulo; x += modulo)
            leidos += Oscuro(imagen.pixel(x + modulo / 2, fila)) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(leidos, ModulosCodigo);
        QVERIFY(!Oscuro(imagen.pixel(inicio + 95 * modulo + 1, fila)));
    }

    void lineasRojasDeTamanoDobleYAnchoDelPapel()
    {
        VistaPreviaTicket vista;
        const QByteArray normal("\x1br0\x1b!\x00"
                                "Linea normal\r\n",
                                20);
        vista.MostrarTicket(normal, 40);
        const int anchoPapel40 = vista.width();
        vista.MostrarTicket(normal, 32);
        QVERIFY(vista.width() < anchoPapel40);
        const int altoNormal = vista.height();

        vista.MostrarTicket("\x1b!0\x1br1Grande\r\n", 40);
        QVERIFY(vista.height() > altoNormal);
        const QImage imagen = vista.grab().toImage();
        int rojos = 0;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x) {
                const QColor c = imagen.pixelColor(x, y);
                rojos += c.red() > 150 && c.green() < 80 && c.blue() < 80;
            }
        QVERIFY(rojos > 50);
    }

    void puertoCeroMuestraElTicketAlCortar()
    {
        G() = ValoresPrograma();
        G().AnchuraTicket = 40;
        G().puertocom = QStringLiteral("2");
        G().parametrospuerto = QStringLiteral("9600,n,8,1");
        QVERIFY(dynamic_cast<SalidaSerie *>(CrearSalidaTickets(nullptr).get()));

        G().puertocom = QStringLiteral("0");
        auto salida = CrearSalidaTickets(nullptr);
        QVERIFY(!dynamic_cast<SalidaSerie *>(salida.get()));
        G().salidaTickets = salida.get();

        // The window comes up at the cut, not before; it is taken away with its button.
        QStringList vistos;
        QTimer reloj;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            if (auto *v = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                vistos.append(QString::fromLatin1(v->metaObject()->className()));
                QVERIFY(v->height() <= 768 && v->width() <= 1024);
                v->accept();
            }
        });
        reloj.start(20);
        ImprimirLineaTicket(QStringLiteral("Muñoz"), 1, 0, 0, 0, 0);
        QCOMPARE(vistos.size(), 0);
        CortarTicket();
        QCOMPARE(vistos.size(), 1);
        G() = ValoresPrograma();
    }
};

QTEST_MAIN(PruebaVistaPreviaTicket)
#include "test_vista_previa_ticket.moc"
