#include "DialogosGuion.h"
#include "core/Programa.h"
#include "core/Reloj.h"
#include "printing/ImprimirListado.h"
#include "printing/SalidaListadosPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A grid like a screen's: a hidden id column, then three columns of different widths.
Grid GridDe(int filasDatos)
{
    Grid g(1, 4);
    const QStringList cabecera{QStringLiteral("Id"), QStringLiteral("Nombre"), QStringLiteral("Importe"),
                               QStringLiteral("Fecha")};
    for (int c = 0; c < 4; ++c)
        g.SetTextMatrix(0, c, cabecera[c]);
    g.SetColWidth(0, 0);
    g.SetColWidth(1, 2880);
    g.SetColWidth(2, 1440);
    g.SetColWidth(3, 1440);
    g.SetColAlignment(2, Alineacion::Derecha);
    for (int i = 1; i <= filasDatos; ++i)
        g.AgregarFila({QStringLiteral("secreto%1").arg(i), QStringLiteral("Fila%1").arg(i),
                       QStringLiteral("%1.00").arg(i), QStringLiteral("05/12/26")});
    return g;
}

// The text of each page of a PDF, as a reader of the paper would find it.
QStringList Paginas(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
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
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
             QStringLiteral("1"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    const QRegularExpression re(QStringLiteral(R"re(<word xMin="([\d.]+)"[^>]*>)re")
                                + QRegularExpression::escape(palabra) + QStringLiteral("</word>"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

} // namespace

class PruebaListados : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void paginas_data()
    {
        QTest::addColumn<int>("filas");
        QTest::addColumn<bool>("apaisado");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QString>("ultimaFila");
        QTest::newRow("vertical, 57 filas") << 56 << false << 1 << QStringLiteral("Fila56");
        QTest::newRow("vertical, 58 filas") << 57 << false << 2 << QStringLiteral("Fila57");
        QTest::newRow("apaisado, 44 filas") << 43 << true << 1 << QStringLiteral("Fila43");
        QTest::newRow("apaisado, 45 filas") << 44 << true << 2 << QStringLiteral("Fila44");
        QTest::newRow("vacío") << 0 << false << 1 << QStringLiteral("Nombre");
        QTest::newRow("120 filas") << 120 << false << 3 << QStringLiteral("Fila120");
    }

    void paginas()
    {
        QFETCH(int, filas);
        QFETCH(bool, apaisado);
        QFETCH(int, paginas);
        QFETCH(QString, ultimaFila);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("listado.pdf"));
        DialogosGuion dialogos;
        RelojFijo reloj(QDateTime(QDate(2026, 12, 5), QTime(10, 0)));
        SalidaListadosPdf salida(ruta);
        G().dialogos = &dialogos;
        G().reloj = &reloj;
        G().salidaListados = &salida;

        QVERIFY(ImprimirListado(GridDe(filas), QStringLiteral("Listado"), apaisado));
        // HILVAN_LISTADO_PDF keeps the 120-row listing for a look at the paper.
        if (filas == 120 && qEnvironmentVariableIsSet("HILVAN_LISTADO_PDF"))
            QFile::copy(ruta, qEnvironmentVariable("HILVAN_LISTADO_PDF"));
        const QStringList texto = Paginas(ruta);
        QCOMPARE(texto.size(), paginas);
        const int porPagina = (apaisado ? 44 : 57) - 1;
        for (int k = 1; k <= paginas; ++k) {
            const QString &pagina = texto[k - 1];
            QVERIFY2(pagina.contains(QStringLiteral("05/12/2026 - Pág %1 de %2").arg(k).arg(paginas)),
                     qPrintable(pagina));
            QVERIFY(pagina.contains(QStringLiteral("Listado")));
            QVERIFY(pagina.contains(QStringLiteral("Nombre")) && pagina.contains(QStringLiteral("Importe")));
            // The first data row of each page is the one after the last of the page before.
            if (filas > 0)
                QVERIFY(pagina.contains(QStringLiteral("Fila%1 ").arg((k - 1) * porPagina + 1)));
            QVERIFY(!pagina.contains(QStringLiteral("secreto")));
        }
        QVERIFY(texto.last().contains(ultimaFila));
        QVERIFY(dialogos.mensajes.isEmpty());
        G() = ValoresPrograma();
    }

    void anchosYFallo()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("anchos.pdf"));
        DialogosGuion dialogos;
        SalidaListadosPdf salida(ruta);
        G().dialogos = &dialogos;
        G().salidaListados = &salida;

        // Columns on paper are as wide as on screen: "Nombre" is two inches, "Importe" one.
        QVERIFY(ImprimirListado(GridDe(3), QStringLiteral("Listado"), false));
        const double nombre = XPalabra(ruta, QStringLiteral("Nombre"));
        const double importe = XPalabra(ruta, QStringLiteral("Importe"));
        const double fecha = XPalabra(ruta, QStringLiteral("Fecha"));
        QVERIFY(nombre >= 0 && importe > nombre && fecha > importe);
        QVERIFY2(qAbs((fecha - nombre) - 3 * 72) < 6, qPrintable(QString::number(fecha - nombre)));

        // A printer that cannot take the pages: the user is told, nothing counts as printed.
        SalidaListadosPdf rota(dir.filePath(QStringLiteral("no/existe/listado.pdf")));
        G().salidaListados = &rota;
        QVERIFY(!ImprimirListado(GridDe(3), QStringLiteral("Listado"), false));
        QCOMPARE(dialogos.mensajes.size(), 1);
        QVERIFY(dialogos.mensajes[0].startsWith(QStringLiteral("No se ha podido imprimir")));
        G() = ValoresPrograma();
    }
};

QTEST_MAIN(PruebaListados)
#include "test_listados.moc"
