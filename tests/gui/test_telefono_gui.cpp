#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmFIchaCliente.h"
#include "ui/PantallasQt.h"
#include "ui/frmCalculadora2Vista.h"
#include "ui/frmPrincipalVista.h"

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

class PruebaTelefonoGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void telefonoNuevoEnLaFicha()
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

        b.dialogos.pad = {QStringLiteral("699000111")};
        QVERIFY(Boton(v, "cmdTelefono")->isEnabled());
        QTest::mouseClick(Boton(v, "cmdTelefono"), Qt::LeftButton);
        QCOMPARE(pantallas.telefonoEnFicha, QStringLiteral("699000111"));
        QCOMPARE(Caja(v, "txtTelefono"), QStringLiteral("699000111"));
        QCOMPARE(Caja(v, "txtNombreCliente"), QString::fromUtf8("Rosa Díaz"));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from clientes where telefono = '699000111'")),
                 QStringLiteral("1"));

        // The calculator opens beside the sale screen, which goes on answering.
        QTest::mouseClick(Boton(v, "cmdCalculadora"), Qt::LeftButton);
        frmCalculadora2Vista *calculadora = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<frmCalculadora2Vista *>(w))
                calculadora = c;
        QVERIFY(calculadora && calculadora->isVisible() && !calculadora->isModal());
        auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
        QTest::mouseClick(familias->viewport(), Qt::LeftButton, {},
                          familias->visualRect(familias->model()->index(0, 1)).center());
        QCOMPARE(p.gridTPV.Rows(), 2);
        calculadora->close();

        // Handing an order over: the customer cannot change.
        p.ReiniciarVenta();
        p.CargarArreglo(4, true);
        v.Repintar();
        QVERIFY(!Boton(v, "cmdTelefono")->isEnabled());
        QVERIFY(!Boton(v, "cmdBuscarCliente")->isEnabled());
        QVERIFY(!familias->isEnabled());
        QCOMPARE(Caja(v, "txtSenal"), QStringLiteral("5.00"));
        QVERIFY(Boton(v, "cmdMerceria")->isEnabled());
        QVERIFY(Boton(v, "Command1")->isEnabled());
    }
};

QTEST_MAIN(PruebaTelefonoGui)
#include "test_telefono_gui.moc"
