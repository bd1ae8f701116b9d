#include "BaseDePrueba.h"
#include "cash/Caja.h"
#include "core/CodigoBarras.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "printing/CanalTickets.h"
#include "printing/DecodificadorTicket.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Reads an expected ticket written by hand: text as it is, {ESC} {GS} {CR} {LF} {NUL}, {n} for
// the byte n and {_n} for n blanks; line breaks and # lines are only for the reader.
QByteArray Esperado(const QString &nombre)
{
    QFile f(QStringLiteral(HILVAN_ESPERADOS "/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing expected ticket %s", qPrintable(nombre));
    QByteArray bytes;
    static const QRegularExpression marca(u"\\{([^}]*)\\}"_s);
    for (const QByteArray &fila : f.readAll().split('\n')) {
        if (fila.startsWith('#'))
            continue;
        const QString linea = QString::fromUtf8(fila);
        qsizetype desde = 0;
        for (auto m = marca.globalMatch(linea); m.hasNext();) {
            const auto r = m.next();
            bytes += linea.mid(desde, r.capturedStart() - desde).toLatin1();
            desde = r.capturedEnd();
            const QString c = r.captured(1);
            static const QHash<QString, char> nombres = {
                {u"ESC"_s, 27}, {u"GS"_s, 29}, {u"CR"_s, 13}, {u"LF"_s, 10}, {u"NUL"_s, 0}};
            if (nombres.contains(c))
                bytes += nombres[c];
            else if (c.startsWith(QLatin1Char('_')))
                bytes += QByteArray(c.mid(1).toInt(), ' ');
            else
                bytes += char(c.toInt());
        }
        bytes += linea.mid(desde).toLatin1();
    }
    return bytes;
}

// Shows where two byte strings part, readable in a failure message.
QString Diferencia(const QByteArray &real, const QByteArray &esperado)
{
    qsizetype i = 0;
    while (i < real.size() && i < esperado.size() && real[i] == esperado[i])
        ++i;
    auto Trozo = [i](const QByteArray &b) {
        return QString::fromLatin1(b.mid(qMax(0, i - 30), 60).toPercentEncoding(" "));
    };
    return u"byte %1\n  real:     %2\n  esperado: %3"_s.arg(i).arg(Trozo(real), Trozo(esperado));
}

void ParametrosTienda()
{
    ValoresPrograma &g = G();
    g.nombre = u"Hilván Costura"_s;
    g.nombretienda = u"ARREGLOS MUÑOZ"_s;
    g.nif = u"B12345678"_s;
    g.direccion = u"C/ Mayor, 12"_s;
    g.telefono = u"912345678"_s;
    g.cp = u"28013"_s;
    g.localidad = u"Madrid"_s;
    g.pie1 = u"Gracias por su visita"_s;
    g.pie2 = u"Plazo de recogida: 3 meses"_s;
    g.pie3 = u"Atención al cliente"_s;
    g.pie7 = u"Nunca impreso"_s;
    g.AnchuraTicket = 40;
}

// Order 1234 of José Muñoz, taken by Begoña: 1234.1 with 6.00 + 4.00 and no date yet, 1234.2
// with 3.50 + 2.00 due on 10/06/2026; 7.50 paid so far.
void ArregloDePrueba(BaseDePrueba &b)
{
    b.Insertar("usuarios", "idusuario, nombre", {"2, 'Begoña '"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda", {"7, ' José Muñoz', '600111222', 0"});
    b.Insertar("familias", "idfamilia, nombre", {"1, 'Pantalón'"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1",
               {"1, 1, 'Bajo', 6", "2, 1, 'Meter cintura ', 4", "3, 1, 'Cambiar cremallera', 3.5",
                "4, 1, 'Coser dobladillo a mano con puntada invisible', 2"});
    b.Insertar("arreglos", "idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega, entregado",
               {"1234, 2, 7, '2026-06-01 09:05:00', '2026-06-10 00:00:00', 5"});
    b.Insertar("arreglos_detalles",
               "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, fechaentrega",
               {"1234, 1, 6, 'Pantalón vaquero', '1234.1', '1900-01-01 00:00:00'",
                "1234, 2, 4, 'Pantalón vaquero', '1234.1', '1900-01-01 00:00:00'",
                "1234, 3, 3.5, 'Falda tubo ', '1234.2 ', '2026-06-10 00:00:00'",
                "1234, 4, 2, 'Falda tubo ', '1234.2 ', '2026-06-10 00:00:00'"});
    MeterMovimientoCaja(5, u"Ref. 1234"_s, 1, 1234, 0);
    MeterMovimientoCaja(2.5, u"Ref. 1234"_s, 2, 1234, 0);
}

// The shop's parameters and order 1234, tickets into memory.
struct Tienda {
    BaseDePrueba b;
    SalidaMemoria impresora;
    explicit Tienda(bool conArreglo = true)
    {
        if (conArreglo) {
            ParametrosTienda();
            ArregloDePrueba(b);
        }
        G().salidaTickets = &impresora;
    }
};

// What is left of a ticket without its printable text, line breaks and the channel's own commands
// (size, colour, cut, the barcode's height, width and symbol): nothing, when data sent none.
QString BytesAjenos(const QByteArray &bytes)
{
    static const QRegularExpression propias(
        u"\x1b(![\\x00-\\xff]|r[01]|i)|\x1d[hw][\\x00-\\xff]|\x1dk\x02\\d*\\x00|[\\x20-\\xff\r\n]"_s);
    return QString::fromLatin1(bytes).remove(propias);
}

QStringList Textos(const QList<LineaImpresa> &lineas)
{
    QStringList t;
    for (const LineaImpresa &l : lineas)
        t.append(l.texto);
    return t;
}

} // namespace

class PruebaTickets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ticketsDeUnArreglo()
    {
        Tienda t;
        BaseDePrueba &b = t.b;
        SalidaMemoria &impresora = t.impresora;

        ImprimirArreglo(1234);
        QByteArray esperado = Esperado(u"ticket_cliente_1234.txt"_s);
        QVERIFY2(impresora.Bytes() == esperado, qPrintable(Diferencia(impresora.Bytes(), esperado)));

        // The garment is looked up by its reference as stored, blanks and all.
        impresora.Vaciar();
        ImprimirTicketPrenda(u"1234.2 "_s);
        esperado = Esperado(u"ticket_prenda_1234_2.txt"_s);
        QVERIFY2(impresora.Bytes() == esperado, qPrintable(Diferencia(impresora.Bytes(), esperado)));

        // A garment with no date yet.
        impresora.Vaciar();
        ImprimirTicketPrenda(u"1234.1"_s);
        QCOMPARE(Textos(DecodificarTicket(impresora.Bytes())).mid(0, 5),
                 (QStringList{u"Ref.: 1234.1"_s, u" "_s, u"----------"_s, u" "_s, u"Pantalon vaquero"_s}));
        QVERIFY(impresora.Bytes().contains(QByteArray("\x1br0\x1b!\x00----------\r\n", 18)));

        // Nothing at all, not even the cut, for a garment that does not exist.
        impresora.Vaciar();
        ImprimirTicketPrenda(u"1234.9"_s);
        ImprimirTicketPrenda(u"x' or '1'='1"_s);
        QVERIFY(impresora.Bytes().isEmpty());

        b.Insertar("arreglos", "idarreglo, idusuario, idcliente, fechaarreglo",
                   {"77, 1, 7, '2026-12-05 10:30:00'"});
        b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, nombreprenda, referenciaprenda",
                   {"77, 1, 1000, 'Abrigo', '77.1'", "77, 3, 1000, 'Abrigo', '77.1'"});
        // A line whose product has left the catalogue still prints, on both tickets.
        b.conexion.Ejecutar(u"delete from productos where idproducto = 3"_s);
        const QString retirado = u"Producto retirado del catalogo"_s;

        // One heading, one subtotal and no empty line before the hyphens; no dates or payments.
        impresora.Vaciar();
        ImprimirTicketArreglo(77);
        const QStringList textos = Textos(DecodificarTicket(impresora.Bytes()));
        QCOMPARE(textos.mid(3, 5),
                 (QStringList{u"77.1 Abrigo"_s, u"Bajo"_s, retirado, AlinearTexto(u"Importe: 2000.00"_s, 2),
                              AlinearTexto(u"-------"_s, 2)}));
        QVERIFY(textos.contains(AlinearTexto(u"Total: 2,000.00"_s, 2)));
        QVERIFY(textos.contains(AlinearTexto(u"Pendiente: 2,000.00"_s, 2)));
        QVERIFY(textos.contains(u"Entrega: "_s));
        QVERIFY(textos.contains(u"Atendido por: Encargada"_s));

        // The preview reads a garment ticket back: sizes, the blank lines, the bars and the cut.
        impresora.Vaciar();
        ImprimirTicketPrenda(u"1234.2 "_s);
        const QList<LineaImpresa> lineas = DecodificarTicket(impresora.Bytes());
        QCOMPARE(lineas.first().texto, u"Ref.: 1234.2"_s);
        QVERIFY(lineas.first().dobleAlto && lineas.first().dobleAncho && !lineas.first().rojo);
        QCOMPARE(lineas[2].texto, AlinearTexto(u"Fecha entrega: 08/06/2026"_s, 2));
        QVERIFY(!lineas[2].dobleAlto && !lineas[2].dobleAncho);
        QVERIFY(Textos(lineas).contains(retirado));
        int barras = -1;
        for (int i = 0; i < lineas.size(); ++i)
            if (lineas[i].tipo == LineaImpresa::CodigoBarras)
                barras = i;
        QVERIFY(barras > 0);
        QCOMPARE(lineas[barras].altoBarras, 200); // its digits and module width: test_pantallas_gui
        // GS h and GS w each end their own line: two empty feeds before the bars.
        QCOMPARE(lineas[barras - 1].texto, QString());
        QCOMPARE(lineas[barras - 2].texto, QString());
        QCOMPARE(lineas.last().tipo, LineaImpresa::Corte);
        QCOMPARE(lineas[lineas.size() - 2].texto, QString(41, QLatin1Char(' ')));

        // ESC i cuts the paper, ESC p opens the drawer, GS V cuts too; typed into the data by accident.
        const QString nombre = u"Ana\x1bi\tRuiz\n\x1dV\x01\x1bp0\x7f"_s;
        const QString prenda = u"Abrigo\x1b!\x30rojo"_s;
        b.conexion.Ejecutar(
            u"update clientes set nombre = %1 where idcliente = 7"_s.arg(ComillasSQL(nombre)));
        b.conexion.Ejecutar(u"update arreglos_detalles set nombreprenda = %1 where referenciaprenda = "
                            "'1234.1'"_s.arg(ComillasSQL(prenda)));
        b.conexion.Ejecutar(u"update productos set nombre = %1 where idproducto = 1"_s.arg(
            ComillasSQL(u"Bajo\x1bp\x03\x19"_s)));
        impresora.Vaciar();
        ImprimirArreglo(1234);
        ImprimirTicketPrenda(u"1234.1"_s);
        QCOMPARE(BytesAjenos(impresora.Bytes()), QString());
        const QList<LineaImpresa> limpias = DecodificarTicket(impresora.Bytes());
        int cortes = 0;
        for (const LineaImpresa &l : limpias) {
            QVERIFY(l.tipo != LineaImpresa::Cajon);
            cortes += l.tipo == LineaImpresa::Corte;
        }
        QCOMPARE(cortes, 2);
        const QStringList leidos = Textos(limpias);
        QVERIFY(leidos.contains(u"Cliente: Ana i Ruiz  V  p0 "_s));
        QVERIFY(leidos.contains(u"1234.1 Abrigo !0rojo"_s));
        // The stored name keeps what was typed.
        QCOMPARE(b.Valor(u"select nombre from clientes where idcliente = 7"_s), nombre);
    }

    void canalDeLineas()
    {
        Tienda t(false);
        SalidaMemoria &impresora = t.impresora;

        // Every switch on: the last applied goes first on the wire.
        ImprimirLineaTicket(u"Muñoz, Ángel y Pepe: ¿güisqui?"_s, 1, 1, 1, 1, 1);
        QCOMPARE(impresora.Bytes(),
                 QByteArray("\x1b!0\x1b! \x1b!\x10\x1br1\x1b!\x00Mu\xa5oz, Angel y Pepe: \xa8g\x81isqui?\r\n",
                            47));
        impresora.Vaciar();
        ImprimirLineaTicket(u"ñandú €"_s, 0, 0, 0, 0, 0);
        QCOMPARE(impresora.Bytes(), QByteArray("\x1br0\xa5"
                                               "andu ?\r\n"));

        impresora.Vaciar();
        CortarTicket();
        QCOMPARE(impresora.Tickets().size(), 1);
        QVERIFY(impresora.Bytes().endsWith(QByteArray("\x1br0") + QByteArray(41, ' ') + "\r\n\x1bi\r"));
        QCOMPARE(impresora.Bytes().count("\r\n"), 9);

        // The largest order and garment that fit scan back to themselves.
        QCOMPARE(ReferenciaDeCodigo(u"$"_s + CodigoBarrasPrenda(99999999, u"99999999.999"_s)),
                 u"99999999.999"_s);
        QCOMPARE(ReferenciaDeCodigo(u"$"_s + CodigoBarrasPrenda(1, u"1.1"_s)), u"1.1"_s);
        QCOMPARE(CodigoBarrasPrenda(123456789, u"123456789.1"_s), QString());
        QCOMPARE(CodigoBarrasPrenda(12, u"12.1000"_s), QString());

        // Such a garment gets its reference in large print where the bars would go.
        impresora.Vaciar();
        t.b.Insertar("productos", "idproducto, idfamilia, nombre", {"1, 1, 'Bajo'"});
        t.b.Insertar("arreglos", "idarreglo, idusuario, idcliente", {"123456789, 1, 1"});
        t.b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, nombreprenda, referenciaprenda",
                     {"123456789, 1, 5, 'Falda', '123456789.1'"});
        ImprimirTicketPrenda(u"123456789.1"_s);
        QVERIFY(!impresora.Bytes().contains('\x1d'));
        QVERIFY(impresora.Bytes().contains("\x1b!0\x1br0  123456789.1  \r\n"));
        // With no fechaentrega at all the line keeps its label.
        QVERIFY(Textos(DecodificarTicket(impresora.Bytes())).contains(AlinearTexto(u"Fecha entrega: "_s, 2)));

        // Text laid out on a 40-column ticket.
        G().AnchuraTicket = 40;
        const QString cuarenta(40, QLatin1Char('x'));
        for (int modo : {0, 1, 2, 7})
            QCOMPARE(AlinearTexto(cuarenta, modo, 60), cuarenta);
        // Wider than its own column but narrower than the ticket: out as it is.
        const struct {
            QString texto;
            int modo, ancho;
            QString esperado;
        } alineados[] = {
            {u" "_s, 1, 0, QString(41, QLatin1Char(' '))},
            {u"abcdefghijk"_s, 1, 16, u"  abcdefghijk  "_s},
            {u"abcdefghi"_s, 1, 16, u"    abcdefghi    "_s},
            {u"abc"_s, 2, 8, u"     abc"_s},
            {u"abc  "_s, 0, 8, u"abc  "_s},
            {u"abc"_s, 3, 8, QString()},
            {u"Hilván Costura S.L."_s, 1, 16, u"Hilván Costura S.L."_s},
        };
        for (const auto &f : alineados)
            QCOMPARE(AlinearTexto(f.texto, f.modo, f.ancho), f.esperado);

        const QString cuarentaConBlanco = u"abcdefghi "_s + QString(30, QLatin1Char('z'));
        QCOMPARE(PartirLineas(cuarentaConBlanco), u"abcdefghi \r\n"_s + QString(30, QLatin1Char('z')));
        QCOMPARE(PartirLineas(QString(70, QLatin1Char('y'))), QString(32, QLatin1Char('y')) + u"\r\n"_s
                                                                  + QString(32, QLatin1Char('y')) + u"\r\n"_s
                                                                  + QString(6, QLatin1Char('y')));
        const QString blancoEn32 = QString(31, QLatin1Char('a')) + u" bc"_s;
        QCOMPARE(PartirLineas(blancoEn32), QString(31, QLatin1Char('a')) + u" \r\nbc"_s);
        QCOMPARE(PartirLineas(QString(31, QLatin1Char('a'))), QString(31, QLatin1Char('a')));
        QCOMPARE(PartirLineas(QString()), QString());

        // With no output chosen the lines go nowhere.
        G().salidaTickets = nullptr;
        ImprimirLineaTicket(u"perdida"_s, 1, 0, 0, 0, 0);
    }
};

QTEST_GUILESS_MAIN(PruebaTickets)
#include "test_bd_tickets.moc"
