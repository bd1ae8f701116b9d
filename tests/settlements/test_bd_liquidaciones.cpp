#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/SalidaListadosPdf.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"

#include <QtTest>

namespace {

// Rosa and Carmen; "Bajo" pays a fixed 2.50, "Entallar" a third of what the line was charged.
void Sembrar(BaseDePrueba &b)
{
    b.Insertar("costureras", "idcosturera, nombre, desactivado",
               {"1, 'Rosa', 0", "2, 'Carmen', 0", "3, 'Pilar', 1"});
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda", {"1, 'Ana', '600111222', 0"});
    b.Insertar("familias", "idfamilia, nombre", {"1, 'Pantalón'"});
    b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, precio2, precio3, activo",
               {"1, 1, 'Bajo', 8, 6, 2.5, 0", "2, 1, 'Entallar', 10, 8, 0, 0"});
    b.Insertar("arreglos", "idarreglo, idusuario, idcliente", {"10, 1, 1", "11, 1, 1", "12, 1, 1"});
    b.Insertar(
        "arreglos_detalles",
        "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, listoparaentrega, idcosturera, "
        "pagadoatrabajador",
        {"10, 1, 8, '-- Pantalón --', '10.1', 1, 1, 0", "10, 2, 10, '-- Pantalón --', '10.1', 1, 1, Null",
         "11, 1, 20, '-- Pantalón --', '11.1', 1, 2, 1", "12, 2, 9, '-- Pantalón --', '12.1', 0, 2, Null",
         "12, 2, 9, '-- Pantalón --', '12.2', 1, Null, Null"});
}

// Lists with the worker and state of those texts.
void Ver(frmPagosATrabajadores &f, const QString &trabajador, const QString &estado)
{
    f.cmbTrabajadores.ElegirTexto(trabajador);
    f.cmbEstado.ElegirTexto(estado);
    f.cmdAceptar_Click();
}

QString Pagado(BaseDePrueba &b, const QString &id)
{
    return b.Valor(QStringLiteral("select pagadoatrabajador from arreglos_detalles where idarreglodetalle = ")
                   + id);
}

// Two partner shops and an ordinary customer. Order 20 (30.00, 10.00 deposit) and 21 (owing
// 0.01) are Mercería Sol's; 22 (owing 0.02, delivered late on the last night of November) is
// Boutique Luna's; 23 is not delivered yet and 24 is not a shop's.
void SembrarTiendas(BaseDePrueba &b)
{
    b.Insertar("clientes", "idcliente, nombre, telefono, estienda",
               {"1, 'Ana', '600111222', 0", "2, 'Mercería Sol ', '911000000', 1",
                "3, 'Boutique Luna', '912000000', 1"});
    b.Insertar("arreglos", "idarreglo, idusuario, idcliente, fecharealentrega, entregadoacliente",
               {"20, 1, 2, '2026-11-15 10:00:00', 1", "21, 1, 2, '2026-10-03 12:00:00', 1",
                "22, 1, 3, '2026-11-30 23:30:00', 1", "23, 1, 2, Null, Null",
                "24, 1, 1, '2026-11-02 10:00:00', 1"});
    b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda",
               {"20, 1, 18, '20.1'", "20, 1, 12, '20.2'", "21, 1, 15, '21.1'", "22, 1, 10, '22.1'",
                "23, 1, 7, '23.1'", "24, 1, 9, '24.1'"});
    b.Insertar("caja", "importe, concepto, fecha, nombrecierre, cerrado, formapago, idarreglo, idticket",
               {"10, 'Ref. 20', '2026-11-01 10:00:00', '20261101', 1, 1, 20, 0",
                "14.99, 'Ref. 21', '2026-10-01 10:00:00', '20261001', 1, 1, 21, 0",
                "9.98, 'Ref. 22', '2026-11-01 10:00:00', '20261101', 1, 1, 22, 0"});
    G().NombreCierre = QStringLiteral("20261205");
}

void Ver(frmPagosTiendas &f, const QString &tienda, int mes = 0, const QString &ano = QStringLiteral("2026"))
{
    f.cmbTienda.ElegirTexto(tienda);
    f.cmbMeses.Elegir(mes);
    f.cmbAno.ElegirTexto(ano);
    f.cmdAceptar_Click();
}

// Today's movements: concept, amount, order.
QString Caja(BaseDePrueba &b)
{
    QStringList r;
    Recordset rs =
        b.conexion.AbrirRecordset(QStringLiteral("select concepto, importe, idarreglo from caja where "
                                                 "nombrecierre = '20261205' order by idmovimiento"));
    for (; !rs.EOF_(); rs.MoveNext())
        r.append(rs.Campo(0).toString() + QLatin1Char(' ') + FormatoImporte(rs.Campo(1)) + QLatin1Char(' ')
                 + rs.Campo(2).toString());
    return r.join(QLatin1Char('|'));
}

} // namespace

class PruebaLiquidaciones : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listadoYPagoPorLinea()
    {
        BaseDePrueba b;
        Sembrar(b);
        frmPagosATrabajadores f;
        f.CargarFormulario(nullptr);
        QCOMPARE(f.cmbTrabajadores.Text, QStringLiteral("Todos"));
        QCOMPARE(f.cmbEstado.Text, QStringLiteral("No pagado"));
        QCOMPARE(f.gridPagos.Rows(), 2);

        Ver(f, QStringLiteral("Todos"), QStringLiteral("No pagado"));
        const Grid &g = f.gridPagos;
        QCOMPARE(TextosColumna(g, 1), QStringList({"10.1", "10.1", "", ""}));
        const int fijo = FilaDeTexto(g, 2, QString::fromUtf8("Pantalón Bajo"));
        const int tercio = FilaDeTexto(g, 2, QString::fromUtf8("Pantalón Entallar"));
        QCOMPARE(g.TextMatrix(fijo, 3), QStringLiteral("2.50"));   // precio3 whatever the line's 8.00
        QCOMPARE(g.TextMatrix(tercio, 3), QStringLiteral("3.33")); // a third of 10.00
        QCOMPARE(g.TextMatrix(3, 3), QStringLiteral("----------"));
        QCOMPARE(g.TextMatrix(4, 2), QStringLiteral("Suma total"));
        QCOMPARE(g.TextMatrix(4, 3), QStringLiteral("5.83"));
        QCOMPARE(g.TextMatrix(fijo, 4), QStringLiteral("NO"));
        QCOMPARE(g.CellBackColor(fijo, 2), SinColor);

        Ver(f, QStringLiteral("Todos"), QStringLiteral("Todos"));
        QCOMPARE(TextosColumna(g, 1).mid(0, 3), QStringList({"11.1", "10.1", "10.1"}));
        QCOMPARE(g.TextMatrix(1, 0), QStringLiteral("Carmen"));
        QCOMPARE(g.TextMatrix(1, 4), QStringLiteral("SI"));
        QCOMPARE(g.CellBackColor(1, 2), frmPagosATrabajadores::ColorPagado);

        Ver(f, QStringLiteral("Todos"), QStringLiteral("Pagado"));
        QCOMPARE(TextosColumna(g, 1), QStringList({"11.1", "", ""}));
        Ver(f, QStringLiteral("Rosa"), QStringLiteral("Todos"));
        QCOMPARE(TextosColumna(g, 0).mid(0, 2), QStringList({"Rosa", "Rosa"}));
        QCOMPARE(g.Rows(), 5);

        SalidaListadosPdf pdf(b.dir.filePath(QStringLiteral("pagos.pdf")));
        G().salidaListados = &pdf;
        f.cmdImprimir_Click();
        QCOMPARE(pdf.impresos, 1);
        QCOMPARE(pdf.ultimo.titulo, QStringLiteral("Listado de pagos"));
        QCOMPARE(pdf.ultimo.paginas.size(), size_t(1));
        QCOMPARE(pdf.ultimo.paginas[0].filas[4][2], QStringLiteral("Suma total"));

        Ver(f, QStringLiteral("Pilar"), QStringLiteral("Todos")); // nothing back in the shop: no totals
        QCOMPARE(g.Rows(), 1);
        f.cmdImprimir_Click();
        QCOMPARE(pdf.impresos, 1);
    }

    void sentencias()
    {
        const QString todos = frmPagosATrabajadores::SqlLista(999, 0, 0);
        QVERIFY(!todos.contains(QStringLiteral("top ")));
        QVERIFY(!todos.contains(QStringLiteral("idcosturera =")));
        const QString una = frmPagosATrabajadores::SqlLista(7, 1, 500);
        QVERIFY(una.startsWith(QStringLiteral("SELECT top 500 ")));
        QVERIFY(una.endsWith(QStringLiteral(
            "and costureras.idcosturera = 7 ORDER BY arreglos_detalles.referenciaprenda DESC")));
    }

    // "Todos" reads page by page: every line once, newest reference first, even when a
    // garment's lines straddle two pages.
    void todosPorPaginas()
    {
        BaseDePrueba b;
        Sembrar(b);
        for (int a = 13; a <= 21; ++a) {
            b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos (idarreglo, idusuario, idcliente) values (%1, 1, 1)")
                    .arg(a));
            for (int l = 0; l < 1 + a % 3; ++l)
                b.conexion.Ejecutar(
                    QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, "
                                   "nombreprenda, referenciaprenda, listoparaentrega, idcosturera) "
                                   "values (%1, 2, 6, 'Falda', '%1.1', 1, %2)")
                        .arg(a)
                        .arg(1 + l % 2));
        }
        frmPagosATrabajadores f;
        f.CargarFormulario(nullptr);
        f.cmbEstado.Elegir(0);
        f.cmd10000_Click();
        const QStringList todasDeUnaVez = TextosColumna(f.gridPagos, 5);

        f.PrimeraPagina = 1;
        f.FilasPorPagina = 3;
        f.cmdTodos_Click();
        int paginas = 1;
        for (; f.ListaIncompleta; ++paginas)
            f.ContinuarLista();
        QVERIFY(paginas > 5);
        QStringList porPaginas = TextosColumna(f.gridPagos, 5);
        QCOMPARE(porPaginas.size(), todasDeUnaVez.size());
        QStringList a = todasDeUnaVez, c = porPaginas;
        a.sort();
        c.sort();
        QCOMPARE(c, a);
        const QStringList refs = TextosColumna(f.gridPagos, 1).mid(0, porPaginas.size() - 2);
        for (int i = 1; i < refs.size(); ++i)
            QVERIFY(refs[i - 1] >= refs[i]);
        QCOMPARE(f.gridPagos.TextMatrix(f.gridPagos.Rows() - 1, 3),
                 FormatoDosDecimales(8.33 + 18 * 2)); // 18 "Falda" lines of 6.00 pay 2.00 each
    }

    void tocarDosVeces()
    {
        BaseDePrueba b;
        Sembrar(b);
        frmPagosATrabajadores f;
        f.CargarFormulario(nullptr);
        Ver(f, QStringLiteral("Todos"), QStringLiteral("Todos"));
        Grid &g = f.gridPagos;
        const QString antes =
            b.Columna(QStringLiteral("select coalesce(pagadoatrabajador, 9) from arreglos_detalles "
                                     "order by idarreglodetalle"))
                .join(QLatin1Char(','));
        for (int fila : {0, g.Rows() - 2, g.Rows() - 1, g.Rows() + 3})
            f.gridPagos_DblClick(fila);
        QCOMPARE(
            b.Columna(QStringLiteral("select coalesce(pagadoatrabajador, 9) from arreglos_detalles order by "
                                     "idarreglodetalle"))
                .join(QLatin1Char(',')),
            antes);

        // The line listed as paid: light green; unpaid and paid again, bright green.
        f.gridPagos_DblClick(1);
        QCOMPARE(g.TextMatrix(1, 4), QStringLiteral("NO"));
        QCOMPARE(g.CellBackColor(1, 1), frmPagosATrabajadores::ColorRecienDespagado);
        QCOMPARE(Pagado(b, g.TextMatrix(1, 5)), QStringLiteral("0"));
        f.gridPagos_DblClick(1);
        QCOMPARE(g.TextMatrix(1, 4), QStringLiteral("SI"));
        QCOMPARE(g.CellBackColor(1, 1), frmPagosATrabajadores::ColorRecienPagado);
        QCOMPARE(Pagado(b, g.TextMatrix(1, 5)), QStringLiteral("1"));
        QCOMPARE(g.TextMatrix(g.Rows() - 1, 3), QStringLiteral("8.33")); // the sum stays until listed again
    }

    void listado()
    {
        BaseDePrueba b;
        SembrarTiendas(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        QCOMPARE(f.cmbTienda.Text, QStringLiteral("Todos"));
        QCOMPARE(f.cmbAno.Text, QStringLiteral("2026"));
        QCOMPARE(f.cmbMeses.Text, QString());

        Ver(f, QStringLiteral("Todos"), 0, QStringLiteral("1999")); // no month: the year is not looked at
        const Grid &g = f.gridPagos;
        QCOMPARE(TextosColumna(g, 1), QStringList({"22", "21", "20", "", "Suma total"}));
        QCOMPARE(TextosFila(g, 3), QStringList({QString::fromUtf8("Mercería Sol"), "20", "30.00", "10.00",
                                                "20.00", "15/11/26"}));
        QCOMPARE(TextosFila(g, 5), QStringList({"", "Suma total", "55.00", "34.97", "20.03", ""}));
        QCOMPARE(g.TextMatrix(4, 2), QStringLiteral("------"));

        f.chkPendientes = true; // owing exactly 0.01 counts as settled; 0.02 does not
        Ver(f, QStringLiteral("Todos"));
        QCOMPARE(TextosColumna(g, 1).mid(0, 2), QStringList({"22", "20"}));
        f.chkPendientes = false;

        // The month of the real delivery, late at night included.
        const struct {
            const char *tienda;
            int mes;
            QStringList arreglos;
        } meses[] = {{"Todos", 11, {"22", "20"}},
                     {"Todos", 10, {"21"}},
                     {"Boutique Luna", 11, {"22"}},
                     {"Boutique Luna", 10, {}}};
        for (const auto &m : meses) {
            Ver(f, QString::fromUtf8(m.tienda), m.mes);
            QStringList arreglos = TextosColumna(g, 1);
            arreglos.removeAll(QString());
            arreglos.removeAll(QStringLiteral("Suma total"));
            QCOMPARE(arreglos, m.arreglos);
        }
        QCOMPARE(g.Rows(), 1);

        Ver(f, QStringLiteral("Todos"), 11, QStringLiteral("2O26"));
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(QString::fromUtf8("El año debe ser un número")));
        QCOMPARE(g.Rows(), 1);
    }

    void cobrarUnArreglo()
    {
        BaseDePrueba b;
        SembrarTiendas(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        Ver(f, QString::fromUtf8("Mercería Sol"));
        const int fila = FilaDeTexto(f.gridPagos, 1, QStringLiteral("20"));

        b.dialogos.siNo = {7};
        f.gridPagos_DblClick(fila);
        QCOMPARE(
            b.dialogos.preguntas.value(0),
            QString::fromUtf8("¿Registrar un pago de 20.00 € del cliente Mercería Sol correspondiente a la "
                              "referencia 20?\r\nEl importe no se ingresará en la caja"));
        QCOMPARE(Caja(b), QString());

        b.dialogos.siNo = {6};
        f.gridPagos_DblClick(fila);
        QCOMPARE(Caja(b), QStringLiteral("Ref. 20 20.00 20|Retirado caja P.T. -20.00 0"));
        const int despues = FilaDeTexto(f.gridPagos, 1, QStringLiteral("20"));
        QCOMPARE(TextosFila(f.gridPagos, despues).mid(2, 3), QStringList({"30.00", "30.00", "0.00"}));

        // Nothing to collect: the settled order, the header, the total rows.
        const int preguntas = b.dialogos.preguntas.size();
        for (int r : {despues, 0, f.gridPagos.Rows() - 2, f.gridPagos.Rows() - 1})
            f.gridPagos_DblClick(r);
        QCOMPARE(b.dialogos.preguntas.size(), preguntas);
    }

    void cancelarDeuda()
    {
        BaseDePrueba b;
        SembrarTiendas(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        Ver(f, QStringLiteral("Todos"));
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.mensajes,
                 QStringList({"Debe cancelar la deuda de una tienda.\r\nSeleccione una primero"}));
        QVERIFY(b.dialogos.preguntas.isEmpty());

        Ver(f, QString::fromUtf8("Mercería Sol"));
        b.dialogos.siNo = {6, 7};
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.preguntas.size(), 2);
        QCOMPARE(Caja(b), QString());

        b.dialogos.siNo = {6, 6};
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.preguntas.value(3),
                 QString::fromUtf8("¿SEGURO que desea cancelar la deuda de Mercería Sol?"));
        QCOMPARE(
            Caja(b),
            QStringLiteral(
                "Ref. 21 0.01 21|Retirado caja P.T. -0.01 0|Ref. 20 20.00 20|Retirado caja P.T. -20.00 0"));
        QCOMPARE(b.dialogos.mensajes.last(), QStringLiteral("Deuda cancelada"));
        QCOMPARE(f.gridPagos.TextMatrix(f.gridPagos.Rows() - 1, 4), QStringLiteral("0.00"));
    }
};

QTEST_MAIN(PruebaLiquidaciones) // the listing is drawn on a PDF page: fonts need the GUI application
#include "test_bd_liquidaciones.moc"
