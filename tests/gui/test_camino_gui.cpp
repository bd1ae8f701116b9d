// The whole life of an order on the real screens: taken in at the counter, given to a worker and
// received back by scanning its garment tickets, handed over with the rest paid.
#include "AyudasVista.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "counter/frmPrincipal.h"
#include "ui/Estilo.h"
#include "ui/PantallaBarrasVista.h"
#include "ui/PrendasArregloVista.h"
#include "ui/frmPrincipalVista.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmEntradaPrendasBarras.h"
#include "workshop/frmListaEntregar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

// "Entrega de arreglos" opens the real garment list, where the user touches "Entregar a cliente".
class PantallasCamino : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void ListaEntregar(int idarreglo) override
    {
        frmListaEntregar lista;
        lista.CargarFormulario(idarreglo, [&lista] {
            PrendasArregloVista v(lista, &lista);
            v.show();
            QTest::mouseClick(v.cmdMarcarComoEntregado, Qt::LeftButton);
        });
    }
};

void Escanear(QLineEdit *caja, const QString &texto)
{
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

void Tocar(QWidget &v, const char *boton)
{
    QPushButton *b = v.findChild<QPushButton *>(QString::fromLatin1(boton));
    QVERIFY2(b && b->isEnabled(), boton);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class PruebaCaminoGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Estilo::Aplicar(); }

    void deLaTomaALaEntrega()
    {
        TiendaDemo<PantallasCamino> t;
        DialogosGuion &d = t.b.dialogos;
        const QString antes = t.b.Valor("select max(idarreglo) from arreglos");

        // At the counter: two garments, the customer by telephone, 10.00 handed over.
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista v(p);
        v.show();
        auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
        auto *productos = v.findChild<QTableView *>(QStringLiteral("gridProductos"));
        auto *tpv = v.findChild<QTableView *>(QStringLiteral("gridTPV"));
        for (const char *familia : {"Pantalón", "Falda"}) {
            TocarCelda(familias, BuscarCelda(familias, 1, QString::fromUtf8(familia)));
            const int separador = tpv->model()->rowCount() - 1;
            TocarCelda(productos, BuscarCelda(productos, 1, QStringLiteral("Bajo")));
            d.calendario.push_back(QStringLiteral("9/12/2026"));
            TocarCelda(tpv, tpv->model()->index(separador, frmPrincipal::ColFecha));
            Tocar(v, "cmdVerFamilias");
        }
        d.pad = {QStringLiteral("600111222"), QStringLiteral("10")};
        Tocar(v, "cmdTelefono");
        Tocar(v, "cmdPendiente");
        d.usuarios = {1}; // the ticket questions go unanswered: the scans are typed from the references
        Tocar(v, "cmdAcabarEncargo");
        QVERIFY2(d.mensajes.isEmpty(), qPrintable(d.mensajes.join(QLatin1Char('\n'))));
        const qint64 id = t.b.Valor("select max(idarreglo) from arreglos").toLongLong();
        QVERIFY(id > antes.toLongLong());
        const QStringList referencias = t.b.Columna(
            QStringLiteral("select distinct referenciaprenda from arreglos_detalles where idarreglo = %1 "
                           "order by referenciaprenda")
                .arg(id));
        QCOMPARE(referencias, (QStringList{QStringLiteral("%1.1").arg(id), QStringLiteral("%1.2").arg(id)}));
        const double total = t.b.Valor(QStringLiteral("select sum(precio) from arreglos_detalles where "
                                                      "idarreglo = %1").arg(id)).toDouble();

        // To the workshop: the first worker on the list, then both tickets scanned.
        frmAsignarBArras asignar;
        asignar.CargarFormulario([&] {
            PantallaBarrasVista s(asignar, &asignar);
            s.show();
            QVERIFY(QTest::qWaitForWindowActive(&s));
            TocarCelda(s.gridTrabajadores(), s.gridTrabajadores()->model()->index(0, 1));
            for (const QString &r : referencias)
                Escanear(s.txtBarras(), Escaneo(id, r));
            QCOMPARE(s.gridAsignacion()->model()->rowCount(), 2);
            QTest::keyClick(s.txtBarras(), Qt::Key_Escape);
        });
        // Back from the workshop, scanned again.
        frmEntradaPrendasBarras entrada;
        entrada.CargarFormulario([&] {
            PantallaBarrasVista s(entrada, nullptr);
            s.show();
            QVERIFY(QTest::qWaitForWindowActive(&s));
            for (const QString &r : referencias)
                Escanear(s.txtBarras(), Escaneo(id, r));
            QCOMPARE(s.gridAsignacion()->model()->rowCount(), 2);
            QTest::keyClick(s.txtBarras(), Qt::Key_Escape);
        });
        QCOMPARE(t.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = %1 and "
                                          "(idcosturera is null or listoparaentrega <> 1)").arg(id)),
                 QStringLiteral("0"));

        // The customer comes back: the order is found by number and handed over with the rest paid.
        d.pad = {QString::number(id)};
        d.siNo = {6};
        Tocar(v, "cmdEntregaarreglos");
        QVERIFY(G().EntregandoArreglo);
        QCOMPARE(p.IdArregloVenta, int(id));
        QCOMPARE(Val(p.txtPendiente), total - 10);
        d.pad = {TextoNumero(total - 10)};
        Tocar(v, "cmdPendiente");
        d.usuarios = {1};
        Tocar(v, "cmdAcabarEncargo");
        QVERIFY2(d.mensajes.isEmpty(), qPrintable(d.mensajes.join(QLatin1Char('\n'))));

        QCOMPARE(t.b.Valor(QStringLiteral("select entregadoacliente from arreglos where idarreglo = %1").arg(id)),
                 QStringLiteral("1"));
        QCOMPARE(t.b.Valor(QStringLiteral("select sum(importe) from caja where concepto = 'Ref. %1'").arg(id))
                     .toDouble(),
                 total);
        QCOMPARE(t.b.Valor(QStringLiteral("select count(*) from caja where concepto = 'Ref. %1'").arg(id)),
                 QStringLiteral("2"));
        QVERIFY(!G().EntregandoArreglo);
        QCOMPARE(tpv->model()->rowCount(), 0); // ready for the next customer
    }
};

QTEST_MAIN(PruebaCaminoGui)
#include "test_camino_gui.moc"
