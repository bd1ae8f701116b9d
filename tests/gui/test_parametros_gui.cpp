#include "BaseDePrueba.h"
#include "masterdata/frmParametrosGenerales.h"
#include "ui/frmParametrosGeneralesVista.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class PruebaParametrosGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elegirImpresoraYGuardar()
    {
        BaseDePrueba b;
        frmParametrosGenerales f;
        f.CargarFomulario([&] {
            frmParametrosGeneralesVista v(f);
            v.resize(1024, 768);
            v.show();
            QCOMPARE(v.txtEmpresa->text(), QStringLiteral("ARREGLOS DE ROPA"));
            QCOMPARE(v.cmbComs->currentText(), QStringLiteral("Vista previa en pantalla"));
            QVERIFY(v.cmdAceptar->height() >= 60);
            QVERIFY(v.cmdAceptar->geometry().bottom() < 768);

            // Choosing the network printer relabels the box and offers an address to edit.
            v.cmbComs->setCurrentIndex(v.cmbComs->findText(QStringLiteral("Impresora de red")));
            Q_EMIT v.cmbComs->activated(v.cmbComs->currentIndex());
            QCOMPARE(v.lblConfPuerto->text(), QString::fromUtf8("Dirección de la impresora de red"));
            QCOMPARE(v.txtConfPuerto->accessibleName(), v.lblConfPuerto->text());
            v.txtConfPuerto->setText(QStringLiteral("tcp://10.0.0.9"));
            v.txtNombre->setText(QStringLiteral("Lola D'Angelo"));

            // A bad width is refused and the screen stays open; then it is saved and closes.
            v.txtAnchuraCarro->setText(QStringLiteral("100"));
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(v.isVisible());
            QVERIFY(b.dialogos.mensajes.last().startsWith(QStringLiteral("Anchura del ticket")));
            v.txtAnchuraCarro->setText(QStringLiteral("48"));
            b.dialogos.siNo = {6, 7};
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(v.result() == QDialog::Accepted);
        });
        QCOMPARE(b.Valor(QStringLiteral("select parametrospuerto from parametros")),
                 QStringLiteral("tcp://10.0.0.9"));
        QCOMPARE(b.Valor(QStringLiteral("select nombre from parametros")), QStringLiteral("Lola D'Angelo"));
        QCOMPARE(b.Valor(QStringLiteral("select anchuracarro from parametros")), QStringLiteral("48"));
        QVERIFY(!f.SalirDelPrograma);

        // Escape closes without saving.
        f.CargarFomulario([&] {
            frmParametrosGeneralesVista v(f);
            v.show();
            v.txtAnchuraCarro->setText(QStringLiteral("30"));
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(b.Valor(QStringLiteral("select anchuracarro from parametros")), QStringLiteral("48"));
    }
};

QTEST_MAIN(PruebaParametrosGui)
#include "test_parametros_gui.moc"
