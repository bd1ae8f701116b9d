#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmParametrosGenerales.h"
#include "ui/frmDecProdVista.h"
#include "ui/frmFIchaClienteVista.h"
#include "ui/frmFamiliasVista.h"
#include "ui/frmListaClientesVista.h"
#include "ui/frmListadoProductosVista.h"
#include "ui/frmMantProductosVista.h"
#include "ui/frmNuevaFamiliaVista.h"
#include "ui/frmParametrosGeneralesVista.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

// The small windows the catalogue opens, shown for real and filled in by the test.
class PantallasCatalogo : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void NuevaFamilia(int idfamilia) override
    {
        frmNuevaFamilia f;
        f.CargarFormulario(idfamilia, [&] {
            frmNuevaFamiliaVista v(f);
            v.show();
            QTest::keyClicks(v.txtFamilia(), QStringLiteral("Camisa"));
            QTest::mouseClick(v.cmdAceptar(), Qt::LeftButton);
            cerrada = !v.isVisible();
        });
    }
    void MantProductos(int idproducto) override { abiertos.append(idproducto); }
    void ListadoProductos() override { abiertos.append(-1); }
    bool cerrada = false;
    QList<int> abiertos;
};

QPushButton *Boton(QWidget &w, const char *nombre)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(nombre));
}

} // namespace

class PruebaCatalogoGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void familias()
    {
        BaseDePrueba b;
        PantallasCatalogo pantallas;
        G().pantallas = &pantallas;
        frmFamilias f;
        f.CargarFormulario([&] {
            frmFamiliasVista v(f);
            v.show();
            QTest::mouseClick(Boton(v, "cmdNuevo"), Qt::LeftButton);
            QVERIFY(pantallas.cerrada);
            QCOMPARE(TextosVista(v.tabla(), 1), QStringList({"Camisa"}));
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
    }

    void fichaYLista()
    {
        BaseDePrueba b;
        PantallasCatalogo pantallas;
        G().pantallas = &pantallas;
        b.Insertar("familias", "idfamilia, nombre", {"1, 'Falda'"});
        frmMantProductos ficha;
        ficha.CargarFormulario(0, [&] {
            frmMantProductosVista v(ficha);
            v.show();
            v.cmbFamilia->setCurrentIndex(1);
            QTest::keyClicks(v.txtDescripcion, QStringLiteral("Bajo"));
            QTest::keyClicks(v.txtPVPPublico, QStringLiteral("12"));
            QCOMPARE(v.txtPagoTrabajador->text(), QStringLiteral("4.00"));
            QTest::keyClicks(v.txtPrecioEspecial, QStringLiteral("9"));
            v.chkActivo->setChecked(true);
            QVERIFY(v.cmdAceptar->height() >= 60);
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(b.dialogos.mensajes, QStringList({"Producto guardado"}));

        frmListadoProductos lista;
        lista.CargarFormulario([&] {
            frmListadoProductosVista v(lista);
            v.show();
            QCOMPARE(TextosVista(v.tabla(), 2), QStringList({"*Bajo"}));
            TocarCelda(v.tabla(), v.tabla()->model()->index(0, 2));
            QTest::mouseClick(Boton(v, "cmdModificar"), Qt::LeftButton);
            QCOMPARE(v.tabla()->currentIndex().row(), 0);
        });
        QCOMPARE(pantallas.abiertos.size(), 1);
        QVERIFY(pantallas.abiertos[0] > 0);

        frmDecProd menu;
        menu.CargarFormulario([&] {
            frmDecProdVista v(menu);
            v.show();
            QTest::mouseClick(Boton(v, "cmdVerArreglo"), Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(pantallas.abiertos.last(), -1);
    }

    void fichaYListaDeClientes()
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
            QTest::mouseClick(v.findChildren<QPushButton *>().last(),
                              Qt::LeftButton); // Cancelar keeps the choice
        });
        QCOMPARE(QString::number(elegido), b.Valor(QStringLiteral("select idcliente from clientes")));
    }

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

QTEST_MAIN(PruebaCatalogoGui)
#include "test_catalogo_gui.moc"
