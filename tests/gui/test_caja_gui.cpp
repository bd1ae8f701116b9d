#include "AyudasVista.h"
#include "BaseDePrueba.h"
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

void Caja(BaseDePrueba &b)
{
    b.Insertar("caja", "importe, concepto, fecha, nombrecierre, cerrado, formapago, idarreglo, idticket",
               {"50, 'Inicio caja', '2026-12-04 09:00:00', '20261204', 1, 1, 0, 0",
                "20, 'Ref. 1', '2026-12-04 10:00:00', '20261204', 1, 1, 1, 0",
                "60, 'Inicio caja', '2026-12-05 09:00:00', '20261205', 0, 1, 0, 0",
                "30, 'Ref. 2', '2026-12-05 10:00:00', '20261205', 0, 2, 2, 0"});
}

void Taller(BaseDePrueba &b)
{
    b.Insertar("costureras", "idcosturera, nombre, desactivado", {"1, 'Ana', 0", "2, 'Berta', 0"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda", {"1, 'Luis', '600111222', 0"});
    b.Insertar("arreglos", "idarreglo, idcliente, fechaarreglo, fechaprevistaentrega, entregadoacliente",
               {"7, 1, '2026-11-20 10:00:00', '2026-12-05 00:00:00', Null",
                "8, 1, '2026-11-02 10:00:00', '2026-11-10 00:00:00', Null"});
    b.Insertar("arreglos_detalles",
               "idarreglo, precio, nombreprenda, referenciaprenda, listoparaentrega, idcosturera, "
               "fechaasignaciontrabajador",
               {"7, 8, 'Falda', '7.1', 0, 1, '2026-11-21 09:00:00'",
                "7, 9, 'Blusa', '7.2', 0, 2, '2026-11-21 09:00:00'",
                "8, 12, 'Abrigo', '8.1', 1, 2, '2026-11-03 09:00:00'"});
}

} // namespace

class PruebaCajaGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hojaDeVenta()
    {
        BaseDePrueba b;
        Caja(b);
        SalidaListadosPdf salida(b.dir.filePath(QStringLiteral("hoja.pdf")));
        G().salidaListados = &salida;
        frmHojaVenta hoja;
        hoja.CargarFormulario(QStringLiteral("20261205"), [&] {
            frmHojaVentaVista v(hoja);
            v.show();
            QVERIFY(v.findChild<QLabel *>()->text().endsWith(QStringLiteral("20261205")));
            QCOMPARE(TextosVista(v.Tabla(), 1), (QStringList{"Ref. 2", "", "Total efectivo", "Total otros",
                                                             "Cambio inicial", "Total en caja"}));
            QCOMPARE(v.Tabla()->model()->index(5, 2).data().toString(), QStringLiteral("60.00"));
            QVERIFY(v.Boton(QStringLiteral("Imprimir"))->height() >= 60);
            QTest::mouseClick(v.Boton(QStringLiteral("Imprimir")), Qt::LeftButton);
            QCOMPARE(salida.impresos, 1);
            QVERIFY(v.isVisible());
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
    }

    void listaDeCajas()
    {
        BaseDePrueba b;
        Caja(b);
        PantallasGui pantallas;
        G().pantallas = &pantallas;
        frmListaCierres lista;
        lista.CargarFormulario([&] {
            frmListaCierresVista v(lista);
            v.show();
            QCOMPARE(TextosVista(v.Tabla(), 1), (QStringList{"90.00", "70.00"}));
            TocarCelda(v.Tabla(), BuscarCelda(v.Tabla(), 0, QStringLiteral("20261204")));
            QTest::mouseClick(v.Boton(QStringLiteral("Ver detalle")), Qt::LeftButton);
            QTest::mouseClick(v.Boton(QStringLiteral("Aceptar")), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(pantallas.hojas, QStringList{"20261204"});
    }

    void pendientesPorTrabajador()
    {
        BaseDePrueba b;
        Taller(b);
        frmPendientesPorTrabajador p;
        p.CargarFormulario([&] {
            frmPendientesPorTrabajadorVista v(p);
            v.show();
            QCOMPARE(v.Tabla()->model()->rowCount(), 0);
            QCOMPARE(v.cmbTrabajadores()->count(), 3);
            v.cmbTrabajadores()->setCurrentIndex(v.cmbTrabajadores()->findText(QStringLiteral("Berta")));
            QTest::mouseClick(v.Boton(QStringLiteral("Ver")), Qt::LeftButton);
            QCOMPARE(TextosVista(v.Tabla(), 1), QStringList{"7.2"});
            QVERIFY(v.Tabla()->isColumnHidden(frmPendientesPorTrabajador::ColArreglo));
            TocarCelda(v.Tabla(), BuscarCelda(v.Tabla(), 1, QStringLiteral("7.2")));
            QTest::mouseClick(v.Boton(QStringLiteral("Visualizar arreglo")), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(G().ArregloACargar, 7);
    }

    void atrasados()
    {
        BaseDePrueba b;
        Taller(b);
        frmAtrasados a;
        a.CargarFormulario([&] {
            frmAtrasadosVista v(a);
            v.show();
            QCOMPARE(TextosVista(v.Tabla(), 0), QStringList{"8"});
            v.cmbMeses()->lineEdit()->selectAll();
            QTest::keyClicks(v.cmbMeses()->lineEdit(), QStringLiteral("0"));
            QTest::mouseClick(v.Boton(QStringLiteral("Ver")), Qt::LeftButton);
            QCOMPARE(TextosVista(v.Tabla(), 0), (QStringList{"7", "8"}));
            QCOMPARE(TextosVista(v.Tabla(), 4), (QStringList{"Luis 600111222", "Luis 600111222"}));
            const QModelIndex siete = BuscarCelda(v.Tabla(), 0, QStringLiteral("7"));
            TocarCelda(v.Tabla(), siete);
            Q_EMIT v.Tabla()->doubleClicked(siete); // the offscreen platform pairs no real double touch
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(G().ArregloACargar, 7);
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
