#include "AyudasVista.h"
#include "TallerDePrueba.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/SalidaMemoria.h"
#include "ui/PantallaBarrasVista.h"
#include "ui/frmAsigancionVista.h"
#include "ui/frmDetalleReferenciaVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

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

class PruebaTallerGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(PruebaTallerGui)
#include "test_taller_gui.moc"
