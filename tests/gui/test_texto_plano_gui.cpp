#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "ui/DialogosQt.h"
#include "ui/Estilo.h"
#include "ui/PantallasQt.h"
#include "ui/frmColoresVista.h"
#include "ui/frmFIchaClienteVista.h"
#include "ui/frmListaClientesVista.h"
#include "ui/frmPrincipalVista.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Markup, entities and a script, as a customer and a colour.
const QString Cliente = QStringLiteral("<b>Ana</b> & Tom &amp; &lt;i&gt; <script>alert(1)</script>");
const QString ColorConMarcas = QStringLiteral("<font color=red>Rojo</font> &amp; <script>x()</script>");

// No label of the window may read its text as markup, whatever it holds now.
void SoloTextoPlano(QWidget *ventana)
{
    for (QLabel *l : ventana->findChildren<QLabel *>())
        QVERIFY2(l->textFormat() == Qt::PlainText,
                 qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
}

void AlAbrir(const std::function<void(QDialog *)> &usuario)
{
    QTimer::singleShot(0, [usuario] {
        auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(w);
        usuario(w);
        if (w->isVisible())
            w->reject();
    });
}

} // namespace

class PruebaTextoPlanoGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Estilo::Aplicar(); }

    void datosConMarcasSeMuestranTalCual()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        b.conexion.Ejecutar(
            QStringLiteral("insert into clientes (nombre, telefono, estienda) values (%1, '600999888', 0)")
                .arg(ComillasSQL(Cliente)));
        b.conexion.Ejecutar(
            QStringLiteral("insert into colores (nombre) values (%1)").arg(ComillasSQL(ColorConMarcas)));
        const QString idcliente =
            b.Valor(QStringLiteral("select idcliente from clientes where telefono = '600999888'"));

        // The sale screen shows the customer's name as it is.
        PantallasQt pantallas;
        G().pantallas = &pantallas;
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        b.dialogos.pad = {QStringLiteral("600999888")};
        QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdTelefono")), Qt::LeftButton);
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtNombreCliente"))->text(), Cliente);
        SoloTextoPlano(&v);

        // The customer list and card.
        frmListaClientes lista;
        lista.CargarFormulario([&] {
            frmListaClientesVista vl(lista);
            vl.show();
            QVERIFY(BuscarCelda(vl.tabla(), 1, Cliente).isValid());
            SoloTextoPlano(&vl);
        });
        frmFIchaCliente ficha;
        ficha.CargarFormulario(QString(), idcliente.toInt(), [&] {
            frmFIchaClienteVista vf(ficha);
            vf.show();
            QCOMPARE(vf.txtNombre->text(), Cliente);
            SoloTextoPlano(&vf);
        });

        // The colours and the question that quotes a customer, in the real windows.
        frmColores colores;
        colores.CargarFormulario([&] {
            frmColoresVista vc(colores);
            vc.show();
            bool hallado = false;
            for (int c = 1; c < vc.findChild<QTableView *>()->model()->columnCount(); c += 2)
                hallado |= BuscarCelda(vc.findChild<QTableView *>(), c, ColorConMarcas).isValid();
            QVERIFY(hallado);
            SoloTextoPlano(&vc);
        });
        DialogosQt dialogos;
        const QString pregunta = QString::fromUtf8("¿Borrar el cliente ") + Cliente + QStringLiteral("?");
        AlAbrir([&](QDialog *w) {
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblMensaje"))->text(), pregunta);
            SoloTextoPlano(w);
        });
        dialogos.MensajeSiNo(pregunta);
        G().pantallas = nullptr;
    }
};

QTEST_MAIN(PruebaTextoPlanoGui)
#include "test_texto_plano_gui.moc"
