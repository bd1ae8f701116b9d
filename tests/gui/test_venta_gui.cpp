#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmFIchaCliente.h"
#include "ui/PantallasQt.h"
#include "ui/frmCalculadora2Vista.h"
#include "ui/frmPrincipalVista.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

// The real screens, except the customer card: its form model is filled in and saved as a
// person would on it.
class PantallasFicha : public PantallasQt
{
public:
    void FichaCliente(const QString &telefono, int idcliente) override
    {
        frmFIchaCliente ficha;
        ficha.CargarFormulario(telefono, idcliente, [&] {
            telefonoEnFicha = ficha.txtTelefono;
            ficha.txtNombre = QString::fromUtf8("Rosa Díaz");
            ficha.cmdAceptar_Click();
        });
    }
    QString telefonoEnFicha;
};

QPushButton *Boton(QWidget &v, const char *nombre)
{
    return v.findChild<QPushButton *>(QString::fromLatin1(nombre));
}

QString Caja(QWidget &v, const char *nombre)
{
    return v.findChild<QLabel *>(QString::fromLatin1(nombre))->text();
}

} // namespace

class PruebaVentaGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pedidoATactil()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        PantallasFicha pantallas;
        G().pantallas = &pantallas;
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        QApplication::processEvents();

        auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
        auto *productos = v.findChild<QTableView *>(QStringLiteral("gridProductos"));
        auto *tpv = v.findChild<QTableView *>(QStringLiteral("gridTPV"));
        QVERIFY(familias && productos && tpv);
        QVERIFY(familias->isVisible() && !productos->isVisible());

        TocarCelda(familias, BuscarCelda(familias, 1, QString::fromUtf8("Pantalón")));
        QVERIFY(productos->isVisible() && !familias->isVisible());
        TocarCelda(productos, BuscarCelda(productos, 1, QStringLiteral("Bajo")));
        TocarCelda(productos, BuscarCelda(productos, 1, QStringLiteral("Meter cintura")));
        QCOMPARE(Caja(v, "txtTotal"), QStringLiteral("20.00"));
        TocarCelda(tpv, tpv->model()->index(1, frmPrincipal::ColBorrar));
        QCOMPARE(TextosVista(tpv, frmPrincipal::ColNombre),
                 (QStringList{QString::fromUtf8("-- Pantalón --"), QStringLiteral("Meter cintura")}));
        QCOMPARE(Caja(v, "txtTotal"), QStringLiteral("12.00"));
        QCOMPARE(Caja(v, "txtPendiente"), QStringLiteral("12.00"));
        for (QPushButton *boton : v.findChildren<QPushButton *>())
            if (boton->isVisible())
                QVERIFY2(boton->height() >= 64, qPrintable(boton->objectName()));

        // A new telephone opens the customer card with it; the new customer comes back named.
        b.dialogos.pad = {QStringLiteral("699000111")};
        QTest::mouseClick(Boton(v, "cmdTelefono"), Qt::LeftButton);
        QCOMPARE(pantallas.telefonoEnFicha, QStringLiteral("699000111"));
        QCOMPARE(Caja(v, "txtTelefono"), QStringLiteral("699000111"));
        QCOMPARE(Caja(v, "txtNombreCliente"), QString::fromUtf8("Rosa Díaz"));

        // A payment method's name is the button's caption as it is: "&" is no shortcut key.
        const QString forma = QStringLiteral("Tarjeta & <b>Bizum</b>");
        b.dialogos.formasPago = {{forma, 2}};
        QTest::mouseClick(Boton(v, "cmdFormasPago"), Qt::LeftButton);
        QCOMPARE(QAccessible::queryAccessibleInterface(Boton(v, "cmdFormasPago"))->text(QAccessible::Name),
                 forma);

        // The calculator opens beside the sale screen, which goes on answering.
        QTest::mouseClick(Boton(v, "cmdCalculadora"), Qt::LeftButton);
        frmCalculadora2Vista *calculadora = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<frmCalculadora2Vista *>(w))
                calculadora = c;
        QVERIFY(calculadora && calculadora->isVisible() && !calculadora->isModal());
        for (const char *t : {"1", "2", ".", "5", "+", "7", ".", "5", "="})
            QTest::mouseClick(calculadora->Boton(QString::fromLatin1(t)), Qt::LeftButton);
        QCOMPARE(calculadora->Pantalla(), QStringLiteral("20"));
        QTest::mouseClick(Boton(v, "cmdVerFamilias"), Qt::LeftButton);
        TocarCelda(familias, familias->model()->index(0, 1));
        QVERIFY(productos->isVisible());
        calculadora->close();

        // Handing an order over: the customer and the garments cannot change, payments can.
        p.ReiniciarVenta();
        p.CargarArreglo(4, true);
        v.Repintar();
        QVERIFY(!Boton(v, "cmdTelefono")->isEnabled() && !Boton(v, "cmdBuscarCliente")->isEnabled());
        QVERIFY(!familias->isEnabled());
        QCOMPARE(Caja(v, "txtSenal"), QStringLiteral("5.00"));
        QVERIFY(Boton(v, "cmdMerceria")->isEnabled() && Boton(v, "Command1")->isEnabled());

        // Escape asks before leaving; "Cancelar" keeps the screen.
        b.dialogos.siNo = {7};
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(b.dialogos.preguntas.last(), QString::fromUtf8("¿Cerrar la aplicación?"));
        QVERIFY(v.isVisible());
        G().pantallas = nullptr;
    }
};

QTEST_MAIN(PruebaVentaGui)
#include "test_venta_gui.moc"
