#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "settlements/frmPagosTiendas.h"

#include <QtTest>

namespace {

// Two partner shops and an ordinary customer. Order 20 (30.00, 10.00 deposit) and 21 (owing
// 0.01) are Mercería Sol's; 22 (owing 0.02, delivered late on the last night of November) is
// Boutique Luna's; 23 is not delivered yet and 24 is not a shop's.
void Sembrar(BaseDePrueba &b)
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

QStringList Fila(const Grid &g, int fila)
{
    QStringList r;
    for (int c = 0; c < g.Cols(); ++c)
        r.append(g.TextMatrix(fila, c));
    return r;
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

class PruebaPagosTiendas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listado()
    {
        BaseDePrueba b;
        Sembrar(b);
        frmPagosTiendas f;
        f.CargarFormulario(nullptr);
        QCOMPARE(f.cmbTienda.Text, QStringLiteral("Todos"));
        QCOMPARE(f.cmbAno.Text, QStringLiteral("2026"));
        QCOMPARE(f.cmbMeses.Text, QString());

        Ver(f, QStringLiteral("Todos"), 0, QStringLiteral("1999")); // no month: the year is not looked at
        const Grid &g = f.gridPagos;
        QCOMPARE(TextosColumna(g, 1), QStringList({"22", "21", "20", "", "Suma total"}));
        QCOMPARE(Fila(g, 3), QStringList({QString::fromUtf8("Mercería Sol"), "20", "30.00", "10.00", "20.00",
                                          "15/11/26"}));
        QCOMPARE(Fila(g, 5), QStringList({"", "Suma total", "55.00", "34.97", "20.03", ""}));
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
        Sembrar(b);
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
        QCOMPARE(Fila(f.gridPagos, despues).mid(2, 3), QStringList({"30.00", "30.00", "0.00"}));

        // Nothing to collect: the settled order, the header, the total rows.
        const int preguntas = b.dialogos.preguntas.size();
        for (int r : {despues, 0, f.gridPagos.Rows() - 2, f.gridPagos.Rows() - 1})
            f.gridPagos_DblClick(r);
        QCOMPARE(b.dialogos.preguntas.size(), preguntas);
    }

    void cancelarDeuda()
    {
        BaseDePrueba b;
        Sembrar(b);
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

QTEST_GUILESS_MAIN(PruebaPagosTiendas)
#include "test_bd_pagos_tiendas.moc"
