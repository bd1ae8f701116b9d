// How many touches the counter's everyday work takes on the real sale screen and its real
// windows, counted as a person makes them: every button, cell and keypad key.
#include "AyudasVista.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "ui/common/Estilo.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <deque>

using namespace Qt::StringLiterals;

namespace {

int toques = 0;

// One touch on a button that must be there and available.
void Pulsar(QWidget *w, const QString &nombre)
{
    auto *b = w->findChild<QPushButton *>(nombre);
    QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(nombre));
    ++toques;
    QTest::mouseClick(b, Qt::LeftButton);
}

// One touch on the row of a table that shows the text in the column.
void TocarTexto(QWidget *w, const QString &tabla, int columna, const QString &texto)
{
    auto *t = w->findChild<QTableView *>(tabla);
    QVERIFY2(t && t->isVisible(), qPrintable(tabla));
    ++toques;
    TocarCelda(t, BuscarCelda(t, columna, texto));
}

void Teclear(QWidget *w, const QString &cifras)
{
    for (const QChar c : cifras)
        Pulsar(w, u"n"_s + c);
}

// Plays the user on each modal window as it opens, one step per window, in order. A step runs
// from the event loop, so a window it opens in turn gets the next step.
class Guion
{
public:
    Guion()
    {
        reloj_.setInterval(5);
        QObject::connect(&reloj_, &QTimer::timeout, [this] {
            auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!w || w->property("guion").toBool() || pasos.empty())
                return;
            w->setProperty("guion", true);
            QTimer::singleShot(0, w, [w, paso = pasos.front()] {
                paso(w);
                if (w->isVisible()) // a step that failed leaves its window: close it, never hang
                    w->reject();
            });
            pasos.pop_front();
        });
        reloj_.start();
    }
    std::deque<std::function<void(QDialog *)>> pasos;

private:
    QTimer reloj_;
};

struct Mostrador {
    TiendaDemo<PantallasQt> t;
    DialogosQt dialogos;
    frmPrincipal p;
    std::unique_ptr<frmPrincipalVista> vista;
    Guion guion;
    Mostrador()
    {
        G().dialogos = &dialogos;
        p.ReiniciarVenta();
        vista = std::make_unique<frmPrincipalVista>(p);
        vista->show();
        toques = 0;
    }
    ~Mostrador() { G().dialogos = &t.b.dialogos; }
};

} // namespace

class PruebaToquesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Estilo::Aplicar();
    }

    // A known customer by telephone, three garments with five alterations, all promised in three
    // days, 20 € handed over, every ticket printed.
    void pedido()
    {
        Mostrador m;
        QWidget *v = m.vista.get();
        int porPaso[5] = {};
        int antes = 0;
        auto paso = [&](int i) {
            porPaso[i] = toques - antes;
            antes = toques;
        };

        // Four digits of the telephone, then the customer the keypad offers for them.
        m.guion.pasos.push_back([](QDialog *w) {
            Teclear(w, u"1112"_s);
            Pulsar(w, u"cmdSugerencia0"_s);
        });
        Pulsar(v, u"cmdTelefono"_s);
        QCOMPARE(m.p.IdClienteVenta, 1);
        paso(0);

        const QList<std::pair<QString, QStringList>> prendas = {
            {u"Pantalón"_s, {u"Bajo"_s, u"Meter cintura"_s}},
            {u"Falda"_s, {u"Bajo"_s}},
            {u"Chaqueta"_s, {u"Acortar mangas"_s, u"Cambiar botones"_s}}};
        for (const auto &[familia, arreglos] : prendas) {
            TocarTexto(v, u"gridFamilias"_s, 1, familia);
            for (const QString &a : arreglos)
                TocarTexto(v, u"gridProductos"_s, 1, a);
        }
        paso(1);

        // The first garment's date is the order's: the others take it.
        auto *tpv = v->findChild<QTableView *>(u"gridTPV"_s);
        for (int f = 0; f < tpv->model()->rowCount(); ++f) {
            if (!m.p.EsSeparador(f + 1) || !m.p.gridTPV.TextMatrix(f + 1, frmPrincipal::ColFecha).isEmpty())
                continue;
            m.guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdTresDias"_s); });
            ++toques;
            TocarCelda(tpv, tpv->model()->index(f, frmPrincipal::ColFecha));
        }
        QCOMPARE(m.p.txtFechaEntrega, u"08/12/26"_s);
        paso(2);

        m.guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdBillete20"_s); });
        Pulsar(v, u"cmdPendiente"_s);
        QCOMPARE(m.p.txtPendiente, u"33.00"_s);
        paso(3);

        // A touch on the name, a touch on what to print.
        m.guion.pasos.push_back([](QDialog *w) { TocarTexto(w, u"gridTrabajadores"_s, 1, u"Marisa"_s); });
        m.guion.pasos.push_back([](QDialog *w) { TocarTexto(w, u"gridTrabajadores"_s, 1, u"Todo"_s); });
        Pulsar(v, u"cmdAcabarEncargo"_s);
        paso(4);

        QVERIFY(m.guion.pasos.empty());
        const QString id = m.t.b.Valor("select max(idarreglo) from arreglos");
        QCOMPARE(m.t.b.Valor(u"select count(*) from arreglos_detalles where idarreglo = %1"_s.arg(id)),
                 u"5"_s);
        QCOMPARE(m.t.b.Valor(u"select idusuario from arreglos where idarreglo = %1"_s.arg(id)), u"1"_s);
        QCOMPARE(m.t.impresora.Tickets().size(), 4); // three garments and the customer
        qInfo("Pedido: %d toques (cliente %d, prendas %d, fechas %d, dinero %d, final %d)", toques,
              porPaso[0], porPaso[1], porPaso[2], porPaso[3], porPaso[4]);
        QCOMPARE(toques, 21); // 36 before: 11 + 10 + 6 + 4 + 5
    }

    // The customer comes back for order 3, its garment back in the shop, hands over the garment
    // ticket, which is scanned, and pays the rest.
    void entrega()
    {
        Mostrador m;
        QWidget *v = m.vista.get();
        m.guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdMarcarComoEntregado"_s); });
        m.guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdOK"_s); });
        QTest::keyClicks(v, Escaneo(3, u"3.1"_s));
        QTest::keyClick(v, Qt::Key_Return);
        QCOMPARE(m.p.lblNumReferencia, u"Entrega del arreglo 3"_s);

        m.guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdExacto"_s); });
        Pulsar(v, u"cmdPendiente"_s);
        m.guion.pasos.push_back([](QDialog *w) { TocarTexto(w, u"gridTrabajadores"_s, 1, u"Marisa"_s); });
        m.guion.pasos.push_back(
            [](QDialog *w) { TocarTexto(w, u"gridTrabajadores"_s, 1, u"Solo el del cliente"_s); });
        Pulsar(v, u"cmdAcabarEncargo"_s);

        QVERIFY(m.guion.pasos.empty());
        QCOMPARE(m.t.b.Valor("select entregadoacliente from arreglos where idarreglo = 3"), u"1"_s);
        qInfo("Entrega: %d toques", toques);
        QCOMPARE(toques, 7); // 12 before, typing the order's one digit: 11 + one a digit
    }
};

QTEST_MAIN(PruebaToquesGui)
#include "test_toques_gui.moc"
