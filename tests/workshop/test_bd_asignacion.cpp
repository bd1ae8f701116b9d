#include "AyudasGrid.h"
#include "TallerDePrueba.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "printing/SalidaMemoria.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"

#include <QtTest>

namespace {

class PantallasTaller : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void DetalleReferencia(const QString &referencia) override { detalles.append(referencia); }
    QStringList detalles;
};

// The data row of a garment's alteration in the assignment grid.
int Fila(const frmAsigancion &a, const QString &referencia, const QString &persona)
{
    for (int f = 1; f < a.gridListaArreglos.Rows(); ++f)
        if (a.gridListaArreglos.TextMatrix(f, frmAsigancion::ColReferencia) == referencia
            && a.gridListaArreglos.TextMatrix(f, frmAsigancion::ColPersona) == persona)
            return f;
    return -1;
}

} // namespace

class PruebaAsignacion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void asignarYQuitarPorPrenda()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        frmAsigancion a;
        a.CargarFormulario({});
        QCOMPARE(a.lblViendo, QStringLiteral("Mostrando arreglos no asigandos a trabajador"));
        QCOMPARE(a.lblCuantos, QString::fromUtf8("Mostrando las 5 últimas referencias"));
        QCOMPARE(TextosColumna(a.gridListaArreglos, frmAsigancion::ColIdArreglo),
                 (QStringList{"12", "11", "10", "10", "10"}));
        const int cintura = Fila(a, "10.1", QString::fromUtf8("Pantalón*Meter cintura"));
        QVERIFY(cintura > 0);
        QVERIFY(Fila(a, "10.2", "Falda*Bajo") > 0); // "--" is taken out of the garment name
        QCOMPARE(a.gridListaArreglos.TextMatrix(cintura, frmAsigancion::ColRecibido),
                 QStringLiteral("01/12/26"));
        QCOMPARE(a.gridListaArreglos.TextMatrix(cintura, frmAsigancion::ColEntrega),
                 QStringLiteral("10/12/26"));
        QCOMPARE(a.gridListaArreglos.TextMatrix(cintura, frmAsigancion::ColImporte), QStringLiteral("12.00"));

        // Every line of the garment goes to Lola, and every row of it shows her.
        a.gridListaArreglos_Click(cintura);
        b.dialogos.trabajadores = {2};
        a.cmdAsignar_Click();
        QCOMPARE(b.Columna("select idcosturera from arreglos_detalles where referenciaprenda = '10.1'"),
                 (QStringList{"2", "2"}));
        QCOMPARE(b.Valor("select count(*) from arreglos_detalles where referenciaprenda = '10.1' and "
                         "fechaasignaciontrabajador is not null"),
                 QStringLiteral("2"));
        QCOMPARE(b.Valor("select count(*) from arreglos_detalles where idcosturera is not null"),
                 QStringLiteral("2"));
        QCOMPARE(a.gridListaArreglos.TextMatrix(Fila(a, "10.1", QString::fromUtf8("Pantalón*Bajo")),
                                                frmAsigancion::ColTrabajador),
                 QStringLiteral("Lola"));
        QCOMPARE(a.gridListaArreglos.TextMatrix(cintura, frmAsigancion::ColIdCosturera), QStringLiteral("2"));
        QCOMPARE(a.gridListaArreglos.TextMatrix(Fila(a, "10.2", "Falda*Bajo"), frmAsigancion::ColTrabajador),
                 QString());

        // Cancelling the picker takes the garment away from its worker, date and all.
        b.dialogos.trabajadores = {0};
        a.cmdAsignar_Click();
        QCOMPARE(b.Valor("select count(*) from arreglos_detalles where idcosturera is not null or "
                         "fechaasignaciontrabajador is not null"),
                 QStringLiteral("0"));
        QCOMPARE(TextosColumna(a.gridListaArreglos, frmAsigancion::ColTrabajador), QStringList(5, QString()));
        QCOMPARE(a.gridListaArreglos.TextMatrix(cintura, frmAsigancion::ColIdCosturera), QStringLiteral("0"));
    }

    void entregadosYMerceria()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        frmAsigancion a;
        a.CargarFormulario({});

        // A handed-over order asks first; "no" writes nothing and picks no worker.
        a.gridListaArreglos_Click(FilaDeTexto(a.gridListaArreglos, frmAsigancion::ColReferencia, "11.1"));
        b.dialogos.siNo = {7};
        b.dialogos.trabajadores = {1};
        a.cmdAsignar_Click();
        QCOMPARE(b.dialogos.preguntas,
                 QStringList{
                     QString::fromUtf8("Ese arreglo ya ha sido entregado al cliente\r\n ¿Desea continuar?")});
        QCOMPARE(b.dialogos.trabajadores.size(), size_t(1));
        QCOMPARE(b.Valor("select count(*) from arreglos_detalles where idcosturera is not null"),
                 QStringLiteral("0"));
        b.dialogos.siNo = {6};
        a.cmdAsignar_Click();
        QCOMPARE(b.Valor("select idcosturera from arreglos_detalles where referenciaprenda = '11.1'"),
                 QStringLiteral("1"));

        // Haberdashery is sold over the counter: no worker ever sews it.
        a.gridListaArreglos_Click(FilaDeTexto(a.gridListaArreglos, frmAsigancion::ColReferencia, "12.1"));
        b.dialogos.trabajadores = {1};
        a.cmdAsignar_Click();
        QCOMPARE(b.dialogos.mensajes,
                 QStringList{QStringLiteral("Esta referencia se trata de un producto de "
                                            "merceria.\r\nNo se puede asignar a un trabajador")});
        QCOMPARE(b.Valor("select idcosturera from arreglos_detalles where referenciaprenda = '12.1'"),
                 QString());
        QCOMPARE(b.dialogos.trabajadores.size(), size_t(1));
    }

    void listasBusquedaYSalidas()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        PantallasTaller pantallas;
        G().pantallas = &pantallas;
        // Enough orders, with gaps in the numbering, for the list of every line to take pages.
        QStringList cifras;
        for (int i = 0; i < 30; ++i)
            cifras.append(QStringLiteral("select %1 as x").arg(i));
        const QString treinta =
            QLatin1Char('(') + cifras.join(QStringLiteral(" union all ")) + QLatin1Char(')');
        b.conexion.Ejecutar(
            QStringLiteral(
                "insert into arreglos (idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega) "
                "select 100 + 3 * i, 1, 1, '2026-12-03 09:00:00', '2026-12-09 00:00:00' from (select "
                "a.x * 30 + b.x as i from %1 a, %1 b) n")
                .arg(treinta));
        b.conexion.Ejecutar("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                            "referenciaprenda, idcosturera) select idarreglo, 1, 9.5, 'Vestido', "
                            "cast(idarreglo as varchar(12)) || '.1', 1 from arreglos where idarreglo >= 100");
        b.conexion.Ejecutar("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                            "referenciaprenda) select idarreglo, 2, 4, 'Vestido', cast(idarreglo as "
                            "varchar(12)) || '.1' from arreglos where idarreglo >= 100");
        const int todas = b.conexion.AbrirRecordset(frmAsigancion::SqlListaArreglos(5000000)).Cuantos();
        QCOMPARE(todas, 5 + 2 * 900);

        frmAsigancion a;
        a.CargarFormulario({});
        QCOMPARE(a.gridListaArreglos.Rows() - 1, 5 + 900);
        a.cmdVerTodos_Click();
        QCOMPARE(a.lblViendo, QStringLiteral("Mostrando todos los arreglos"));
        QVERIFY(a.QuedanPaginas());
        QVERIFY(a.gridListaArreglos.Rows() - 1 < todas);
        QCOMPARE(a.gridListaArreglos.TextMatrix(1, frmAsigancion::ColIdArreglo), QStringLiteral("2797"));

        // Looking for an order not read yet reads on until it is there.
        b.dialogos.pad = {QStringLiteral("11")};
        a.cmdBuscarPorNumero_Click();
        QCOMPARE(a.gridListaArreglos.TextMatrix(a.gridListaArreglos.Row, frmAsigancion::ColReferencia),
                 QStringLiteral("11.1"));
        QCOMPARE(a.FilaSuperior, a.gridListaArreglos.Row);
        while (a.QuedanPaginas())
            a.LlenarSiguientePagina();
        QCOMPARE(a.gridListaArreglos.Rows() - 1, todas);
        QCOMPARE(a.lblCuantos, QString::fromUtf8("Mostrando las 1805 últimas referencias"));
        const QStringList ids = TextosColumna(a.gridListaArreglos, frmAsigancion::ColIdArreglo);
        QVERIFY(std::is_sorted(ids.begin(), ids.end(),
                               [](const QString &x, const QString &y) { return x.toInt() > y.toInt(); }));
        QCOMPARE(
            a.gridListaArreglos.TextMatrix(Fila(a, "2797.1", "Vestido*Bajo"), frmAsigancion::ColTrabajador),
            QStringLiteral("Rosa"));

        b.dialogos.pad = {QStringLiteral("99")}; // not in the list: nothing moves
        const int antes = a.gridListaArreglos.Row;
        a.cmdBuscarPorNumero_Click();
        QCOMPARE(a.gridListaArreglos.Row, antes);

        a.cmdArreglosSinAsignar_Click();
        QCOMPARE(a.lblCuantos, QStringLiteral("Mostrando las 905 referencias"));
        QVERIFY(!a.QuedanPaginas());

        a.gridListaArreglos_Click(FilaDeTexto(a.gridListaArreglos, 1, "10.2"));
        a.gridListaArreglos_DblClick();
        QCOMPARE(pantallas.detalles, QStringList{"10.2"});
        a.Abierto = true;
        a.cmdVerArreglo_Click();
        QCOMPARE(G().ArregloACargar, 10);
        QVERIFY(!G().ArregloACargarParaEntregar);
        QVERIFY(!a.Abierto);
        G().ArregloACargar = 0;
        G().pantallas = nullptr;
    }

    void detalleDeReferencia()
    {
        BaseDePrueba b;
        SembrarTaller(b);
        SalidaMemoria impresora;
        G().salidaTickets = &impresora;
        frmDetalleReferencia d;
        d.CargarFormulario("10.1", [&] { d.cmdTicket_Click(); });
        QCOMPARE(d.lblReferencia, QStringLiteral("Ref.: 10.1"));
        QCOMPARE(d.lblCliente, QString::fromUtf8("Cliente: María - 600111222"));
        QCOMPARE(d.lblAtendido, QStringLiteral("Atendio: Encargada"));
        QCOMPARE(TextosColumna(d.gridDetalle, 0),
                 (QStringList{QString::fromUtf8("Pantalón"), "Bajo", "Meter cintura"}));
        QCOMPARE(TextosColumna(d.gridDetalle, 1), (QStringList{"", "8.00", "12.00"}));
        QCOMPARE(impresora.Tickets().size(), 1);
        QVERIFY(impresora.Bytes().contains("Ref.: 10.1"));

        d.CargarFormulario("77.1", {});
        QCOMPARE(d.lblReferencia, QStringLiteral("Ref.: 77.1"));
        QVERIFY(d.lblCliente.isEmpty());
        QCOMPARE(d.gridDetalle.Rows(), 1);
        G().salidaTickets = nullptr;
    }

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

QTEST_MAIN(PruebaAsignacion)
#include "test_bd_asignacion.moc"
