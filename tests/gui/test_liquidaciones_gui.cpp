#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/Programa.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/frmPagosATrabajadoresVista.h"
#include "ui/frmPagosTiendasVista.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

void DobleToque(QTableView *t, const QModelIndex &i)
{
    QVERIFY(i.isValid());
    const QPoint p = t->visualRect(i).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class PruebaLiquidacionesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
};

QTEST_MAIN(PruebaLiquidacionesGui)
#include "test_liquidaciones_gui.moc"
