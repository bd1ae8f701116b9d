#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "PantallasPrueba.h"
#include "cash/CierreCaja.h"
#include "cash/RegistroOperaciones.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "printing/SalidaListadosPdf.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct PantallasCaja : PantallasPrueba {
    void HojaVentaDeCaja(const QString &nombrecierre) override { hojas.append(nombrecierre); }
    void TerminarPrograma() override { ++terminado; }
    QStringList hojas;
    int terminado = 0;
};

// Three cash days: the worked example with a partner shop's pair, a day with a payment method
// that no longer exists, and a day that was never opened with a float.
void Movimientos(BaseDePrueba &b)
{
    b.Insertar("caja", "importe, concepto, fecha, nombrecierre, cerrado, formapago, idarreglo, idticket",
               {"50, 'Inicio caja', '2026-12-05 09:00:00', '20261205', 0, 1, 0, 0",
                "20, 'Ref. 1', '2026-12-05 10:00:00', '20261205', 0, 1, 1, 0",
                "30, 'Ref. 2', '2026-12-05 11:15:00', '20261205', 0, 2, 2, 0",
                "40, 'Ref. 3', '2026-12-05 11:30:00', '20261205', 0, 1, 3, 0",
                "-40, 'Retirado caja P.T.', '2026-12-05 11:30:00', '20261205', 0, 1, 0, 0",
                "-10, 'Retirado de caja', '2026-12-05 12:00:00', '20261205', 0, 1, 0, 0",
                "100, 'Inicio caja', '2026-12-04 09:00:00', '20261204', 0, 1, 0, 0",
                "1234.5, 'Mercería', '2026-12-04 17:45:00', '20261204', 0, 9, 0, 0",
                "8, 'Ref. 4', '2026-12-03 10:00:00', '20261203', 0, 1, 4, 0"});
}

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
    return b.Valor(u"select pagadoatrabajador from arreglos_detalles where idarreglodetalle = "_s + id);
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
    G().NombreCierre = u"20261205"_s;
}

void Ver(frmPagosTiendas &f, const QString &tienda, int mes = 0, const QString &ano = u"2026"_s)
{
    f.cmbTienda.ElegirTexto(tienda);
    f.cmbMeses.Elegir(mes);
    f.cmbAno.ElegirTexto(ano);
    f.cmdAceptar_Click();
    f.CompletarLista(); // on a server every shop's list is read aside
}

// Today's movements: concept, amount, order.
QStringList Caja(BaseDePrueba &b)
{
    return Filas(b, u"select concepto, importe, idarreglo from caja where nombrecierre = '20261205' order by "
                    "idmovimiento"_s);
}

} // namespace

class PruebaCuentas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The cash days listed with their takings, then each day's sales sheet, then the close.
    void cajasHojaYCierre()
    {
        BaseDePrueba b;
        PantallasCaja pantallas;
        frmListaCierres l;
        const auto resumen = [](const std::vector<Recaudacion> &v) {
            QStringList r;
            for (const auto &x : v)
                r.append(x.etiqueta + QLatin1Char(' ') + QString::number(x.importe));
            return r;
        };
        // An empty shop: no days, and the twelve months up to the clock's, all at nothing.
        l.Llenar();
        QVERIFY(l.recaudacionDias.empty());
        QStringList meses;
        for (const char *mes :
             {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"})
            meses.append(QString::fromLatin1(mes) + u" 26 0"_s);
        QCOMPARE(resumen(l.recaudacionMeses), meses);

        Movimientos(b);
        l.CargarFormulario([&] {
            // Totals include the float and both halves of the partner shop's pair.
            QCOMPARE(TextosColumna(l.gridCierres, 0), (QStringList{"20261205", "20261204", "20261203"}));
            QCOMPARE(TextosColumna(l.gridCierres, 1), (QStringList{"90.00", "1,334.50", "8.00"}));
            l.gridCierres_Click(2);
            l.cmdVerDetalle_Click();
            l.gridCierres_Click(7); // below the last row: the choice stays
            l.cmdVerDetalle_Click();
            l.cmdAceptar_Click();
        });
        QCOMPARE(pantallas.hojas, (QStringList{"20261204", "20261204"}));
        QVERIFY(!l.Abierto);

        // Floats, withdrawals and a shop's pair are no takings; a day over a year old is in no month.
        b.Insertar("caja", "importe, concepto, fecha, nombrecierre, cerrado, formapago, idarreglo, idticket",
                   {"25, 'Ref. 5', '2026-11-15 10:00:00', '20261115', 1, 1, 5, 0",
                    "70, 'Ref. 6', '2025-12-31 10:00:00', '20251231', 1, 1, 6, 0"});
        l.Llenar();
        QCOMPARE(resumen(l.recaudacionDias),
                 (QStringList{"31/12 70", "15/11 25", "03/12 8", "04/12 1234.5", "05/12 50"}));
        meses[10] = u"nov 26 25"_s;
        meses[11] = u"dic 26 1292.5"_s;
        QCOMPARE(resumen(l.recaudacionMeses), meses);

        // Only the newest thirty cash days.
        for (int d = 1; d <= 30; ++d)
            Bd().Ejecutar(u"insert into caja (importe, concepto, fecha, nombrecierre, cerrado, "
                          "formapago, idarreglo, idticket) values (1, 'Ref. 7', "
                          "'2026-10-01 10:00:00', '202610%1', 1, 1, 7, 0)"_s.arg(d, 2, 10, QLatin1Char('0')));
        l.Llenar();
        QCOMPARE(l.recaudacionDias.size(), size_t(30));
        QCOMPARE(l.recaudacionDias.front().etiqueta, u"05/10"_s);
        QCOMPARE(l.recaudacionMeses[9].importe, 30.0);

        frmHojaVenta h;
        h.CargarFormulario(u"20261205"_s, {});
        const Grid &g = h.gridHojaVenta;
        QCOMPARE(h.lblVenta, u"Hoja de venta de la caja: 20261205"_s);
        QCOMPARE(TextosFila(g, 0), (QStringList{"Fecha", "Concepto", "Importe", "F. pago"}));
        // Newest first, without the opening float; then a gap and the four totals.
        QCOMPARE(TextosColumna(g, frmHojaVenta::ColConcepto),
                 (QStringList{"Retirado de caja", "Retirado caja P.T.", "Ref. 3", "Ref. 2", "Ref. 1", "",
                              "Total efectivo", "Total otros", "Cambio inicial", "Total en caja"}));
        QCOMPARE(TextosFila(g, 1), (QStringList{"05/12 12:00", "Retirado de caja", "-10.00", "Efectivo"}));
        QCOMPARE(TextosFila(g, 4), (QStringList{"05/12 11:15", "Ref. 2", "30.00", "Tarjeta"}));
        QCOMPARE(TextosColumna(g, frmHojaVenta::ColImporte).mid(6),
                 (QStringList{"10.00", "30.00", "50.00", "60.00"}));

        // A payment method no longer in the list: blank, and counted with the others.
        h.Llenar(u"20261204"_s);
        QCOMPARE(TextosFila(h.gridHojaVenta, 1), (QStringList{"04/12 17:45", u"Mercería"_s, "1,234.50", ""}));
        QCOMPARE(TextosColumna(h.gridHojaVenta, frmHojaVenta::ColImporte).mid(2),
                 (QStringList{"0.00", "1,234.50", "100.00", "100.00"}));

        // No opening float: the float row stays empty and the drawer total is not given.
        h.Llenar(u"20261203"_s);
        QCOMPARE(TextosColumna(h.gridHojaVenta, frmHojaVenta::ColConcepto).mid(2),
                 (QStringList{"Total efectivo", "Total otros", "Cambio inicial"}));
        QCOMPARE(h.gridHojaVenta.TextMatrix(h.gridHojaVenta.Rows() - 1, frmHojaVenta::ColImporte), QString());

        // Two drawers: one float each, the shop's totals, then what each drawer should hold.
        b.Insertar("caja", "importe, concepto, fecha, nombrecierre, formapago, puesto",
                   {"50, 'Inicio caja', '2026-12-06 09:00:00', '20261206', 1, 'Uno'",
                    "30, 'Inicio caja', '2026-12-06 09:05:00', '20261206', 1, 'Dos'",
                    "12, 'Ref. 9', '2026-12-06 10:00:00', '20261206', 1, 'Dos'",
                    "7, 'Ref. 9', '2026-12-06 10:00:00', '20261206', 2, 'Uno'"});
        h.Llenar(u"20261206"_s);
        QCOMPARE(TextosColumna(h.gridHojaVenta, frmHojaVenta::ColImporte).mid(3),
                 (QStringList{"12.00", "7.00", "80.00", "92.00", "42.00", "50.00"}));
        QCOMPARE(h.gridHojaVenta.TextMatrix(h.gridHojaVenta.Rows() - 2, frmHojaVenta::ColConcepto),
                 u"En el cajón de Dos"_s);

        // Closing the cash of the 5th.
        G().NombreCierre = u"20261205"_s;
        SalidaListadosPdf salida(b.dir.filePath(u"resumen.pdf"_s));
        const QString abiertos = u"select count(*) from caja where cerrado = 0"_s;

        // No to either question: nothing changes and the program goes on.
        b.dialogos.siNo = {7, 6, 7, 0};
        QVERIFY(!cmdCierreCaja_Click());
        QVERIFY(!cmdCierreCaja_Click());
        QVERIFY(!cmdCierreCaja_Click());
        QCOMPARE(
            b.dialogos.preguntas,
            (QStringList{u"¿Cerrar la caja actual?"_s, u"¿Cerrar la caja actual?"_s,
                         u"No podrá reabrir la caja.\r\n¿Desea continuar?"_s, u"¿Cerrar la caja actual?"_s}));

        // The summary asked for but the printer fails: told, and the cash stays open (after the noes too).
        SalidaListadosPdf rota(b.dir.filePath(u"no/resumen.pdf"_s));
        G().salidaListados = &rota;
        b.dialogos.siNo = {6, 6, 6};
        QVERIFY(!cmdCierreCaja_Click());
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QCOMPARE(b.Valor(abiertos), u"9"_s);
        QCOMPARE(pantallas.terminado, 0);

        // Yes, yes, and the summary printed: the day's sales sheet goes to the printer.
        G().salidaListados = &salida;
        b.dialogos.siNo = {6, 6, 6};
        QVERIFY(cmdCierreCaja_Click());
        QCOMPARE(b.dialogos.preguntas.last(), u"¿Imprimir un resumen de caja?"_s);
        QCOMPARE(b.Valor(abiertos), u"0"_s);
        QCOMPARE(pantallas.terminado, 1);
        QCOMPARE(salida.impresos, 1);
        QCOMPARE(salida.ultimo.titulo, u"Hoja de venta"_s);
        const auto &filas = salida.ultimo.paginas.at(0).filas;
        QCOMPARE(filas.back().at(frmHojaVenta::ColConcepto), u"Total en caja"_s);
        QCOMPARE(filas.back().at(frmHojaVenta::ColImporte), u"60.00"_s);
    }

    void listadoYPagoPorLinea()
    {
        BaseDePrueba b;
        Sembrar(b);
        frmPagosATrabajadores f;
        f.CargarFormulario(nullptr);

        Ver(f, u"Todos"_s, u"No pagado"_s);
        const Grid &g = f.gridPagos;
        QCOMPARE(TextosColumna(g, 1), QStringList({"10.1", "10.1", "", ""}));
        const int fijo = FilaDeTexto(g, 2, u"Pantalón Bajo"_s);
        const int tercio = FilaDeTexto(g, 2, u"Pantalón Entallar"_s);
        // Bajo pays its fixed precio3 whatever the line's 8.00; Entallar a third of 10.00.
        QCOMPARE(TextosFila(g, fijo).mid(3, 2), QStringList({"2.50", "NO"}));
        QCOMPARE(g.TextMatrix(tercio, 3), u"3.33"_s);
        QCOMPARE(TextosFila(g, 4).mid(2, 2), QStringList({"Suma total", "5.83"}));
        QCOMPARE(g.TextMatrix(3, 3), u"----------"_s);
        QCOMPARE(g.CellBackColor(fijo, 2), SinColor);

        Ver(f, u"Todos"_s, u"Todos"_s);
        QCOMPARE(TextosColumna(g, 1).mid(0, 3), QStringList({"11.1", "10.1", "10.1"}));
        QCOMPARE(g.TextMatrix(1, 0), u"Carmen"_s);
        QCOMPARE(g.TextMatrix(1, 4), u"SI"_s);
        QCOMPARE(g.CellBackColor(1, 2), frmPagosATrabajadores::ColorPagado);

        Ver(f, u"Todos"_s, u"Pagado"_s);
        QCOMPARE(TextosColumna(g, 1), QStringList({"11.1", "", ""}));
        Ver(f, u"Rosa"_s, u"Todos"_s);
        QCOMPARE(TextosColumna(g, 0).mid(0, 2), QStringList({"Rosa", "Rosa"}));
        QCOMPARE(g.Rows(), 5);

        SalidaListadosPdf pdf(b.dir.filePath(u"pagos.pdf"_s));
        G().salidaListados = &pdf;
        f.cmdImprimir_Click();
        QCOMPARE(pdf.impresos, 1);
        QCOMPARE(pdf.ultimo.titulo, u"Listado de pagos"_s);
        QCOMPARE(pdf.ultimo.paginas.size(), size_t(1));
        QCOMPARE(pdf.ultimo.paginas[0].filas[4][2], u"Suma total"_s);

        Ver(f, u"Pilar"_s, u"Todos"_s); // nothing back in the shop: no totals
        QCOMPARE(g.Rows(), 1);
        f.cmdImprimir_Click();
        QCOMPARE(pdf.impresos, 1);

        // Touches on the header and total rows, or below the list, pay nothing.
        Ver(f, u"Todos"_s, u"Todos"_s);
        const QString pagados =
            u"select pagadoatrabajador from arreglos_detalles order by idarreglodetalle"_s;
        const QStringList antes = Filas(b, pagados);
        for (int fila : {0, g.Rows() - 2, g.Rows() - 1, g.Rows() + 3})
            f.gridPagos_DblClick(fila);
        QCOMPARE(Filas(b, pagados), antes);

        // The line listed as paid: light green; unpaid and paid again, bright green.
        f.gridPagos_DblClick(1);
        QCOMPARE(g.TextMatrix(1, 4), u"NO"_s);
        QCOMPARE(g.CellBackColor(1, 1), frmPagosATrabajadores::ColorRecienDespagado);
        QCOMPARE(Pagado(b, g.TextMatrix(1, 5)), u"0"_s);
        f.gridPagos_DblClick(1);
        QCOMPARE(g.TextMatrix(1, 4), u"SI"_s);
        QCOMPARE(g.CellBackColor(1, 1), frmPagosATrabajadores::ColorRecienPagado);
        QCOMPARE(Pagado(b, g.TextMatrix(1, 5)), u"1"_s);
        QCOMPARE(b.Columna(u"select tipo from operaciones order by idoperacion"_s),
                 (QStringList{Operacion::LineaSinPagar, Operacion::LineaPagada}));
        QCOMPARE(g.TextMatrix(g.Rows() - 1, 3), u"8.33"_s); // the sum stays until listed again

        // Another screen still showing the line unpaid: touching it does not pay it twice.
        f.gridPagos_DblClick(1);
        frmPagosATrabajadores otra;
        otra.CargarFormulario(nullptr);
        Ver(otra, u"Todos"_s, u"Todos"_s);
        f.gridPagos_DblClick(1);
        b.dialogos.mensajes.clear();
        otra.gridPagos_DblClick(1);
        QCOMPARE(b.dialogos.mensajes,
                 QStringList{u"Otro mostrador ya había cambiado esta línea: ya estaba pagada."_s});
        QCOMPARE(Pagado(b, g.TextMatrix(1, 5)), u"1"_s);
        QCOMPARE(otra.gridPagos.TextMatrix(1, 4), u"SI"_s);

        // "Todos" reads a part at a time: every line once, newest reference first, even when a
        // garment's lines straddle the first page and the rest.
        for (int a = 13; a <= 21; ++a) {
            b.conexion.Ejecutar(
                u"insert into arreglos (idarreglo, idusuario, idcliente) values (%1, 1, 1)"_s.arg(a));
            for (int l = 0; l < 1 + a % 3; ++l)
                b.conexion.Ejecutar(u"insert into arreglos_detalles (idarreglo, idproducto, precio, "
                                    "nombreprenda, referenciaprenda, listoparaentrega, idcosturera) "
                                    "values (%1, 2, 6, 'Falda', '%1.1', 1, %2)"_s.arg(a)
                                        .arg(1 + l % 2));
        }
        f.cmbEstado.Elegir(0);
        f.cmd10000_Click();
        QStringList todasDeUnaVez = TextosColumna(f.gridPagos, 5);
        todasDeUnaVez.sort();

        f.PrimeraPagina = 1;
        f.FilasPorParte = 1;
        f.cmdTodos_Click();
        while (f.gridPagos.Rows() < 2) // the rest comes once the worker has its first rows
            f.ContinuarLista();
        QVERIFY(f.ListaIncompleta);
        // A double touch while the rest arrives completes the list before its update.
        f.gridPagos_DblClick(1);
        QVERIFY(!f.ListaIncompleta);
        QCOMPARE(f.gridPagos.TextMatrix(1, 4), u"SI"_s);
        f.gridPagos_DblClick(1);
        f.cmdTodos_Click();
        int paginas = 1;
        for (; f.ListaIncompleta; ++paginas)
            f.ContinuarLista();
        QVERIFY(paginas > 5);
        QStringList porPaginas = TextosColumna(f.gridPagos, 5);
        porPaginas.sort();
        QCOMPARE(porPaginas, todasDeUnaVez);
        const QStringList refs = TextosColumna(f.gridPagos, 1).mid(0, porPaginas.size() - 2);
        for (int i = 1; i < refs.size(); ++i)
            QVERIFY(refs[i - 1] >= refs[i]);
        QCOMPARE(f.gridPagos.TextMatrix(f.gridPagos.Rows() - 1, 3),
                 FormatoDosDecimales(8.33 + 18 * 2)); // 18 "Falda" lines of 6.00 pay 2.00 each

        // Each line's pay rounded before adding (3 x 3.33 = 9.99); newest first, numbers as numbers.
        b.Insertar("arreglos", "idarreglo, idusuario, idcliente", {"30, 1, 1", "99, 1, 1", "2950, 1, 1"});
        b.Insertar(
            "arreglos_detalles",
            "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, listoparaentrega, idcosturera",
            {"30, 2, 10, Null, '30.1', 1, 3", "30, 2, 10, Null, '30.2', 1, 3",
             "30, 2, 10, Null, '30.3', 1, 3", "2950, 1, 8, 'Falda', '2950.2', 1, 1",
             "99, 1, 8, 'Falda', '99.1', 1, 1", "2950, 1, 8, 'Falda', '2950.10', 1, 1",
             "2950, 1, 8, 'Falda', '2950.1', 1, 1"});
        Ver(f, u"Rosa"_s, u"No pagado"_s);
        QCOMPARE(TextosColumna(f.gridPagos, 1).mid(0, 6),
                 QStringList({"2950.10", "2950.2", "2950.1", "99.1", "21.1", "20.1"}));
        Ver(f, u"Pilar"_s, u"Todos"_s);
        QCOMPARE(TextosColumna(f.gridPagos, 3), QStringList({"3.33", "3.33", "3.33", "----------", "9.99"}));
        f.PrimeraPagina = 2; // the same when the list comes in parts
        f.cmdTodos_Click();
        f.CompletarLista();
        QCOMPARE(f.gridPagos.TextMatrix(f.gridPagos.Rows() - 1, 3), u"9.99"_s);
    }

    void listado()
    {
        BaseDePrueba b;
        SembrarTiendas(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        QCOMPARE(f.cmbAno.Text, u"2026"_s); // the shop clock's year

        Ver(f, u"Todos"_s, 0, u"1999"_s); // no month: the year is not looked at
        const Grid &g = f.gridPagos;
        QCOMPARE(TextosColumna(g, 1), QStringList({"22", "21", "20", "", "Suma total"}));
        QCOMPARE(TextosFila(g, 3),
                 QStringList({u"Mercería Sol"_s, "20", "30.00", "10.00", "20.00", "15/11/26"}));
        QCOMPARE(TextosFila(g, 5), QStringList({"", "Suma total", "55.00", "34.97", "20.03", ""}));
        QCOMPARE(g.TextMatrix(4, 2), u"------"_s);

        f.chkPendientes = true; // owing exactly 0.01 counts as settled; 0.02 does not
        Ver(f, u"Todos"_s);
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
            arreglos.removeAll(u"Suma total"_s);
            QCOMPARE(arreglos, m.arreglos);
        }
        QCOMPARE(g.Rows(), 1);

        Ver(f, u"Todos"_s, 11, u"2O26"_s);
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QVERIFY(b.dialogos.mensajes[0].startsWith(u"El año debe ser un número"_s));
        QCOMPARE(g.Rows(), 1);

        // Cancelling a debt needs one shop chosen, and two yeses.
        Ver(f, u"Todos"_s);
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.mensajes.last(),
                 u"Debe cancelar la deuda de una tienda.\r\nSeleccione una primero"_s);
        QVERIFY(b.dialogos.preguntas.isEmpty());

        Ver(f, u"Mercería Sol"_s);
        b.dialogos.siNo = {6, 7};
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.preguntas.size(), 2);
        QCOMPARE(Caja(b), QStringList());

        b.dialogos.siNo = {6, 6};
        f.cmdCancelarDeuda_Click();
        QCOMPARE(b.dialogos.preguntas.value(3), u"¿SEGURO que desea cancelar la deuda de Mercería Sol?"_s);
        QCOMPARE(Caja(b), QStringList({"Ref. 21|0.01|21", "Retirado caja P.T.|-0.01|0", "Ref. 20|20|20",
                                       "Retirado caja P.T.|-20|0"}));
        QCOMPARE(b.dialogos.mensajes.last(), u"Deuda cancelada"_s);
        QCOMPARE(b.Valor(u"select detalle from operaciones where tipo = 'Deuda cancelada'"_s),
                 u"Mercería Sol: 21 0.01 €, 20 20.00 €"_s);
        QCOMPARE(f.gridPagos.TextMatrix(f.gridPagos.Rows() - 1, 4), u"0.00"_s);
    }

    void cobrarUnArreglo()
    {
        BaseDePrueba b;
        SembrarTiendas(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        Ver(f, u"Mercería Sol"_s);
        const int fila = FilaDeTexto(f.gridPagos, 1, u"20"_s);

        b.dialogos.siNo = {7};
        f.gridPagos_DblClick(fila);
        QCOMPARE(b.dialogos.preguntas.value(0),
                 u"¿Registrar un pago de 20.00 € del cliente Mercería Sol correspondiente a la "
                 "referencia 20?\r\nEl importe no se ingresará en la caja"_s);
        QCOMPARE(Caja(b), QStringList());

        b.dialogos.siNo = {6};
        f.gridPagos_DblClick(fila);
        QCOMPARE(Caja(b), QStringList({"Ref. 20|20|20", "Retirado caja P.T.|-20|0"}));
        const int despues = FilaDeTexto(f.gridPagos, 1, u"20"_s);
        QCOMPARE(TextosFila(f.gridPagos, despues).mid(2, 3), QStringList({"30.00", "30.00", "0.00"}));
        QCOMPARE(Filas(b, u"select tipo, idarreglo, importe, detalle from operaciones"_s),
                 QStringList{u"Cobro a tienda|20|20|Mercería Sol: 20 20.00 €"_s});

        // Nothing to collect: the settled order, the header, the total rows.
        const int preguntas = b.dialogos.preguntas.size();
        for (int r : {despues, 0, f.gridPagos.Rows() - 2, f.gridPagos.Rows() - 1})
            f.gridPagos_DblClick(r);
        QCOMPARE(b.dialogos.preguntas.size(), preguntas);

        // A second screen still showing order 21 owed: paid on the first, refused on the second.
        frmPagosTiendas otra;
        otra.CargarFormulario(nullptr);
        Ver(otra, u"Mercería Sol"_s);
        b.dialogos.siNo = {6, 6};
        f.gridPagos_DblClick(FilaDeTexto(f.gridPagos, 1, u"21"_s));
        otra.gridPagos_DblClick(FilaDeTexto(otra.gridPagos, 1, u"21"_s));
        QCOMPARE(
            b.dialogos.mensajes.last(),
            u"Otro mostrador ha cambiado lo cobrado de la referencia 21; se ha vuelto a leer y no se ha registrado nada."_s);
        QCOMPARE(b.Valor(u"select count(*) from caja where idarreglo = 21"_s), u"2"_s);
        QCOMPARE(b.Valor(u"select count(*) from operaciones"_s), u"2"_s);
        // Paid more than owed: the credit is not paid out from here.
        b.Insertar("caja", "importe, concepto, idarreglo", {"5, 'Ref. 21', 21"});
        Ver(f, u"Mercería Sol"_s);
        const int credito = FilaDeTexto(f.gridPagos, 1, u"21"_s);
        QCOMPARE(f.gridPagos.TextMatrix(credito, 4), u"-5.00"_s);
        f.gridPagos_DblClick(credito);
        QCOMPARE(b.dialogos.preguntas.size(), preguntas + 2);
        // A journal that cannot be written stops the payment.
        Ver(f, u"Todos"_s);
        const auto caja = Caja(b);
        b.conexion.Ejecutar(u"alter table operaciones rename to operaciones_fuera"_s);
        b.dialogos.siNo = {6};
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, f.gridPagos_DblClick(FilaDeTexto(f.gridPagos, 1, u"22"_s)));
        b.conexion.Ejecutar(u"alter table operaciones_fuera rename to operaciones"_s);
        QCOMPARE(Caja(b), caja);
    }
};

QTEST_MAIN(PruebaCuentas)
#include "test_bd_cuentas.moc"
