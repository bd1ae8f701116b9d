#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "ui/frmDecProdVista.h"
#include "ui/frmFamiliasVista.h"
#include "ui/frmListadoProductosVista.h"
#include "ui/frmMantProductosVista.h"
#include "ui/frmNuevaFamiliaVista.h"

#include <QCheckBox>
#include <QComboBox>
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
};

QTEST_MAIN(PruebaCatalogoGui)
#include "test_catalogo_gui.moc"
