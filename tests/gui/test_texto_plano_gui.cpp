#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"
#include "ui/DialogosQt.h"
#include "ui/Estilo.h"
#include "ui/PantallasQt.h"
#include "ui/VentanaTicket.h"
#include "ui/VistaPreviaTicket.h"
#include "ui/frmColoresVista.h"
#include "ui/frmFIchaClienteVista.h"
#include "ui/frmListaClientesVista.h"
#include "ui/frmPrincipalVista.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Markup, entities and a script, as a customer, a colour, a garment type and a payment method.
const QString Cliente = QStringLiteral("<b>Ana</b> & Tom &amp; &lt;i&gt; <script>alert(1)</script>");
const QString ColorConMarcas = QStringLiteral("<font color=red>Rojo</font> &amp; <script>x()</script>");
const QString Familia = QStringLiteral("<i>Abrigo</i> &nbsp; <a href='x'>largo</a>");
const QString FormaPago = QStringLiteral("Tarjeta & <b>Bizum</b>");

class PantallasMarcadas : public PantallasQt
{
public:
    QString Colores() override { return ColorConMarcas; }
};

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
        b.conexion.Ejecutar(QStringLiteral("insert into familias (idfamilia, nombre) values (90, %1)")
                                .arg(ComillasSQL(Familia)));
        b.conexion.Ejecutar(
            QStringLiteral("insert into productos (idfamilia, nombre, precio1, precio2, activo) values "
                           "(90, 'Acortar', 10, 8, 0)"));
        const QString idcliente =
            b.Valor(QStringLiteral("select idcliente from clientes where telefono = '600999888'"));

        // The sale screen: the customer's name, the garment with its colour, the payment method.
        PantallasMarcadas pantallas;
        G().pantallas = &pantallas;
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        b.dialogos.pad = {QStringLiteral("600999888")};
        QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdTelefono")), Qt::LeftButton);
        QCOMPARE(v.findChild<QLabel *>(QStringLiteral("txtNombreCliente"))->text(), Cliente);
        auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
        TocarCelda(familias, BuscarCelda(familias, 1, Familia));
        auto *tpv = v.findChild<QTableView *>(QStringLiteral("gridTPV"));
        TocarCelda(tpv, tpv->model()->index(0, frmPrincipal::ColNombre));
        QCOMPARE(TextosVista(tpv, frmPrincipal::ColNombre).first(),
                 QStringLiteral("-- ") + Familia + QLatin1Char(' ') + ColorConMarcas + QStringLiteral(" --"));
        b.dialogos.formasPago = {{FormaPago, 2}};
        QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdFormasPago")), Qt::LeftButton);
        QAccessibleInterface *boton = QAccessible::queryAccessibleInterface(
            v.findChild<QPushButton *>(QStringLiteral("cmdFormasPago")));
        QCOMPARE(boton->text(QAccessible::Name), FormaPago);
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

        // The on-screen ticket of an order of that customer.
        b.conexion.Ejecutar(
            QStringLiteral("insert into arreglos (idarreglo, idusuario, idcliente, fechaarreglo) "
                           "values (500, 1, %1, '2026-12-05 10:30:00')")
                .arg(idcliente));
        SalidaMemoria impresora;
        G().salidaTickets = &impresora;
        G().AnchuraTicket = 40;
        ImprimirTicketArreglo(500);
        G().salidaTickets = nullptr;
        VentanaTicket ticket(impresora.Bytes(), 40);
        QStringList textos;
        for (QWidget *w : ticket.findChildren<QWidget *>())
            if (auto *vista = dynamic_cast<VistaPreviaTicket *>(w))
                for (const LineaImpresa &l : vista->Lineas())
                    textos.append(l.texto);
        QVERIFY2(textos.contains(QStringLiteral("Cliente: ") + Cliente), qPrintable(textos.join(u'|')));
        G().pantallas = nullptr;
    }
};

QTEST_MAIN(PruebaTextoPlanoGui)
#include "test_texto_plano_gui.moc"
