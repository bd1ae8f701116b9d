#include "TiendaDemo.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "menu/FRMoPCIONES.h"

#include <QtTest>

namespace {

// The sale screen's "Opciones" opens the real menu, and the test plays the user on it.
class PantallasMenu : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void Opciones() override
    {
        FRMoPCIONES menu;
        menu.CargarFormulario([&] { usuario(menu); });
    }
    void ListaTrabajadores() override { abiertas.append(QStringLiteral("trabajadores")); }
    void Calculadora() override { abiertas.append(QStringLiteral("calculadora")); }
    std::function<void(FRMoPCIONES &)> usuario = [](FRMoPCIONES &) {};
    QStringList abiertas;
};

struct Tienda : TiendaDemo<PantallasMenu> {
    // Rows of the order in each of its three tables, as "lines/order/cash".
    QString Restos(int n)
    {
        QStringList r;
        for (const char *tabla : {"arreglos_detalles", "arreglos", "caja"})
            r.append(b.Valor(QStringLiteral("select count(*) from %1 where idarreglo = %2")
                                 .arg(QString::fromLatin1(tabla))
                                 .arg(n)));
        return r.join(QLatin1Char('/'));
    }
};

const QString Entregado = QString::fromUtf8("Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar");
const QString Anular = QString::fromUtf8(
    "¿Desea realmente anular este arreglo?\r\nNo podrá recuperar estos datos\r\n¿Desea continuar?");

} // namespace

class PruebaOpciones : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void abrirYCerrarElMenu()
    {
        Tienda t;
        FRMoPCIONES m;
        bool abierto = false;
        m.CargarFormulario([&] {
            abierto = m.Abierto;
            // Screens opened from the menu come back to it.
            m.Command4_Click();
            m.Command2_Click();
            QVERIFY(m.Abierto);
            // "No" to leaving the program keeps it running with the menu open.
            t.b.dialogos.siNo = {7};
            m.Command1_Click();
            QVERIFY(m.Abierto);
            QVERIFY(!m.TerminarPrograma);
            QVERIFY(t.b.conexion.Abierta());
            m.Form_KeyPress(13);
            QVERIFY(m.Abierto);
            m.Form_KeyPress(27);
        });
        QVERIFY(abierto);
        QVERIFY(!m.Abierto);
        QCOMPARE(t.b.dialogos.preguntas, QStringList{QString::fromUtf8("¿Desea realmente salir?")});
        QCOMPARE(t.pantallas.abiertas,
                 (QStringList{QStringLiteral("trabajadores"), QStringLiteral("calculadora")}));
    }

    void anular()
    {
        Tienda t;
        FRMoPCIONES m;
        const QString lleno1 = t.Restos(1), lleno4 = t.Restos(4);
        QVERIFY(lleno1.endsWith(QStringLiteral("/1/2"))); // order 1: paid on account and at delivery

        // Unknown or typed wrong: nothing asked, nothing shown.
        t.b.dialogos.pad = {QStringLiteral("999"), QStringLiteral("x")};
        m.cmdAnularArreglo_Click();
        m.cmdAnularArreglo_Click();
        QVERIFY(t.b.dialogos.preguntas.isEmpty() && t.b.dialogos.mensajes.isEmpty());

        // A delivered order: two questions answered yes, then refused.
        t.b.dialogos.pad = {QStringLiteral("1")};
        t.b.dialogos.siNo = {6, 6};
        m.cmdAnularArreglo_Click();
        QCOMPARE(t.b.dialogos.preguntas, (QStringList{Entregado, Anular}));
        QCOMPARE(t.b.dialogos.mensajes,
                 QStringList{QStringLiteral("Ese arreglo no se puede anular, ya está entregado al cliente")});
        QCOMPARE(t.Restos(1), lleno1);

        // "No" keeps the order.
        t.b.dialogos.pad = {QStringLiteral("4")};
        t.b.dialogos.siNo = {7};
        m.cmdAnularArreglo_Click();
        QCOMPARE(t.Restos(4), lleno4);

        // A fault on the last delete leaves the whole order in place; then it goes entirely.
        t.b.conexion.Ejecutar(QStringLiteral("alter table caja rename to caja_aparte"));
        t.b.dialogos.pad = {QStringLiteral("4")};
        t.b.dialogos.siNo = {6};
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, m.cmdAnularArreglo_Click());
        t.b.conexion.Ejecutar(QStringLiteral("alter table caja_aparte rename to caja"));
        QCOMPARE(t.Restos(4), lleno4);
        t.b.dialogos.pad = {QStringLiteral("4")};
        t.b.dialogos.siNo = {6};
        m.cmdAnularArreglo_Click();
        QCOMPARE(t.Restos(4), QStringLiteral("0/0/0"));
        QCOMPARE(t.Restos(1), lleno1);
    }

    void modificarVuelveAlMostrador()
    {
        Tienda t;
        frmPrincipal p;
        p.ReiniciarVenta();
        t.pantallas.usuario = [&](FRMoPCIONES &m) {
            t.b.dialogos.pad = {QStringLiteral("77"), QStringLiteral("1"), QStringLiteral("1")};
            t.b.dialogos.siNo = {7, 6};
            m.cmdModificarArreglo_Click(); // unknown
            m.cmdModificarArreglo_Click(); // delivered, "no"
            QVERIFY(m.Abierto);
            m.cmdModificarArreglo_Click(); // delivered, "yes": the menu closes
            QVERIFY(!m.Abierto);
        };
        p.cmdVerOpciones_Click();
        QCOMPARE(t.b.dialogos.titulosPad.first(),
                 QStringLiteral("Introduzca la referencia del arreglo a modificar"));
        QCOMPARE(t.b.dialogos.mensajes, QStringList{QStringLiteral("No se ha encontrado el arreglo 77")});
        QCOMPARE(t.b.dialogos.preguntas.last(), Entregado + QLatin1Char('?'));
        QCOMPARE(p.IdArregloVenta, 1);
        QVERIFY(p.ArregloCargado);
        QVERIFY(!p.EntregarAlAcabar && !G().EntregandoArreglo);
        QVERIFY(p.gridFamiliasEnabled);
        QCOMPARE(G().ArregloACargar, 0);

        // Leaving the menu with Escape changes nothing on the sale screen.
        t.pantallas.usuario = [](FRMoPCIONES &m) { m.Form_KeyPress(27); };
        p.cmdVerOpciones_Click();
        QCOMPARE(p.IdArregloVenta, 1);
    }
};

QTEST_GUILESS_MAIN(PruebaOpciones)
#include "test_bd_opciones.moc"
