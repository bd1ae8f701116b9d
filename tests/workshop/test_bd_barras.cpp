#include "AyudasGrid.h"
#include "TallerDePrueba.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmEntradaPrendasBarras.h"

#include <QtTest>

class PruebaBarras : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void asignarEscaneando()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        b.conexion.Ejecutar("update arreglos_detalles set idcosturera = 1, fechaasignaciontrabajador = "
                            "'2026-12-01 12:00:00' where referenciaprenda = '11.1'");
        frmAsignarBArras s;
        s.CargarFormulario({});
        QCOMPARE(TextosColumna(s.gridTrabajadores, 1), (QStringList{"Lola", "Rosa"})); // Inés has left
        QCOMPARE(s.gridTrabajadores.Row, 1);

        auto escanear = [&s](const QString &texto) {
            s.txtBarras = texto;
            s.Command1_Click();
            QVERIFY(s.txtBarras.isEmpty());
        };
        escanear(Escaneo(10, "10.1"));
        escanear(Escaneo(10, "10.1")); // scanned twice: listed and written once
        s.gridTrabajadores_Click(2);
        escanear(Escaneo(10, "10.2"));
        escanear(Escaneo(11, "11.1"));
        escanear(Escaneo(99, "99.1"));        // no such garment
        escanear(Escaneo(10, "10.1").mid(1)); // no "$": not from the reader
        QCOMPARE(TextosColumna(s.gridAsignacion, 0), (QStringList{"10.1", "10.2", "11.1"}));
        QCOMPARE(TextosColumna(s.gridAsignacion, 2), (QStringList{"Lola", "Rosa", "ASIGNADA"}));
        QVERIFY(s.gridAsignacion.TextMatrix(1, 1).startsWith(QString::fromUtf8("Pantalón/")));
        QCOMPARE(s.gridAsignacion.TextMatrix(2, 1), QStringLiteral("--Falda/Bajo"));
        QCOMPARE(s.gridAsignacion.CellBackColor(3, 1), PantallaBarras::Verde);
        QVERIFY(s.gridAsignacion.CellBackColor(1, 1) != PantallaBarras::Verde);
        QCOMPARE(b.Columna("select idcosturera from arreglos_detalles order by idarreglodetalle"),
                 (QStringList{"2", "2", "1", "1", ""}));
        QCOMPARE(
            b.Valor("select count(*) from arreglos_detalles where fechaasignaciontrabajador is not null"),
            QStringLiteral("4"));

        // Taking a row off the list takes the garment from its worker, also one assigned before.
        s.gridAsignacion_Click(3);
        b.dialogos.siNo = {6};
        s.cmdBorrarFila_Click();
        QCOMPARE(b.dialogos.preguntas.last(),
                 QStringLiteral("Se va a eliminar de la lista la referencia 11.1\r\nChaqueta/Bajo\r\n "
                                "Asignada a : ASIGNADA"));
        QCOMPARE(TextosColumna(s.gridAsignacion, 0), (QStringList{"10.1", "10.2"}));
        QCOMPARE(b.Valor("select idcosturera from arreglos_detalles where referenciaprenda = '11.1'"),
                 QString());
    }

    void entradaEscaneando()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        b.conexion.Ejecutar("update arreglos_detalles set idcosturera = 2 where idarreglo = 10");
        b.conexion.Ejecutar(
            "update arreglos_detalles set listoparaentrega = 1 where referenciaprenda = '10.2'");
        frmEntradaPrendasBarras s;
        s.CargarFormulario({});
        for (const QString &texto :
             {Escaneo(10, "10.1"), Escaneo(10, "10.1"), Escaneo(10, "10.2"), Escaneo(11, "11.1")}) {
            s.txtBarras = texto;
            s.Command1_Click();
        }
        // 11.1 never went to a worker: nothing to receive.
        QCOMPARE(TextosColumna(s.gridAsignacion, 0), (QStringList{"10.1", "10.2"}));
        QCOMPARE(TextosColumna(s.gridAsignacion, 2), (QStringList{"Lola", "ESTABA EN TIENDA"}));
        QCOMPARE(s.gridAsignacion.CellBackColor(2, 2), PantallaBarras::Verde);
        QCOMPARE(b.Columna("select listoparaentrega from arreglos_detalles order by idarreglodetalle"),
                 (QStringList{"1", "1", "1", "", ""}));

        // Deleting only takes the row off the list; the last one leaves the bare header.
        s.gridAsignacion_Click(1);
        b.dialogos.siNo = {7, 6, 6};
        s.cmdBorrarFila_Click();
        QCOMPARE(s.gridAsignacion.Rows(), 3);
        s.cmdBorrarFila_Click();
        s.cmdBorrarFila_Click();
        QCOMPARE(s.gridAsignacion.Rows(), 1);
        QCOMPARE(s.gridAsignacion.TextMatrix(0, 2), QStringLiteral("Trabajador"));
        QCOMPARE(b.Valor("select count(*) from arreglos_detalles where listoparaentrega = 1"),
                 QStringLiteral("3"));
        s.cmdBorrarFila_Click(); // nothing left to delete
        QCOMPARE(b.dialogos.preguntas.size(), 3);
    }
};

QTEST_MAIN(PruebaBarras)
#include "test_bd_barras.moc"
