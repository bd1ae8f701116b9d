#include "Casos.h"
#include "DialogosGuion.h"
#include "core/CodigoBarras.h"
#include "core/Configuracion.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Grid.h"
#include "core/InstanciaUnica.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Reloj.h"
#include "counter/frmCalculadora2.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

namespace {

// Types a sequence of keys as a person would, e.g. "12.5+7.5=".
QString Teclear(frmCalculadora2 &c, const QString &teclas)
{
    for (QChar k : teclas) {
        if (k.isDigit() || k == u'.')
            c.Digito(k);
        else if (k == u'=')
            c.Igual();
        else if (k == u'%')
            c.Porcentaje();
        else if (k == u'C')
            c.Borrar();
        else if (k == u'<')
            c.Retroceso();
        else
            c.Operacion(k);
    }
    return c.txtPantalla;
}

} // namespace

class PruebaFormato : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString cerrojos;
    DialogosGuion dialogos;

    Configuracion Config(const QString &nombre, const QStringList &lineas)
    {
        const QString ruta = dir.filePath(nombre);
        EscribirConfiguracion(ruta, lineas);
        return LeerConfiguracion(ruta);
    }

    const QString kYaAbierto = QString::fromUtf8(
        "El programa ya está abierto en este ordenador.\r\nUse la ventana que ya está abierta.");

private Q_SLOTS:
    void initTestCase()
    {
        // A Spanish machine writes 1.234,50; the shop's amounts must not follow it.
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        std::setlocale(LC_ALL, "es_ES.UTF-8");
    }

    void comillasYFechas()
    {
        const QString dma = QStringLiteral("dd/MM/yy");
        Casos({{ComillasSQL(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'")},
               {ComillasSQL(QString()), QStringLiteral("''")},
               {ReemplazarCaracter(QStringLiteral("a-b-c"), u'-', QStringLiteral("--")),
                QStringLiteral("a--b--c")},
               {FechaSQL(QString(), 0), QStringLiteral("Null")},
               {FechaSQL(QString(), 1), QStringLiteral("Null")},
               {FechaSQL(QStringLiteral("5/3/2027"), 1), QStringLiteral("convert(datetime,'5/3/2027')")},
               {FechaSQL(QStringLiteral("5/3/2027"), 0), QStringLiteral("'2027-03-05 00:00:00'")},
               {LiteralFechaSQL(QStringLiteral("05/12/26 16:03")), QStringLiteral("'2026-12-05 16:03:00'")},
               {LiteralFechaSQL(QStringLiteral("01/01/1900")), QStringLiteral("'1900-01-01 00:00:00'")},
               {LiteralFechaSQL(QStringLiteral("31/02/2027")), QStringLiteral("'31/02/2027'")},
               {TextoDeFecha(FechaDeTexto(QStringLiteral("2026-12-05 09:05:00"))),
                QStringLiteral("05/12/2026 09:05:00")},
               {TextoDeFecha(FechaDeTexto(QStringLiteral("5/3/27"))), QStringLiteral("05/03/2027")},
               {FormatoFecha(QVariant(), dma), QString()},
               {FormatoFecha(QStringLiteral("1/1/1900"), dma), QStringLiteral("01/01/00")}});
    }

    void anoDeDosCifrasElMasCercanoAHoy()
    {
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
        Casos({{FormatoImporte(1234.5), QStringLiteral("1,234.50")},
               {FormatoImporte(0.0), QStringLiteral("0.00")},
               {FormatoImporte(-12.5), QStringLiteral("-12.50")},
               {FormatoImporte(2.675), QStringLiteral("2.68")},
               {FormatoImporte(-2.675), QStringLiteral("-2.68")},
               {FormatoImporte(0.004), QStringLiteral("0.00")},
               // Half cents that binary floating point keeps just below the half: 1.005 is 1.00499...
               {FormatoImporte(1.005), QStringLiteral("1.01")},
               {FormatoImporte(0.285), QStringLiteral("0.29")},
               {FormatoImporte(-1.005), QStringLiteral("-1.01")},
               {FormatoDosDecimales(8.325), QStringLiteral("8.33")},
               {FormatoImporte(1234567.891), QStringLiteral("1,234,567.89")},
               {FormatoImporte(QString()), QString()},
               {FormatoImporte(QStringLiteral("12")), QStringLiteral("12.00")},
               {FormatoImporte(QVariant(qlonglong(1000))), QStringLiteral("1,000.00")},
               // Amounts shown on screen come back as the same number.
               {Val(QStringLiteral("1,234.50")), 1234.5},
               {Val(FormatoImporte(98765.43)), 98765.43},
               {Val(QStringLiteral("-12.50")), -12.5},
               {Val(QStringLiteral("12.5.3")), 12.5},
               {Val(QStringLiteral("abc")), 0.0},
               {Val(QString()), 0.0},
               {Val(QStringLiteral(".5")), 0.5},
               {EsNumero(QStringLiteral("12.5")), true},
               {EsNumero(QStringLiteral("1,234.50")), true},
               {EsNumero(QStringLiteral("12.")), true},
               {EsNumero(QString()), false},
               {EsNumero(QStringLiteral(".")), false},
               {EsNumero(QStringLiteral("1.2.3")), false},
               {EsNumero(QStringLiteral("12,5")), false},
               {TextoNumero(12.5), QStringLiteral("12.5")},
               {TextoNumero(-3), QStringLiteral("-3")},
               {TextoNumero(1234567.25), QStringLiteral("1234567.25")},
               {TextoNumero(0.1 + 0.2), QStringLiteral("0.3")}});
    }

    // What staff type as an amount: read whole, or refused with the message they will read (every
    // box that takes an amount goes through it, as test_bd_hostil shows box by box).
    void importesTecleados()
    {
        const QString maximo = QStringLiteral(" pasa del máximo de 99,999.99 €.");
        const QString invalido = QStringLiteral(" no es un importe válido.");
        const std::pair<const char *, QString> casos[] = {
            {"99999999999999999", QStringLiteral("El importe «99999999999999999»") + maximo},
            {"99999.99", QStringLiteral("99,999.99")},
            {"99,999.99", QStringLiteral("99,999.99")},
            {"100000", QStringLiteral("El importe «100000»") + maximo},
            {"100,000", QStringLiteral("El importe «100,000»") + maximo},
            {"1e308", QStringLiteral("«1e308»") + invalido},
            {"-5", QStringLiteral("El importe no puede ser negativo: «-5».")},
            {"1.2.3", QStringLiteral("«1.2.3»") + invalido},
            {".", QStringLiteral("«.»") + invalido},
            {"0.005", QStringLiteral("Un importe lleva como mucho dos decimales: «0.005».")},
            {"12.500", QStringLiteral("12.50")},
            {".5", QStringLiteral("0.50")},
        };
        for (const auto &[tecleado, esperado] : casos) {
            QString motivo;
            const std::optional<double> v = LeerImporte(QString::fromUtf8(tecleado), &motivo);
            QCOMPARE(v ? FormatoImporte(*v) : motivo, esperado);
        }
    }

    void acentos()
    {
        QString t = QStringLiteral("Álvaro Muñoz: pantalón, camisón, güisqui, ÉXITO");
        QuitarAcentos(t);
        QCOMPARE(t, QStringLiteral("Alvaro Muñoz: pantalon, camison, güisqui, EXITO"));
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

    void codigosDeBarras()
    {
        QCOMPARE(CodigoEAN13(QStringLiteral("400638133393")), QStringLiteral("4006381333931"));
        // Five digits: seven zeros in front, the first one turned into 1, then the check digit.
        QCOMPARE(CodigoEAN13(QStringLiteral("12345")), QStringLiteral("1000000123456"));
        QCOMPARE(CodigoEAN13(QStringLiteral("1234567890129999")).left(12), QStringLiteral("123456789012"));
        // Reference 1234.2 as the garment ticket prints it and the scanner reads it back.
        const QString codigo = CodigoEAN13(QString::number(QStringLiteral("0000"
                                                                          "1234"
                                                                          "002")
                                                               .toLongLong()));
        QCOMPARE(codigo, QStringLiteral("1000012340025"));
        QCOMPARE(ReferenciaDeCodigo(QLatin1Char('$') + codigo), QStringLiteral("1234.2"));
        QCOMPARE(ReferenciaDeCodigo(QLatin1Char('$') + CodigoEAN13(QStringLiteral("12345678015"))),
                 QStringLiteral("12345678.15"));
        QCOMPARE(ReferenciaDeCodigo(codigo), QString());
        QCOMPARE(ReferenciaDeCodigo(QLatin1Char('$') + CodigoEAN13(QStringLiteral("800000010002"))),
                 QString());
    }

    // Left to right like a desk calculator, going on from a result; one point only; a second
    // operator replaces the first; only C or a digit leaves an error.
    void calculadora()
    {
        frmCalculadora2 c;
        const auto t = [&c](const char *teclas) { return Teclear(c, QString::fromLatin1(teclas)); };
        Casos({{t("12.5+7.5="), QStringLiteral("20")},
               {t("C0.1+0.2="), QStringLiteral("0.3")},
               {t("C2+3*4="), QStringLiteral("20")},
               {t("C10-4-3="), QStringLiteral("3")},
               {t("C7/2="), QStringLiteral("3.5")},
               {t("*2="), QStringLiteral("7")},
               {t("C1..5"), QStringLiteral("1.5")},
               {t("C123<"), QStringLiteral("12")},
               {t("C5+-3="), QStringLiteral("2")},
               {t("C200+10%"), QStringLiteral("220")},
               {t("C200-15%"), QStringLiteral("170")},
               {t("C80*25%"), QStringLiteral("20")},
               {t("C50%"), QStringLiteral("0.5")},
               {t("C8/0="), QStringLiteral("Error")},
               {t("+="), QStringLiteral("Error")},
               {t("4+1="), QStringLiteral("5")}});
    }

    void init()
    {
        cerrojos = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(cerrojos);
        dialogos.mensajes.clear();
        G().dialogos = &dialogos;
    }

    void unaCopiaPorBaseDeDatos()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("otra")));
        QFile(dir.filePath(QStringLiteral("tienda.db"))).open(QIODevice::WriteOnly);
        const Configuracion tienda = Config(QStringLiteral("a.dat"), {QStringLiteral("tienda.db")});
        // The same file named from another folder, by its absolute path, through a link.
        QFile::link(dir.filePath(QStringLiteral("tienda.db")), dir.filePath(QStringLiteral("enlace.db")));
        const Configuracion mismas[] = {
            Config(QStringLiteral("otra/b.dat"), {QStringLiteral("../tienda.db")}),
            Config(QStringLiteral("c.dat"), {dir.filePath(QStringLiteral("tienda.db"))}),
            Config(QStringLiteral("d.dat"), {QStringLiteral("\"enlace.db\"")}),
        };
        const Configuracion otraBase = Config(QStringLiteral("e.dat"), {QStringLiteral("otra.db")});
        const Configuracion servidor = Config(
            QStringLiteral("f.dat"), {QString(), QStringLiteral("Caja1:5432"), QStringLiteral("arreglos")});
        const Configuracion mismoServidor = Config(
            QStringLiteral("g.dat"), {QString(), QStringLiteral("caja1:5432"), QStringLiteral("arreglos")});

        InstanciaUnica primera(tienda, cerrojos);
        QVERIFY(primera.Tomar());
        QVERIFY(primera.Tomar()); // asking again from the same copy is harmless
        for (const Configuracion &c : mismas) {
            InstanciaUnica segunda(c, cerrojos);
            QVERIFY2(!segunda.Tomar(), qPrintable(c.ruta));
            QCOMPARE(segunda.Motivo(), kYaAbierto);
        }

        // Another shop's database, or a server, on the same machine is another counter.
        InstanciaUnica otra(otraBase, cerrojos), srv(servidor, cerrojos);
        QVERIFY(otra.Tomar());
        QVERIFY(srv.Tomar());
        QVERIFY(!InstanciaUnica(mismoServidor, cerrojos).Tomar());
    }

    // Closing the program, or a crash that left the lock file behind, lets the next copy start.
    void trasCerrarOFallar()
    {
        const Configuracion c = Config(QStringLiteral("h.dat"), {QStringLiteral("h.db")});
        QString ruta;
        {
            InstanciaUnica primera(c, cerrojos);
            QVERIFY(primera.Tomar());
            ruta = primera.Ruta();
            QVERIFY(QFile::exists(ruta));
        }
        QVERIFY(!QFile::exists(ruta));

        // What a copy killed mid-sale leaves: its process number, name and machine.
        QFile huerfano(ruta);
        QVERIFY(huerfano.open(QIODevice::WriteOnly));
        huerfano.write("999999\nhilvan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        huerfano.close();
        InstanciaUnica siguiente(c, cerrojos);
        QVERIFY(siguiente.Tomar());
        QVERIFY(siguiente.Motivo().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PruebaFormato)
#include "test_formato.moc"
