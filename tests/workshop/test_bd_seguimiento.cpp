#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/SalidaListadosPdf.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QtTest>

namespace {

class PantallasEstado : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void ListaEntregar(int idarreglo) override { estados.append(idarreglo); }
    QList<int> estados;
};

// Today is 05/12/2026. Order 1 is out with two workers (one garment not assigned yet), order 2
// is back in the shop and due today, order 3 was handed over but flagged 0, order 4 is 20 days
// late, order 5 is long delivered.
void Taller(BaseDePrueba &b)
{
    b.Insertar("costureras", "idcosturera, nombre, desactivado",
               {"1, 'Ana ', 0", "2, 'Berta', 0", "3, 'Carmen', 1"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda",
               {"1, 'Luis', '600111222', 0", "2, 'Marta', '600333444', 0"});
    b.Insertar("arreglos", "idarreglo, idcliente, fechaarreglo, fechaprevistaentrega, entregadoacliente",
               {"1, 1, '2026-11-30 10:00:00', '2026-12-10 00:00:00', Null",
                "2, 2, '2026-11-28 10:00:00', '2026-12-05 00:00:00', Null",
                "3, 2, '2026-10-20 10:00:00', '2026-11-01 00:00:00', 0",
                "4, 1, '2026-11-05 10:00:00', '2026-11-15 00:00:00', Null",
                "5, 2, '2026-09-20 10:00:00', '2026-10-01 00:00:00', 1"});
    b.Insertar("arreglos_detalles",
               "idarreglo, precio, nombreprenda, referenciaprenda, listoparaentrega, idcosturera, "
               "fechaasignaciontrabajador",
               {"1, 8, ' Pantalón-azul ', '1.1', 0, 1, '2026-12-01 09:00:00'",
                "1, 4, ' Pantalón-azul ', '1.1', 0, 1, '2026-12-01 09:00:00'",
                "1, 15, 'Falda', '1.2', Null, 2, '2026-12-02 09:00:00'",
                "1, 6, 'Abrigo', '1.3', Null, Null, Null",
                "2, 9, 'Camisa', '2.1', 1, 1, '2026-11-29 09:00:00'",
                "3, 5, 'Vestido', '3.1', 1, 3, '2026-10-21 09:00:00'",
                "4, 12.5, 'Chaqueta', '4.1', 1, 2, '2026-11-06 09:00:00'",
                "4, 7.5, 'Chaqueta', '4.1', 1, 2, '2026-11-06 09:00:00'",
                "5, 10, 'Cortinas', '5.1', 1, 1, '2026-09-21 09:00:00'"});
}

} // namespace

class PruebaSeguimiento : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pendientesPorTrabajador()
    {
        BaseDePrueba b;
        Taller(b);
        PantallasEstado pantallas;
        G().pantallas = &pantallas;
        SalidaListadosPdf salida(b.dir.filePath(QStringLiteral("pendientes.pdf")));
        G().salidaListados = &salida;

        frmPendientesPorTrabajador p;
        p.CargarFormulario([&] {
            // "Todos" first, then every worker by name, the deactivated one too; the list starts empty.
            QCOMPARE(p.cmbTrabajadores.Text, QStringLiteral("Todos"));
            QCOMPARE(p.cmbTrabajadores.elementos[3].texto, QStringLiteral("Carmen"));
            QCOMPARE(p.cmbTrabajadores.ItemData(3), 3);
            QCOMPARE(p.gridListaArreglos.Rows(), 1);
            p.cmdImprimir_Click();  // nothing to print
            p.cmdVerEstado_Click(); // nothing selected
            QCOMPARE(salida.impresos, 0);
            QVERIFY(pantallas.estados.isEmpty());

            // Every worker: one row per garment, the unassigned and the returned ones left out.
            p.cmdAceptar_Click();
            const Grid &g = p.gridListaArreglos;
            QCOMPARE(TextosColumna(g, frmPendientesPorTrabajador::ColReferencia),
                     (QStringList{"1.1", "1.2"}));
            QStringList fila;
            for (int c = 0; c < 6; ++c)
                fila.append(g.TextMatrix(1, c));
            QCOMPARE(fila, (QStringList{"Ana", "1.1", QString::fromUtf8("Pantalónazul"), "01/12/26",
                                        "09/12/26", "1"}));

            // One worker.
            p.cmbTrabajadores.Elegir(2);
            p.cmdAceptar_Click();
            QCOMPARE(TextosColumna(g, 0), QStringList{"Berta"});

            // Back in the shop: gone at the next "Ver"; no worker chosen reads as all.
            b.conexion.Ejecutar(QStringLiteral(
                "update arreglos_detalles set listoparaentrega = 1 where referenciaprenda = '1.2'"));
            p.cmbTrabajadores.Elegir(-1);
            p.cmdAceptar_Click();
            QCOMPARE(TextosColumna(g, frmPendientesPorTrabajador::ColReferencia), QStringList{"1.1"});

            p.gridListaArreglos.Row = 0; // the heading row
            p.cmdVerEstado_Click();
            QVERIFY(pantallas.estados.isEmpty());
            p.gridListaArreglos_Click(1);
            p.cmdVerEstado_Click();
            QCOMPARE(pantallas.estados, QList<int>{1});
            QVERIFY(p.Abierto);
            p.cmdImprimir_Click();
            QCOMPARE(salida.impresos, 1);
            QCOMPARE(salida.ultimo.titulo, QStringLiteral("Listado"));

            p.gridListaArreglos_DblClick(0);
            QCOMPARE(G().ArregloACargar, 0);
            p.cmdVisualizar_Click();
        });
        QCOMPARE(G().ArregloACargar, 1);
        QVERIFY(!G().ArregloACargarParaEntregar);
        QVERIFY(!p.Abierto);
    }

    void atrasados()
    {
        BaseDePrueba b;
        Taller(b);
        frmAtrasados a;
        a.CargarFormulario([&] {
            QCOMPARE(a.cmbMeses.Text, QStringLiteral("15"));
            // Fifteen days: order 4 only; order 3 was handed over with the flag 0.
            QCOMPARE(TextosColumna(a.gridAtrasados, frmAtrasados::ColArreglo), QStringList{"4"});
            QStringList fila;
            for (int c = 0; c < 5; ++c)
                fila.append(a.gridAtrasados.TextMatrix(1, c));
            QCOMPARE(fila, (QStringList{"4", "15/11/26", "20", "20.00", "Luis 600111222"}));

            // Threshold 0: due today counts, with 0 days; sorted by customer.
            a.cmbMeses.Elegir(0);
            a.cmdVer_Click();
            QCOMPARE(TextosColumna(a.gridAtrasados, frmAtrasados::ColArreglo), (QStringList{"4", "2"}));
            QCOMPARE(a.gridAtrasados.TextMatrix(2, frmAtrasados::ColDias), QStringLiteral("0"));

            // Typed text: a number searches, anything else is refused and the list stays.
            a.cmbMeses.Text = QStringLiteral("21");
            a.cmdVer_Click();
            QCOMPARE(a.gridAtrasados.Rows(), 1);
            a.cmbMeses.Text = QStringLiteral(" 20 ");
            a.cmdVer_Click();
            QCOMPARE(a.gridAtrasados.Rows(), 2);
            for (const char *malo : {"abc", "", "-3", "7.5"}) {
                a.cmbMeses.Text = QString::fromLatin1(malo);
                a.cmdVer_Click();
            }
            QCOMPARE(a.gridAtrasados.Rows(), 2);
            QCOMPARE(b.dialogos.mensajes.size(), 4);
            QCOMPARE(b.dialogos.mensajes[0], QString::fromUtf8("Escriba un número de días (0 o más)."));

            a.gridAtrasados_DblClick(1);
        });
        QCOMPARE(G().ArregloACargar, 4);
    }
};

QTEST_MAIN(PruebaSeguimiento)
#include "test_bd_seguimiento.moc"
