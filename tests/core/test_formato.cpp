#include "BaseDePrueba.h"
#include "Casos.h"
#include "core/CodigoBarras.h"
#include "core/Configuracion.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Grid.h"
#include "core/InstanciaUnica.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace Qt::StringLiterals;

class PruebaFormato : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    Configuracion Config(const QString &nombre, const QStringList &lineas)
    {
        const QString ruta = dir.filePath(nombre);
        EscribirConfiguracion(ruta, lineas);
        return LeerConfiguracion(ruta);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A Spanish machine writes 1.234,50; the shop's amounts must not follow it.
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        std::setlocale(LC_ALL, "es_ES.UTF-8");
    }

    void comillasYFechas()
    {
        const QString dma = u"dd/MM/yy"_s;
        Casos({{ComillasSQL(u"O'Brien"_s), u"'O''Brien'"_s},
               {ComillasSQL(QString()), u"''"_s},
               {ReemplazarCaracter(u"a-b-c"_s, u'-', u"--"_s), u"a--b--c"_s},
               {LiteralFechaSQL(u"05/12/26 16:03"_s), u"'2026-12-05 16:03:00'"_s},
               {LiteralFechaSQL(u"01/01/1900"_s), u"'1900-01-01 00:00:00'"_s},
               {LiteralFechaSQL(u"31/02/2027"_s), u"'31/02/2027'"_s},
               {TextoDeFecha(FechaDeTexto(u"2026-12-05 09:05:00"_s)), u"05/12/2026 09:05:00"_s},
               {TextoDeFecha(FechaDeTexto(u"5/3/27"_s)), u"05/03/2027"_s},
               {FormatoFecha(QVariant(), dma), QString()},
               {FormatoFecha(u"1/1/1900"_s, dma), u"01/01/00"_s}});

        // A two-digit year is the one nearest today.
        const struct {
            QDate hoy;
            const char *texto;
            QDate fecha;
        } casos[] = {
            {{2026, 12, 5}, "02/01/30", {2030, 1, 2}},    {{2029, 12, 31}, "31/12/29", {2029, 12, 31}},
            {{2029, 12, 31}, "02/01/30", {2030, 1, 2}},   {{2049, 6, 1}, "31/12/49", {2049, 12, 31}},
            {{2049, 6, 1}, "01/01/50", {2050, 1, 1}},     {{2049, 6, 1}, "01/01/00", {2000, 1, 1}},
            {{2099, 12, 31}, "31/12/99", {2099, 12, 31}}, {{2099, 12, 31}, "01/01/00", {2100, 1, 1}},
            {{2100, 1, 2}, "31/12/99", {2099, 12, 31}},   {{2026, 12, 5}, "1/1/1900", {1900, 1, 1}},
        };
        for (const auto &c : casos) {
            RelojFijo reloj(QDateTime(c.hoy, QTime(12, 0)));
            G().reloj = &reloj;
            QCOMPARE(FechaDeTexto(QString::fromLatin1(c.texto)).date(), c.fecha);
        }
        G().reloj = nullptr;
    }

    void importes()
    {
        Casos({{FormatoImporte(1234.5), u"1,234.50"_s},
               {FormatoImporte(0.0), u"0.00"_s},
               {FormatoImporte(-12.5), u"-12.50"_s},
               {FormatoImporte(2.675), u"2.68"_s},
               {FormatoImporte(-2.675), u"-2.68"_s},
               {FormatoImporte(0.004), u"0.00"_s},
               // Half cents that binary floating point keeps just below the half: 1.005 is 1.00499...
               {FormatoImporte(1.005), u"1.01"_s},
               {FormatoImporte(0.285), u"0.29"_s},
               {FormatoImporte(-1.005), u"-1.01"_s},
               {FormatoDosDecimales(8.325), u"8.33"_s},
               {FormatoImporte(1234567.891), u"1,234,567.89"_s},
               {FormatoImporte(QString()), QString()},
               {FormatoImporte(u"12"_s), u"12.00"_s},
               {FormatoImporte(QVariant(qlonglong(1000))), u"1,000.00"_s},
               // Amounts shown on screen come back as the same number.
               {Val(u"1,234.50"_s), 1234.5},
               {Val(FormatoImporte(98765.43)), 98765.43},
               {Val(u"-12.50"_s), -12.5},
               {Val(u"12.5.3"_s), 12.5},
               {Val(u"abc"_s), 0.0},
               {Val(QString()), 0.0},
               {Val(u".5"_s), 0.5},
               {EsNumero(u"12.5"_s), true},
               {EsNumero(u"1,234.50"_s), true},
               {EsNumero(u"12."_s), true},
               {EsNumero(QString()), false},
               {EsNumero(u"."_s), false},
               {EsNumero(u"1.2.3"_s), false},
               {EsNumero(u"12,5"_s), false},
               {TextoNumero(12.5), u"12.5"_s},
               {TextoNumero(-3), u"-3"_s},
               {TextoNumero(1234567.25), u"1234567.25"_s},
               {TextoNumero(0.1 + 0.2), u"0.3"_s}});

        // What staff type as an amount: read whole, or refused with the message they will read (every
        // box that takes an amount goes through it, as test_bd_hostil shows box by box).
        const QString maximo = u" pasa del máximo de 99,999.99 €."_s;
        const QString invalido = u" no es un importe válido."_s;
        const std::pair<const char *, QString> casos[] = {
            {"99999999999999999", u"El importe «99999999999999999»"_s + maximo},
            {"99999.99", u"99,999.99"_s},
            {"99,999.99", u"99,999.99"_s},
            {"100000", u"El importe «100000»"_s + maximo},
            {"100,000", u"El importe «100,000»"_s + maximo},
            {"1e308", u"«1e308»"_s + invalido},
            {"-5", u"El importe no puede ser negativo: «-5»."_s},
            {"1.2.3", u"«1.2.3»"_s + invalido},
            {".", u"«.»"_s + invalido},
            {"0.005", u"Un importe lleva como mucho dos decimales: «0.005»."_s},
            {"12.500", u"12.50"_s},
            {".5", u"0.50"_s},
        };
        for (const auto &[tecleado, esperado] : casos) {
            QString motivo;
            const std::optional<double> v = LeerImporte(QString::fromUtf8(tecleado), &motivo);
            QCOMPARE(v ? FormatoImporte(*v) : motivo, esperado);
        }
    }

    // The grid keeps its texts in its own compact form: every kind of text comes back as it was
    // written, through rows inserted and removed, cells written over many times and columns added.
    void gridCompacto()
    {
        const QString largo = QString(70000, u'ñ') + QStringLiteral("€");
        const QStringList textos = {QStringLiteral("1234.2"),
                                    QStringLiteral("Pantalón*Bajo"),
                                    QStringLiteral("20 €"),
                                    QString(200, u'x'),
                                    largo,
                                    QString()};
        Grid g(1, 3);
        const QString compartido = QStringLiteral("12.50") + QString();
        for (const QString &t : textos) {
            const int f = g.AgregarFila({t, t});
            g.SetTextoCompartido(f, 2, compartido);
        }
        g.InsertarFila(2, {QStringLiteral("nueva")});
        g.QuitarFila(1);
        QCOMPARE(g.TextMatrix(1, 0), QStringLiteral("nueva"));
        g.SetTextMatrix(2, 1, QStringLiteral("otra")); // the row above it keeps its own text
        for (int i = 0; i < 20000; ++i)                // written over until the grid lays its texts out again
            g.SetTextMatrix(1, 1, QString::number(i));
        g.SetCols(4);
        QCOMPARE(g.TextMatrix(1, 1), QStringLiteral("19999"));
        QCOMPARE(g.TextMatrix(2, 1), QStringLiteral("otra"));
        for (int i = 1; i < textos.size(); ++i) {
            QCOMPARE(g.TextMatrix(i + 1, 0), textos[i]);
            QCOMPARE(g.TextMatrix(i + 1, 1), i == 1 ? QStringLiteral("otra") : textos[i]);
            QCOMPARE(g.TextMatrix(i + 1, 2), compartido);
            QCOMPARE(g.TextMatrix(i + 1, 3), QString());
        }
        // Looks: a painted row, one cell of it another colour, one bold cell.
        PintarFilaGrid(g, 3, ColorFilaImpar);
        g.SetCellBackColor(3, 2, ColorMarcado);
        g.SetCellFontBold(4, 0, true);
        QCOMPARE(g.CellBackColor(3, 0), SinColor);
        QCOMPARE(g.CellBackColor(3, 1), ColorFilaImpar);
        QCOMPARE(g.CellBackColor(3, 2), ColorMarcado);
        QCOMPARE(g.CellBackColor(4, 1), SinColor);
        QVERIFY(g.CellFontBold(4, 0) && !g.CellFontBold(3, 0));
    }

    void acentosYCodigosDeBarras()
    {
        QString t = u"Álvaro Muñoz: pantalón, camisón, güisqui, ÉXITO"_s;
        QuitarAcentos(t);
        const QString codigo = CodigoEAN13(u"1234002"_s); // reference 1234.2 as its garment ticket prints it
        Casos({{t, u"Alvaro Muñoz: pantalon, camison, güisqui, EXITO"_s},
               {CodigoEAN13(u"400638133393"_s), u"4006381333931"_s},
               // Five digits: seven zeros in front, the first one turned into 1, then the check digit.
               {CodigoEAN13(u"12345"_s), u"1000000123456"_s},
               {CodigoEAN13(u"1234567890129999"_s).left(12), u"123456789012"_s},
               {codigo, u"1000012340025"_s},
               {ReferenciaDeCodigo(u'$' + codigo), u"1234.2"_s},
               {ReferenciaDeCodigo(u'$' + CodigoEAN13(u"12345678015"_s)), u"12345678.15"_s},
               {ReferenciaDeCodigo(codigo), QString()},
               {ReferenciaDeCodigo(u'$' + CodigoEAN13(u"800000010002"_s)), QString()}});
    }

    void unaCopiaPorBaseDeDatos()
    {
        const QString cerrojos = dir.filePath(u"run"_s);
        QDir().mkpath(cerrojos);
        QDir().mkpath(dir.filePath(u"otra"_s));
        QFile(dir.filePath(u"tienda.db"_s)).open(QIODevice::WriteOnly);
        // The same file named from another folder, by its absolute path, through a link.
        QFile::link(dir.filePath(u"tienda.db"_s), dir.filePath(u"enlace.db"_s));
        const Configuracion mismas[] = {
            Config(u"otra/b.dat"_s, {u"../tienda.db"_s}),
            Config(u"c.dat"_s, {dir.filePath(u"tienda.db"_s)}),
            Config(u"d.dat"_s, {u"\"enlace.db\""_s}),
        };
        InstanciaUnica primera(Config(u"a.dat"_s, {u"tienda.db"_s}), cerrojos);
        QVERIFY(primera.Tomar());
        QVERIFY(primera.Tomar()); // asking again from the same copy is harmless
        for (const Configuracion &c : mismas) {
            InstanciaUnica segunda(c, cerrojos);
            QVERIFY2(!segunda.Tomar(), qPrintable(c.ruta));
            QCOMPARE(
                segunda.Motivo(),
                u"El programa ya está abierto en este ordenador.\r\nUse la ventana que ya está abierta."_s);
        }

        // Another shop's database, or a server, on the same machine is another counter.
        InstanciaUnica otra(Config(u"e.dat"_s, {u"otra.db"_s}), cerrojos),
            srv(Config(u"f.dat"_s, {QString(), u"Caja1:5432"_s, u"arreglos"_s}), cerrojos);
        QVERIFY(otra.Tomar() && srv.Tomar());
        QVERIFY(!InstanciaUnica(Config(u"g.dat"_s, {QString(), u"caja1:5432"_s, u"arreglos"_s}), cerrojos)
                     .Tomar());

        // Closing the program, or a crash that left the lock file behind, lets the next copy start.
        const Configuracion c = Config(u"h.dat"_s, {u"h.db"_s});
        QString ruta;
        {
            InstanciaUnica cerrada(c, cerrojos);
            QVERIFY(cerrada.Tomar());
            ruta = cerrada.Ruta();
            QVERIFY(QFile::exists(ruta));
        }
        QVERIFY(!QFile::exists(ruta));

        // What a copy killed mid-sale leaves: its process number, name and machine.
        Escribir(ruta, "999999\nhilvan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        InstanciaUnica siguiente(c, cerrojos);
        QVERIFY(siguiente.Tomar());
        QVERIFY(siguiente.Motivo().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PruebaFormato)
#include "test_formato.moc"
