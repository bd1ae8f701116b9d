#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "ui/frmFIchaClienteVista.h"
#include "ui/frmListaClientesVista.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

class PruebaClientesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fichaYLista()
    {
        BaseDePrueba b;
        frmFIchaCliente ficha;
        ficha.CargarFormulario(QStringLiteral("600123456"), 0, [&] {
            frmFIchaClienteVista v(ficha);
            v.show();
            QCOMPARE(v.txtTelefono->text(), QStringLiteral("600123456"));
            QVERIFY(!v.cmdVerArreglos->isVisible());
            QVERIFY(v.cmdAceptar->height() >= 60);
            v.txtNombre->setText(QStringLiteral("Rosa Díaz")); // keyClicks types ASCII only
            v.chkEstienda->setChecked(true);
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(v.result() == QDialog::Accepted);
        });
        QCOMPARE(b.Valor(QStringLiteral("select nombre from clientes where telefono = '600123456'")),
                 QStringLiteral("Rosa Díaz"));

        frmListaClientes lista;
        const int elegido = lista.CargarFormulario([&] {
            frmListaClientesVista v(lista);
            v.show();
            QTest::keyClicks(v.txtNombre(), QStringLiteral("rosa"));
            QTest::keyClick(v.txtNombre(), Qt::Key_Return);
            QCOMPARE(v.tabla()->model()->rowCount(), 1);
            QCOMPARE(v.tabla()->model()->index(0, 1).data().toString(), QStringLiteral("(*)Rosa Díaz"));
            const QRect celda = v.tabla()->visualRect(v.tabla()->model()->index(0, 1));
            QTest::mouseClick(v.tabla()->viewport(), Qt::LeftButton, {}, celda.center());
            QTest::mouseClick(v.findChildren<QPushButton *>().last(), Qt::LeftButton); // Cancelar keeps the choice
        });
        QCOMPARE(QString::number(elegido), b.Valor(QStringLiteral("select idcliente from clientes")));
    }
};

QTEST_MAIN(PruebaClientesGui)
#include "test_clientes_gui.moc"
