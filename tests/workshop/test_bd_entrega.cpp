#include "AyudasGrid.h"
#include "TiendaDemo.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

#include <QtTest>
#include <functional>

namespace {

// The delivery list is the real form model; the test plays the user on it.
class PantallasEntrega : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void ListaEntregar(int idarreglo) override
    {
        abiertas.append(idarreglo);
        frmListaEntregar lista;
        lista.CargarFormulario(idarreglo, [&] { usuario(lista); });
    }
    void ListaPrendas(int idarreglo) override { prendas.append(idarreglo); }
    std::function<void(frmListaEntregar &)> usuario = [](frmListaEntregar &) {};
    QList<int> abiertas, prendas;
};

struct Tienda : TiendaDemo<PantallasEntrega> {
    QString EnTienda(const QString &referencia)
    {
        return b
            .Columna(QStringLiteral("select distinct listoparaentrega from arreglos_detalles where "
                                    "referenciaprenda = '%1'")
                         .arg(referencia))
            .join(QLatin1Char(','));
    }
};

const QString SinAsignar = QStringLiteral("Todas o alguna de las prendas de este arreglo no han sido "
                                          "asignadas a un trabajador. Asigne las prendas a un "
                                          "trabajador.");
const QString SinRecibir = QStringLiteral("Todas o alguna de las prendas de este arreglo no han sido "
                                          "recibidas en tienda. Debe darlas primero de entrada.");

} // namespace

class PruebaEntrega : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comprobacionesAntesDeEntregar()
    {
        Tienda t;
        t.b.Insertar("arreglos", "idarreglo, idcliente, idusuario", {"50, 1, 1"});
        struct Caso {
            int arreglo;
            QString mensaje;
        };
        // Order 50 has no lines: nothing to check, straight to the question (answered no).
        for (const Caso &c : {Caso{6, SinAsignar}, Caso{4, SinRecibir}, Caso{50, QString()}}) {
            t.b.dialogos.mensajes.clear();
            t.b.dialogos.preguntas.clear();
            frmListaEntregar l;
            l.CargarFormulario(c.arreglo, {});
            QVERIFY(l.cmdMarcarComoEntregadoEnabled);
            l.cmdMarcarComoEntregado_Click();
            QCOMPARE(t.b.dialogos.mensajes, c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje});
            QCOMPARE(t.b.dialogos.preguntas.size(), c.mensaje.isEmpty() ? 1 : 0);
            QCOMPARE(G().ArregloACargar, 0);
        }

        // The order prompt: letters do nothing, an unknown number says so in the caller's words.
        frmPrincipal p;
        p.ReiniciarVenta();
        t.b.dialogos.mensajes.clear();
        t.b.dialogos.pad = {QStringLiteral("abc"), QString(), QStringLiteral("999")};
        for (int i = 0; i < 3; ++i)
            p.cmdEntregaarreglos_Click();
        QCOMPARE(t.b.dialogos.titulosPad.last(),
                 QStringLiteral("Introduzca la referencia del arreglo a entregar"));
        QCOMPARE(t.b.dialogos.mensajes, QStringList{QStringLiteral("No se ha encontrado el arreglo 999")});
        QVERIFY(t.pantallas.abiertas.isEmpty());
    }

    void cambiarPrendaDeEstado()
    {
        Tienda t;
        frmListaEntregar l;
        l.CargarFormulario(4, {});
        QCOMPARE(TextosColumna(l.gridPrendas, 0),
                 (QStringList{QStringLiteral("4.1"), QStringLiteral("4.2")}));
        QCOMPARE(l.lblReferencia, QStringLiteral("Ref. 4"));
        QVERIFY(l.lblCliente.startsWith(QStringLiteral("Cliente: ")));
        QVERIFY(l.lblTelefono.startsWith(QStringLiteral("Tel. ")));
        QCOMPARE(l.gridPrendas.TextMatrix(1, 4), QStringLiteral("Encarna"));
        l.gridPrendas_DblClick(1);
        QCOMPARE(TextosColumna(l.gridPrendas, 2),
                 (QStringList{QStringLiteral("En Tienda"), QStringLiteral("Pendiente")}));
        QCOMPARE(t.EnTienda(QStringLiteral("4.1")), QStringLiteral("1"));
        l.gridPrendas_DblClick(1);
        QCOMPARE(t.EnTienda(QStringLiteral("4.1")), QStringLiteral("0"));

        // No worker yet: refused, the list reloaded unchanged.
        l.CargarFormulario(6, {});
        l.gridPrendas_DblClick(1);
        QCOMPARE(t.b.dialogos.mensajes.last(),
                 QStringLiteral("Debe asignar primero la prenda a un trabajador"));
        QCOMPARE(TextosColumna(l.gridPrendas, 2), QStringList{QStringLiteral("Pendiente")});
        QCOMPARE(t.EnTienda(QStringLiteral("6.1")), QStringLiteral("0"));

        // A delivered order is closed here, but its garments can still move from the customer's history.
        l.CargarFormulario(1, {});
        QCOMPARE(l.lblTrabajador, QStringLiteral("Arreglo ya entregado"));
        QCOMPARE(l.cmdMarcarComoEntregadoCaption, QStringLiteral("Ya entregado"));
        QVERIFY(!l.cmdMarcarComoEntregadoEnabled);
        l.gridPrendas_DblClick(1);
        QCOMPARE(t.b.dialogos.mensajes.last(),
                 QStringLiteral("Arreglo ya entregado a cliente. No se puede modificar."));
        QCOMPARE(t.EnTienda(QStringLiteral("1.1")), QStringLiteral("1"));
        frmLista vista;
        vista.CargarFormulario(1, {});
        QVERIFY(!vista.lblCliente.startsWith(QStringLiteral("Cliente")));
        vista.gridPrendas_DblClick(1);
        QCOMPARE(vista.gridPrendas.TextMatrix(1, 2), QStringLiteral("Pendiente"));
        QCOMPARE(t.EnTienda(QStringLiteral("1.1")), QStringLiteral("0"));
    }

    void entregaTerminaEnElMostrador()
    {
        Tienda t;
        t.pantallas.usuario = [&](frmListaEntregar &l) {
            QCOMPARE(TextosColumna(l.gridPrendas, 2), QStringList{QStringLiteral("En Tienda")});
            t.b.dialogos.siNo = {7, 6};
            l.cmdMarcarComoEntregado_Click(); // "no" keeps the screen open
            QVERIFY(l.Abierto);
            l.cmdMarcarComoEntregado_Click();
            QVERIFY(!l.Abierto);
        };
        frmPrincipal p;
        p.ReiniciarVenta();
        t.b.dialogos.pad = {QStringLiteral("3")};
        p.cmdEntregaarreglos_Click();
        QCOMPARE(t.b.dialogos.preguntas.last(), QStringLiteral("Va a entregar este prenda al cliente?"));
        QCOMPARE(t.pantallas.abiertas, QList<int>{3});
        QCOMPARE(G().ArregloACargar, 0);

        // On the sale screen, in delivery mode: the lines are shown but cannot be touched.
        QVERIFY(G().EntregandoArreglo);
        QCOMPARE(p.IdArregloVenta, 3);
        QVERIFY(p.EntregarAlAcabar);
        QVERIFY(!p.gridFamiliasEnabled);
        const int lineas = p.gridTPV.Rows();
        QVERIFY(lineas > 2);
        QVERIFY(!TextosColumna(p.gridTPV, frmPrincipal::ColBorrar).contains(QStringLiteral("X")));
        const QString precio = p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte);
        t.b.dialogos.pad = {QStringLiteral("1")};
        for (int c : {int(frmPrincipal::ColBorrar), int(frmPrincipal::ColImporte)}) {
            p.gridTPV.Row = 2;
            p.gridTPV.Col = c;
            p.gridTPV_Click();
        }
        QCOMPARE(p.gridTPV.Rows(), lineas);
        QCOMPARE(p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), precio);
        QCOMPARE(t.b.dialogos.pad.size(), size_t(1));
    }

    void arreglosDelCliente()
    {
        Tienda t;
        // Customer 3, a partner shop, brought order 2 (two garments), then order 9: newest first.
        t.b.Insertar("arreglos", "idarreglo, idcliente, idusuario, fechaarreglo, fechaprevistaentrega",
                     {"9, 3, 1, '2026-12-04 10:00:00', '2026-12-09 00:00:00'"});
        t.b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, nombreprenda, referenciaprenda",
                     {"9, 7, 6.5, '-- Falda azul --', '9.1'", "9, 8, 3.25, '-- Falda azul --', '9.1'"});
        frmListaArreglosCliente l;
        l.CargarFormulario(3, {});
        QCOMPARE(TextosColumna(l.gridListaArreglos, 0),
                 (QStringList{QStringLiteral("9.1"), QStringLiteral("2.1"), QStringLiteral("2.2")}));
        QCOMPARE(TextosColumna(l.gridListaArreglos, 5),
                 (QStringList{QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("2")}));
        QCOMPARE(l.gridListaArreglos.TextMatrix(1, 1), QStringLiteral("Falda azul"));
        QCOMPARE(l.gridListaArreglos.TextMatrix(1, 2), QStringLiteral("9.75"));
        QCOMPARE(l.gridListaArreglos.TextMatrix(1, 3), QStringLiteral("04/12/26"));
        QCOMPARE(l.gridListaArreglos.TextMatrix(1, 4), QStringLiteral("09/12/26"));
        l.gridListaArreglos_DblClick(2);
        QCOMPARE(t.pantallas.prendas, QList<int>{2});
        l.CargarFormulario(9, {});
        QCOMPARE(l.gridListaArreglos.Rows(), 1);
    }
};

QTEST_GUILESS_MAIN(PruebaEntrega)
#include "test_bd_entrega.moc"
