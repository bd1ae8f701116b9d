// How many touches the counter needs for a usual order, on the real sale screen and the real dialogs.
#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/SalidaMemoria.h"
#include "ui/DialogosQt.h"
#include "ui/Estilo.h"
#include "ui/PantallasQt.h"
#include "ui/frmPrincipalVista.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

namespace {

// Plays the user: counts every touch, and answers each dialog that opens, in order, with the next
// step of the script (the dialogs are modal, so the steps run from inside their event loops).
class Usuario : public QObject
{
public:
    Usuario()
    {
        connect(&reloj_, &QTimer::timeout, this, [this] { Atender(); });
        reloj_.start(10);
    }
    void Tocar(QWidget *w)
    {
        QVERIFY(w);
        ++toques;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void Tocar(QWidget &v, const char *boton)
    {
        Tocar(v.findChild<QPushButton *>(QString::fromLatin1(boton)));
    }
    void TocarCelda(QTableView *t, const QModelIndex &i)
    {
        ++toques;
        ::TocarCelda(t, i);
    }
    // The next dialog to open gets this.
    void LuegoEnDialogo(std::function<void(QDialog &)> paso) { pasos_.push_back(std::move(paso)); }

    int toques = 0;

private:
    void Atender()
    {
        auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!w || !w->isVisible() || w->property("atendido").toBool() || pasos_.empty())
            return;
        w->setProperty("atendido", true);
        auto paso = std::move(pasos_.front());
        pasos_.pop_front();
        paso(*w);
    }
    QTimer reloj_;
    std::deque<std::function<void(QDialog &)>> pasos_;
};

struct Resultado {
    int toques;
    QString guardado;
    QByteArray impreso;
    bool vacia; // the screen is ready for the next customer
};

// Three garments with five alterations for a known customer, due in two days, paid on the spot,
// up to the printed tickets. With atajos the calendar's and the keypad's one-touch keys are used.
Resultado TomarPedido(bool atajos)
{
    BaseDePrueba b; // 5 December 2026
    LlenarDemo(b.conexion, QDate(2026, 12, 5));
    for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
        b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
    G().NombreCierre = QStringLiteral("20261205");
    SalidaMemoria impresora;
    G().salidaTickets = &impresora;
    PantallasQt pantallas;
    G().pantallas = &pantallas;
    DialogosQt dialogos;
    G().dialogos = &dialogos;
    frmPrincipal p;
    p.ReiniciarVenta();
    frmPrincipalVista v(p);
    dialogos.FijarPadre(&v);
    v.show();
    QApplication::processEvents();

    Usuario u;
    auto *familias = v.findChild<QTableView *>(QStringLiteral("gridFamilias"));
    auto *productos = v.findChild<QTableView *>(QStringLiteral("gridProductos"));
    auto *tpv = v.findChild<QTableView *>(QStringLiteral("gridTPV"));
    auto teclas = [&u](const QString &cifras) {
        return [&u, cifras](QDialog &d) {
            for (QChar c : cifras)
                u.Tocar(d, c == u'.' ? "npunto" : qPrintable(QStringLiteral("n") + c));
            u.Tocar(d, "cmdOk");
        };
    };
    auto prenda = [&](const char *familia, std::initializer_list<const char *> arreglos) {
        u.TocarCelda(familias, BuscarCelda(familias, 1, QString::fromUtf8(familia)));
        const int separador = tpv->model()->rowCount() - 1;
        for (const char *a : arreglos)
            u.TocarCelda(productos, BuscarCelda(productos, 1, QString::fromUtf8(a)));
        u.LuegoEnDialogo([&u, atajos](QDialog &d) {
            if (atajos) {
                u.Tocar(d, "cmdDosDias");
                return;
            }
            // A touch on the day in the month shown, then "Aceptar".
            ++u.toques;
            d.findChild<QCalendarWidget *>()->setSelectedDate(QDate(2026, 12, 7));
            u.Tocar(d, "cmdAceptar");
        });
        u.TocarCelda(tpv, tpv->model()->index(separador, frmPrincipal::ColFecha));
        u.Tocar(v, "cmdVerFamilias");
    };
    prenda("Pantalón", {"Bajo", "Meter cintura"});
    prenda("Falda", {"Bajo", "Meter cintura"});
    prenda("Camisa", {"Entallar"});

    u.LuegoEnDialogo(teclas(QStringLiteral("600111222")));
    u.Tocar(v, "cmdTelefono");
    if (atajos)
        u.LuegoEnDialogo([&u](QDialog &d) { u.Tocar(d, "cmdExacto"); });
    else
        u.LuegoEnDialogo(teclas(QStringLiteral("52")));
    u.Tocar(v, "cmdPendiente");

    // The staff member (the first of the list), then yes to both tickets.
    for (const char *boton : {"cmdAceptar", "cmdOK", "cmdOK"})
        u.LuegoEnDialogo([&u, boton](QDialog &d) { u.Tocar(d, boton); });
    u.Tocar(v, "cmdAcabarEncargo");

    Resultado r{u.toques, {}, impresora.Bytes(), tpv->model()->rowCount() == 0 && familias->isVisible()};
    for (const char *sql :
         {"select * from arreglos", "select * from arreglos_detalles order by idarreglodetalle",
          "select * from caja"}) {
        Recordset rs = b.conexion.AbrirRecordset(QString::fromLatin1(sql));
        for (; !rs.EOF_(); rs.MoveNext())
            for (int i = 0; i < rs.NumCampos(); ++i)
                r.guardado += TextoDeValor(rs.Campo(i)) + QLatin1Char('|');
    }
    return r;
}

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

    void menosToquesParaLoMismo()
    {
        const Resultado antes = TomarPedido(false);
        const Resultado ahora = TomarPedido(true);
        qInfo("Toques para tres prendas con cinco arreglos, cliente conocido, pago y tickets: %d sin atajos, "
              "%d con ellos",
              antes.toques, ahora.toques);
        // The same order, the same money and the same tickets, with fewer touches.
        QVERIFY(antes.guardado.contains(QStringLiteral("|07/12/2026|")));
        QVERIFY(antes.guardado.contains(QStringLiteral("|Ref. 1|")));
        QCOMPARE(ahora.guardado, antes.guardado);
        QCOMPARE(ahora.impreso, antes.impreso);
        QCOMPARE(antes.impreso.count("\x1bi"), 4); // three garment tickets and the customer's
        QVERIFY(antes.vacia && ahora.vacia);
        QCOMPARE(antes.toques, 39);
        QCOMPARE(ahora.toques, 34);
    }
};

QTEST_MAIN(PruebaToquesGui)
#include "test_toques_gui.moc"
