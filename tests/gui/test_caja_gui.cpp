#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/ImprimirListado.h"
#include "printing/SalidaListadosPdf.h"
#include "printing/SalidaMemoria.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/PantallaBarrasVista.h"
#include "ui/SalidaListadosImpresora.h"
#include "ui/frmAsigancionVista.h"
#include "ui/frmDetalleReferenciaVista.h"
#include "ui/frmHojaVentaVista.h"
#include "ui/frmPagosATrabajadoresVista.h"
#include "ui/frmPagosTiendasVista.h"
#include "ui/frmSeguimientoVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
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

class PantallasTaller : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void DetalleReferencia(const QString &referencia) override { detalles.append(referencia); }
    QStringList detalles;
};

void Escribir(QLineEdit *caja, const QString &texto)
{
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

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

    void pagosATrabajadores()
    {
        BaseDePrueba b;
        b.Insertar("costureras", "idcosturera, nombre, desactivado", {"1, 'Rosa', 0"});
        b.Insertar("clientes", "idcliente, nombre, estienda", {"1, 'Ana', 0"});
        b.Insertar("productos", "idproducto, idfamilia, nombre, precio3", {"1, 1, 'Bajo', 0"});
        b.Insertar("arreglos", "idarreglo, idcliente", {"10, 1"});
        b.Insertar("arreglos_detalles",
                   "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, "
                   "listoparaentrega, idcosturera, pagadoatrabajador",
                   {"10, 1, 12, 'Falda', '10.1', 1, 1, 0", "10, 1, 9, 'Falda', '10.2', 1, 1, 1"});
        frmPagosATrabajadores f;
        f.PrimeraPagina = 1; // the rest arrives behind the first row
        f.CargarFormulario([&] {
            frmPagosATrabajadoresVista v(f);
            v.show();
            QCOMPARE(v.cmbEstado()->currentText(), QStringLiteral("No pagado"));
            v.cmbEstado()->setCurrentIndex(0);
            QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdTodos")), Qt::LeftButton);
            QTRY_VERIFY(!f.ListaIncompleta);
            QTRY_COMPARE(TextosVista(v.tabla(), 1), QStringList({"10.2", "10.1", "", ""}));
            QCOMPARE(TextosVista(v.tabla(), 3), QStringList({"3.00", "4.00", "----------", "7.00"}));
            DobleToque(v.tabla(), BuscarCelda(v.tabla(), 1, QStringLiteral("10.1")));
            QCOMPARE(v.tabla()->model()->index(1, 4).data().toString(), QStringLiteral("SI"));
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(
            b.Valor(QStringLiteral("select count(*) from arreglos_detalles where pagadoatrabajador = 1")),
            QStringLiteral("2"));
    }

    void pagosTiendas()
    {
        BaseDePrueba b;
        G().NombreCierre = QStringLiteral("20261205");
        b.Insertar("clientes", "idcliente, nombre, estienda", {"2, 'Boutique Luna', 1"});
        b.Insertar("arreglos", "idarreglo, idcliente, fecharealentrega, entregadoacliente",
                   {"20, 2, '2026-11-15 10:00:00', 1"});
        b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda",
                   {"20, 1, 30, '20.1'"});
        b.Insertar("caja", "importe, concepto, nombrecierre, idarreglo", {"10, 'Ref. 20', '20261101', 20"});
        frmPagosTiendas f;
        f.CargarFormulario([&] {
            frmPagosTiendasVista v(f);
            v.show();
            v.cmbTienda()->setCurrentIndex(1);
            v.chkPendientes()->setChecked(true);
            QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
            QCOMPARE(TextosVista(v.tabla(), 4), QStringList({"20.00", "------", "20.00"}));
            b.dialogos.siNo = {6};
            DobleToque(v.tabla(), BuscarCelda(v.tabla(), 1, QStringLiteral("20")));
            QCOMPARE(b.dialogos.preguntas.size(), 1);
            QCOMPARE(v.tabla()->model()->rowCount(), 0); // settled: no longer pending
            QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdsalir")), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja where nombrecierre = '20261205'")),
                 QStringLiteral("2"));
    }

    void asignacion()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        PantallasTaller pantallas;
        G().pantallas = &pantallas;
        frmAsigancion a;
        a.CargarFormulario([&] {
            frmAsigancionVista v(a);
            v.show();
            QTableView *t = v.tabla();
            QCOMPARE(t->model()->rowCount(), 5);
            QCOMPARE(v.lblViendo()->text(), QStringLiteral("Mostrando arreglos no asigandos a trabajador"));
            QVERIFY(v.Boton("Asignar a trabajador")->height() >= 60);

            b.dialogos.trabajadores = {1};
            TocarCelda(t, BuscarCelda(t, 1, "10.2"));
            QTest::mouseClick(v.Boton("Asignar a trabajador"), Qt::LeftButton);
            QCOMPARE(t->model()->index(BuscarCelda(t, 1, "10.2").row(), 6).data().toString(),
                     QStringLiteral("Rosa"));

            QSignalSpy completa(&v, &frmAsigancionVista::ListaCompleta);
            QTest::mouseClick(v.Boton("Ver todos los arreglos"), Qt::LeftButton);
            QVERIFY(completa.count() == 1 || completa.wait(5000));
            QVERIFY(!v.Cargando());
            QCOMPARE(t->model()->rowCount(), 5);
            QCOMPARE(v.lblViendo()->text(), QStringLiteral("Mostrando todos los arreglos"));
            QCOMPARE(QApplication::overrideCursor(), nullptr);

            const QModelIndex falda = BuscarCelda(t, 1, "10.2");
            TocarCelda(t, falda); // the view acts on a double touch of the cell it was pressed on
            QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(falda).center());
            QCOMPARE(pantallas.detalles, QStringList{"10.2"});

            QTest::keyClick(&v, Qt::Key_A); // any key closes the screen
            QVERIFY(!v.isVisible());
        });
        G().pantallas = nullptr;
    }

    // Thirty garment tickets read as fast as a reader types: none lost, each listed once.
    void treintaEscaneosSeguidos()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        b.conexion.Ejecutar(
            "insert into arreglos (idarreglo, idusuario, idcliente, fechaarreglo) select idarreglo "
            "+ 1000, 1, 1, fechaarreglo from arreglos where idarreglo = 10");
        for (int i = 0; i < 30; ++i)
            b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, "
                               "nombreprenda, referenciaprenda) values (1010, 1, 8, 'Camisa', '1010.%1')")
                    .arg(i + 1));
        frmAsignarBArras s;
        s.CargarFormulario([&] {
            PantallaBarrasVista v(s, &s);
            v.show();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            for (int i = 0; i < 30; ++i)
                Escribir(v.txtBarras(), Escaneo(1010, QStringLiteral("1010.%1").arg(i + 1)));
            Escribir(v.txtBarras(), Escaneo(1010, "1010.7"));
            QCOMPARE(v.gridAsignacion()->model()->rowCount(), 30);
            QVERIFY(v.txtBarras()->text().isEmpty());
            // Touching a list gives the keyboard back to the scan box.
            TocarCelda(v.gridTrabajadores(), BuscarCelda(v.gridTrabajadores(), 1, "Rosa"));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            Escribir(v.txtBarras(), Escaneo(10, "10.1"));
            TocarCelda(v.gridAsignacion(), BuscarCelda(v.gridAsignacion(), 0, "1010.3"));
            QCOMPARE(QApplication::focusWidget(), v.txtBarras());
            QCOMPARE(v.gridAsignacion()->model()->index(30, 2).data().toString(), QStringLiteral("Rosa"));
            QTest::keyClick(v.txtBarras(), Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(
            b.Valor("select count(distinct referenciaprenda) from arreglos_detalles where idcosturera = 2"),
            QStringLiteral("30"));
    }

    void detalle()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        SalidaMemoria impresora;
        G().salidaTickets = &impresora;
        frmDetalleReferencia d;
        d.CargarFormulario("10.1", [&] {
            frmDetalleReferenciaVista v(d);
            v.show();
            QCOMPARE(v.lblCliente()->text(), QString::fromUtf8("Cliente: María - 600111222"));
            QCOMPARE(TextosVista(v.gridDetalle(), 1), (QStringList{"", "8.00", "12.00"}));
            QTest::mouseClick(v.cmdTicket(), Qt::LeftButton);
            QCOMPARE(impresora.Tickets().size(), 1);
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
        G().salidaTickets = nullptr;
    }
};

QTEST_MAIN(PruebaCajaGui)
#include "test_caja_gui.moc"
