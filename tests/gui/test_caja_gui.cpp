#include "AyudasVista.h"
#include "TiendaDemo.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"
#include "printing/SalidaListadosPdf.h"
#include "ui/SalidaListadosImpresora.h"
#include "ui/frmHojaVentaVista.h"
#include "ui/frmSeguimientoVista.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

namespace {

class PantallasGui : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void HojaVentaDeCaja(const QString &nombrecierre) override { hojas.append(nombrecierre); }
    QStringList hojas;
};

using Tienda = TiendaDemo<PantallasGui>;

} // namespace

class PruebaCajaGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hojaYListaDeCajas()
    {
        Tienda t;
        SalidaListadosPdf salida(t.b.dir.filePath(QStringLiteral("hoja.pdf")));
        G().salidaListados = &salida;
        frmHojaVenta hoja;
        hoja.CargarFormulario(QStringLiteral("20261205"), [&] {
            frmHojaVentaVista v(hoja);
            v.show();
            QVERIFY(v.findChild<QLabel *>()->text().endsWith(QStringLiteral("20261205")));
            QVERIFY(TextosVista(v.Tabla(), 1).contains(QStringLiteral("Total efectivo")));
            QTest::mouseClick(v.Boton(QStringLiteral("Imprimir")), Qt::LeftButton);
            QCOMPARE(salida.impresos, 1);
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });

        frmListaCierres lista;
        QString elegida;
        lista.CargarFormulario([&] {
            frmListaCierresVista v(lista);
            v.show();
            const QModelIndex segunda = v.Tabla()->model()->index(1, 0);
            elegida = segunda.data().toString();
            TocarCelda(v.Tabla(), segunda);
            QTest::mouseClick(v.Boton(QStringLiteral("Ver detalle")), Qt::LeftButton);
            QTest::mouseClick(v.Boton(QStringLiteral("Aceptar")), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(t.pantallas.hojas, QStringList{elegida});
    }

    // Order 4's garments are with a worker; order 3 is back in the shop, a day late.
    void pendientesYAtrasados()
    {
        Tienda t;
        const QString trabajador = t.b.Valor(
            QStringLiteral("select costureras.nombre from costureras, arreglos_detalles where "
                           "costureras.idcosturera = arreglos_detalles.idcosturera and idarreglo = 4"));
        frmPendientesPorTrabajador p;
        p.CargarFormulario([&] {
            frmPendientesPorTrabajadorVista v(p);
            v.show();
            QCOMPARE(v.Tabla()->model()->rowCount(), 0);
            v.cmbTrabajadores()->setCurrentIndex(v.cmbTrabajadores()->findText(trabajador));
            QTest::mouseClick(v.Boton(QStringLiteral("Ver")), Qt::LeftButton);
            TocarCelda(v.Tabla(), BuscarCelda(v.Tabla(), 1, QStringLiteral("4.1")));
            QTest::mouseClick(v.Boton(QStringLiteral("Visualizar arreglo")), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(G().ArregloACargar, 4);

        frmAtrasados a;
        a.CargarFormulario([&] {
            frmAtrasadosVista v(a);
            v.show();
            v.cmbMeses()->lineEdit()->selectAll();
            QTest::keyClicks(v.cmbMeses()->lineEdit(), QStringLiteral("0"));
            QTest::mouseClick(v.Boton(QStringLiteral("Ver")), Qt::LeftButton);
            const QModelIndex tres = BuscarCelda(v.Tabla(), 0, QStringLiteral("3"));
            TocarCelda(v.Tabla(), tres);
            Q_EMIT v.Tabla()->doubleClicked(tres); // the offscreen platform pairs no real double touch
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(G().ArregloACargar, 3);
    }

    // What the preview's print button does, on a PDF "printer": written, or told it failed.
    void vistaPrevia()
    {
        QTemporaryDir dir;
        Grid g(1, 2);
        g.SetTextMatrix(0, 1, QStringLiteral("Concepto"));
        g.AgregarFila({QStringLiteral("1"), QStringLiteral("Ref. 7")});
        for (const QString &ruta :
             {dir.filePath(QStringLiteral("hoja.pdf")), dir.filePath(QStringLiteral("no/hoja.pdf"))}) {
            VistaPreviaListado v(
                PaginarListado(g, QStringLiteral("Hoja de venta"), true, QDate(2026, 12, 5)));
            QCOMPARE(v.printer()->pageLayout().orientation(), QPageLayout::Landscape);
            v.printer()->setOutputFormat(QPrinter::PdfFormat);
            v.printer()->setOutputFileName(ruta);
            v.findChild<QPrintPreviewWidget *>()->print();
            QCOMPARE(v.fallo, !QFile::exists(ruta));
            QCOMPARE(v.fallo, ruta.contains(QStringLiteral("/no/")));
        }
    }
};

QTEST_MAIN(PruebaCajaGui)
#include "test_caja_gui.moc"
