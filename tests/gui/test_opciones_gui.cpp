#include "AyudasVista.h"
#include "TiendaDemo.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmTrabajadores.h"
#include "menu/FRMoPCIONES.h"
#include "ui/Estilo.h"
#include "ui/FRMoPCIONESVista.h"
#include "ui/PrendasArregloVista.h"
#include "ui/SelectorVista.h"
#include "ui/frmListaArreglosClienteVista.h"
#include "ui/frmListaTrabajadoresVista.h"
#include "ui/frmNuevoTrabajadorVista.h"
#include "ui/frmPrincipalVista.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Records the screens opened; the menu of the sale screen hands order 3 over.
class PantallasAnotadas : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void ListaTrabajadores() override { abiertas.append(QStringLiteral("trabajadores")); }
    void NuevoTrabajador(int id) override { abiertas.append(QStringLiteral("trabajador %1").arg(id)); }
    void ListaPrendas(int id) override { abiertas.append(QStringLiteral("prendas %1").arg(id)); }
    void Opciones() override
    {
        G().ArregloACargar = 3;
        G().ArregloACargarParaEntregar = true;
    }
    QStringList abiertas;
};

using Tienda = TiendaDemo<PantallasAnotadas>;

void DobleToque(QTableView *t, int fila)
{
    const QPoint punto = t->visualRect(t->model()->index(fila, 1)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, punto);
}

} // namespace

class PruebaOpcionesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Estilo::Aplicar(); }

    void menu()
    {
        Tienda t;
        FRMoPCIONES m;
        m.cmdConfigEnabled = false; // an unavailable screen's button stays in place, greyed
        m.CargarFormulario([&] {
            FRMoPCIONESVista v(m);
            v.show();
            QVERIFY(!v.Boton(QString::fromUtf8("Parámetros configuración"))->isEnabled());
            QTest::mouseClick(v.Boton(QStringLiteral("Trabajadores")), Qt::LeftButton);
            QVERIFY(v.isVisible());
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(t.pantallas.abiertas, QStringList{QStringLiteral("trabajadores")});

        // The sale screen's "Opciones" leads back to it with the order handed over, read-only.
        frmPrincipal p;
        p.ReiniciarVenta();
        frmPrincipalVista venta(p);
        venta.show();
        QTest::mouseClick(venta.findChild<QPushButton *>(QStringLiteral("cmdVerOpciones")), Qt::LeftButton);
        QCOMPARE(t.b.dialogos.mensajes, QStringList());
        QVERIFY(G().EntregandoArreglo);
        auto *tpv = venta.findChild<QTableView *>(QStringLiteral("gridTPV"));
        QVERIFY(!TextosVista(tpv, frmPrincipal::ColBorrar).contains(QStringLiteral("X")));
        QVERIFY(!venta.findChild<QPushButton *>(QStringLiteral("cmdFechaEntrega"))->isEnabled());
        QCOMPARE(venta.findChild<QLabel *>(QStringLiteral("lblNumReferencia"))->text(),
                 QStringLiteral("Ref. 3"));
    }

    void trabajadores()
    {
        Tienda t;
        frmListaTrabajadores lista;
        lista.CargarFormulario([&] {
            frmListaTrabajadoresVista v(lista);
            v.show();
            QVERIFY(TextosVista(v.gridFamilias, 1).contains(QStringLiteral("*Lucía (jubilada)")));
            TocarCelda(v.gridFamilias, BuscarCelda(v.gridFamilias, 1, QStringLiteral("Pilar")));
            QTest::mouseClick(v.cmdEditarFamilia, Qt::LeftButton);
            QTest::mouseClick(v.cmdNuevo, Qt::LeftButton);
            QTest::mouseClick(v.cmdSalir, Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(t.pantallas.abiertas,
                 (QStringList{QStringLiteral("trabajador 2"), QStringLiteral("trabajador 0")}));

        frmNuevoTrabajador d;
        d.CargarFormulario(2, [&] {
            frmNuevoTrabajadorVista v(d);
            v.show();
            QCOMPARE(v.txtFamilia->text(), QStringLiteral("Pilar"));
            QCOMPARE(v.cmdAceptar->text(), QStringLiteral("Actualizar"));
            v.txtFamilia->setText(QStringLiteral("Pilar Ruiz"));
            QTest::mouseClick(v.chkDesactivado, Qt::LeftButton, {},
                              QPoint(10, v.chkDesactivado->height() / 2));
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(t.b.Valor(QStringLiteral(
                     "select nombre from costureras where desactivado = 1 and idcosturera = 2")),
                 QStringLiteral("Pilar Ruiz"));

        frmTrabajadores picker;
        SelectorVista v(picker);
        picker.MostrarModal = [&] {
            v.Repintar();
            v.show();
            auto *grid = v.findChild<QTableView *>(QStringLiteral("gridTrabajadores"));
            QCOMPARE(TextosVista(grid, 1), (QStringList{QStringLiteral("Encarna"), QStringLiteral("Rosa")}));
            TocarCelda(grid, BuscarCelda(grid, 1, QStringLiteral("Rosa")));
            QTest::mouseClick(v.findChild<QPushButton *>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
        };
        int elegido = 0;
        picker.CargarFormulario(elegido);
        QCOMPARE(elegido, 1);
    }

    void prendasDeUnArreglo()
    {
        Tienda t;
        frmListaEntregar entregar;
        entregar.CargarFormulario(4, [&] {
            PrendasArregloVista v(entregar, &entregar);
            v.show();
            QCOMPARE(v.lblReferencia->text(), QStringLiteral("Ref. 4"));
            DobleToque(v.gridPrendas, 0);
            QCOMPARE(TextosVista(v.gridPrendas, 2),
                     (QStringList{QStringLiteral("En Tienda"), QStringLiteral("Pendiente")}));
            QTest::mouseClick(v.cmdMarcarComoEntregado, Qt::LeftButton);
            QVERIFY(t.b.dialogos.mensajes.last().contains(QStringLiteral("no han sido recibidas")));
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(!v.isVisible());
        });

        // A delivered order's button stays greyed under its own caption.
        frmListaEntregar entregado;
        entregado.CargarFormulario(1, [&] {
            PrendasArregloVista v(entregado, &entregado);
            v.show();
            QVERIFY(!v.cmdMarcarComoEntregado->isEnabled());
            QCOMPARE(v.cmdMarcarComoEntregado->text(), QStringLiteral("Ya entregado"));
        });

        frmListaArreglosCliente cliente;
        cliente.CargarFormulario(3, [&] {
            frmListaArreglosClienteVista v(cliente);
            v.show();
            QCOMPARE(v.gridListaArreglos->model()->rowCount(), 2);
            QVERIFY(v.gridListaArreglos->isColumnHidden(5));
            DobleToque(v.gridListaArreglos, 1);
            QTest::mouseClick(v.cmdCancelar, Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
        QCOMPARE(t.pantallas.abiertas, QStringList{QStringLiteral("prendas 2")});

        frmLista lista;
        lista.CargarFormulario(2, [&] {
            PrendasArregloVista v(lista, nullptr);
            v.show();
            QVERIFY(!v.cmdMarcarComoEntregado);
            QCOMPARE(v.cmdAceptar->text(), QStringLiteral("Salir"));
            QTest::mouseClick(v.cmdAceptar, Qt::LeftButton);
            QVERIFY(!v.isVisible());
        });
    }
};

QTEST_MAIN(PruebaOpcionesGui)
#include "test_opciones_gui.moc"
