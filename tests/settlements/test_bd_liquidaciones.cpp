#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/SalidaListadosPdf.h"
#include "settlements/frmPagosATrabajadores.h"

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

} // namespace

class PruebaPagosATrabajadores : public QObject
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
};

QTEST_MAIN(PruebaPagosATrabajadores) // the listing is drawn on a PDF page: fonts need the GUI application
#include "test_bd_pagos_trabajadores.moc"
