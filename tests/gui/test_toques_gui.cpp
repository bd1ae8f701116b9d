// How many touches the counter's everyday work takes on the real sale screen and its real
// windows, counted as a person makes them: every button, cell and keypad key.
#include "AyudasVista.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "ui/common/Estilo.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/DialogosQt.h"

using namespace Qt::StringLiterals;

namespace {

int toques = 0;

void Toque(QWidget *w, const QString &nombre)
{
    ++toques;
    Pulsar(w, nombre);
}

// A touch on the row of a table that shows the text in column 1.
void Tocar(QWidget *w, const QString &tabla, const QString &texto)
{
    auto *t = w->findChild<QTableView *>(tabla);
    QVERIFY2(t && t->isVisible(), qPrintable(tabla));
    ++toques;
    TocarCelda(t, BuscarCelda(t, 1, texto));
}

// The real sale screen on the demo shop, its real windows played step by step.
struct Mostrador : GuionVentanas {
    TiendaDemo<PantallasQt> t;
    DialogosQt dialogos;
    frmPrincipal p;
    std::unique_ptr<frmPrincipalVista> v;
    Mostrador()
    {
        G().dialogos = &dialogos;
        p.ReiniciarVenta();
        v = std::make_unique<frmPrincipalVista>(p);
        v->show();
        toques = 0;
    }
    ~Mostrador() { G().dialogos = &t.b.dialogos; }
    // The user picker and the print choice: a touch on a name, a touch on what to print.
    void Acabar(const QString &imprimir)
    {
        pasos.push_back([](QDialog *w) { Tocar(w, u"gridTrabajadores"_s, u"Marisa"_s); });
        pasos.push_back([imprimir](QDialog *w) { Tocar(w, u"gridTrabajadores"_s, imprimir); });
        Toque(v.get(), u"cmdAcabarEncargo"_s);
        QVERIFY(pasos.empty());
    }
};

} // namespace

class PruebaToquesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Estilo::Aplicar(); }

    // A known customer by telephone, three garments with five alterations, all promised in three
    // days, 20 € handed over, every ticket printed. 36 touches before: 11 + 10 + 6 + 4 + 5.
    void pedido()
    {
        Mostrador m;
        QWidget *v = m.v.get();
        QList<int> pasos;
        // Four digits of the telephone, then the customer the keypad offers for them.
        m.pasos.push_back([](QDialog *w) {
            for (const char *n : {"n1", "n1", "n1", "n2", "cmdSugerencia0"})
                Toque(w, QString::fromLatin1(n));
        });
        Toque(v, u"cmdTelefono"_s);
        QCOMPARE(m.p.IdClienteVenta, 1);
        pasos.append(toques);

        const QList<std::pair<QString, QStringList>> prendas = {
            {u"Pantalón"_s, {u"Bajo"_s, u"Meter cintura"_s}},
            {u"Falda"_s, {u"Bajo"_s}},
            {u"Chaqueta"_s, {u"Acortar mangas"_s, u"Cambiar botones"_s}}};
        for (const auto &[familia, arreglos] : prendas) {
            Tocar(v, u"gridFamilias"_s, familia);
            for (const QString &a : arreglos)
                Tocar(v, u"gridProductos"_s, a);
        }
        pasos.append(toques);

        // The first garment's date is the order's: the others take it.
        m.pasos.push_back([](QDialog *w) { Toque(w, u"cmdTresDias"_s); });
        auto *tpv = v->findChild<QTableView *>(u"gridTPV"_s);
        ++toques;
        TocarCelda(tpv, tpv->model()->index(0, frmPrincipal::ColFecha));
        pasos.append(toques);

        m.pasos.push_back([](QDialog *w) { Toque(w, u"cmdBillete20"_s); });
        Toque(v, u"cmdPendiente"_s);
        QCOMPARE(m.p.txtPendiente, u"33.00"_s);
        pasos.append(toques);

        m.Acabar(u"Todo"_s);
        const QString id = m.t.b.Valor("select max(idarreglo) from arreglos");
        QCOMPARE(m.t.b.Valor(u"select count(*) from arreglos_detalles where idarreglo = %1 and "
                             "fechaentrega is not null"_s.arg(id)),
                 u"5"_s);
        QCOMPARE(m.t.impresora.Tickets().size(), 4); // three garments and the customer
        qInfo("Pedido: %d toques (cliente %d, prendas %d, fechas %d, dinero %d, final %d)", toques, pasos[0],
              pasos[1] - pasos[0], pasos[2] - pasos[1], pasos[3] - pasos[2], toques - pasos[3]);
        QCOMPARE(toques, 21);
    }

    // The customer comes back for order 3, its garment back in the shop: the garment ticket is
    // scanned and the rest paid. 12 touches before, typing the order's one digit.
    void entrega()
    {
        Mostrador m;
        m.pasos.push_back([](QDialog *w) { Toque(w, u"cmdMarcarComoEntregado"_s); });
        m.pasos.push_back([](QDialog *w) { Toque(w, u"cmdOK"_s); });
        QTest::keyClicks(m.v.get(), Escaneo(3, u"3.1"_s));
        QTest::keyClick(m.v.get(), Qt::Key_Return);
        QCOMPARE(m.p.lblNumReferencia, u"Entrega del arreglo 3"_s);
        m.pasos.push_back([](QDialog *w) { Toque(w, u"cmdExacto"_s); });
        Toque(m.v.get(), u"cmdPendiente"_s);
        m.Acabar(u"Solo el del cliente"_s);
        QCOMPARE(m.t.b.Valor("select entregadoacliente from arreglos where idarreglo = 3"), u"1"_s);
        qInfo("Entrega: %d toques", toques);
        QCOMPARE(toques, 7);
    }
};

QTEST_MAIN(PruebaToquesGui)
#include "test_toques_gui.moc"
