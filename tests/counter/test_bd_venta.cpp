#include "AyudasGrid.h"
#include "Mostrador.h"
#include "core/Programa.h"
#include "printing/CanalTickets.h"

#include <QtTest>

namespace {

const QString Pantalon = QString::fromUtf8("Pantalón");
const QString Bajo = QStringLiteral("Bajo");
const QString Cintura = QStringLiteral("Meter cintura");
const QString Cremallera = QStringLiteral("Cambiar cremallera");
const QString Urgente = QString::fromUtf8("Urgente (entrega en el día)");

QStringList L(std::initializer_list<const char *> textos)
{
    QStringList r;
    for (const char *t : textos)
        r.append(QString::fromUtf8(t));
    return r;
}

} // namespace

class PruebaVenta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void familiasProductosYBorrado()
    {
        Mostrador m;
        QCOMPARE(m.p.gridFamilias.Rows(), 10);
        m.Familia(Pantalon);
        QVERIFY(m.p.gridProductos.Visible && !m.p.gridFamilias.Visible && m.p.cmdVerFamiliasVisible);
        QCOMPARE(TextosColumna(m.p.gridProductos, 1),
                 L({"Bajo", "Bajo con vuelta", "Cambiar cremallera", "Estrechar pernera", "Meter cintura",
                    "Sacar cintura"}));
        // The separator: no product id, its family, the "X", the default label, "--", the ordinal.
        QStringList separador;
        for (int c = 0; c < m.p.gridTPV.Cols(); ++c)
            separador.append(m.p.gridTPV.TextMatrix(1, c));
        QCOMPARE(separador, L({"", "1", "X", "-- Pantalón --", "--", "", "1", "", ""}));

        // One line per product and garment; a second garment of the same family may have it again.
        for (const QString &producto : {Bajo, Bajo, Cintura, Bajo})
            m.Producto(producto);
        m.Familia(Pantalon);
        m.Producto(Bajo);
        QCOMPARE(m.Lineas(), L({"-- Pantalón --", "Bajo", "Meter cintura", "-- Pantalón --", "Bajo"}));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), L({"--", "8.00", "12.00", "--", "8.00"}));
        QCOMPARE(m.p.txtTotal, QStringLiteral("28.00"));

        // A family touched without a product is dropped when going back to the families.
        m.Familia(QStringLiteral("Falda"));
        m.p.cmdVerFamilias_Click();
        QCOMPARE(m.p.gridTPV.Rows(), 6);
        QVERIFY(m.p.gridFamilias.Visible && !m.p.cmdVerFamiliasVisible);

        // The "X" of a garment takes its lines and renumbers; the "X" of a line takes the line.
        m.Prenda(QStringLiteral("Camisa"), {QStringLiteral("Entallar")}, QString());
        m.Tocar(4, frmPrincipal::ColBorrar);
        QCOMPARE(m.Lineas(), L({"-- Pantalón --", "Bajo", "Meter cintura", "-- Camisa --", "Entallar"}));
        QCOMPARE(m.Columna(frmPrincipal::ColPrenda), L({"1", "", "", "2", ""}));
        m.Tocar(2, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.txtTotal, QStringLiteral("24.00"));
        // Two empty garments at the end: the "X" of the last one takes both.
        m.Familia(QStringLiteral("Falda"));
        m.Familia(QStringLiteral("Vestido"));
        m.Tocar(6, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.gridTPV.Rows(), 5);

        // Withdrawn products are not offered; an unknown product adds nothing.
        m.Familia(QStringLiteral("Varios"));
        QVERIFY(!TextosColumna(m.p.gridProductos, 1).contains(QStringLiteral("Zurcido invisible")));
        m.p.MeterProductoEnGridTPV(999);
        QCOMPARE(m.p.gridTPV.Rows(), 6);
    }

    void colorEnLaEtiqueta()
    {
        Mostrador m;
        m.Familia(Pantalon);
        m.Producto(Bajo);
        m.pantallas.colores = {QStringLiteral("Rojo"), QString(), QStringLiteral("Azul marino")};
        m.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(m.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre),
                 QString::fromUtf8("-- Pantalón Rojo --"));
        QCOMPARE(m.p.gridTPV.RowHeight(1), frmPrincipal::AltoFila);
        m.Tocar(1, frmPrincipal::ColNombre); // closed: nothing changes
        QCOMPARE(m.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre),
                 QString::fromUtf8("-- Pantalón Rojo --"));
        // A label that outgrows one line gets two; product lines have no colour.
        m.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(m.p.gridTPV.RowHeight(1), 2 * frmPrincipal::AltoFila);
        m.Tocar(2, frmPrincipal::ColNombre);
        QCOMPARE(m.pantallas.aperturasColores, 3);
    }

    void fechasDePrendaYDeArreglo()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo}, QStringLiteral("5/3/2027"));
        m.Prenda(QStringLiteral("Falda"), {Bajo}, QStringLiteral("17/3/2027"));
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"05/03/27", "", "17/03/27", ""}));
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("17/03/27"));
        // A cancelled calendar clears the garment's date; a product line has no date of its own.
        m.Tocar(3, frmPrincipal::ColFecha);
        m.Tocar(2, frmPrincipal::ColFecha);
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"05/03/27", "", "", ""}));
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("05/03/27"));

        // A date chosen by hand survives the figures being worked out again (money handed over)...
        m.dialogos.calendario = {QStringLiteral("20/3/2027"), QStringLiteral("25/3/2027")};
        m.p.cmdFechaEntrega_Click();
        m.Entregado(QStringLiteral("5"));
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("20/03/27"));
        QCOMPARE(m.p.FechaEntregaVenta, QStringLiteral("20/03/2027"));
        // ...until a garment's date changes; a cancelled calendar goes back to the garments' date.
        m.Tocar(3, frmPrincipal::ColFecha);
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("25/03/27"));
        m.p.cmdFechaEntrega_Click();
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("25/03/27"));

        // The same-day service dates its own garment today, also when it is not the garment's first
        // line; its long name takes two lines.
        m.Familia(QStringLiteral("Varios"));
        m.Producto(QStringLiteral("Coser descosido"));
        m.Producto(Urgente);
        const int separador = m.p.gridTPV.Rows() - 3;
        QCOMPARE(m.Columna(frmPrincipal::ColFecha).mid(separador - 1), L({"05/12/26", "", ""}));
        QCOMPARE(m.p.gridTPV.RowHeight(separador + 2), 2 * frmPrincipal::AltoFila);

        // A date past 2029 keeps its century behind the two-digit year on screen.
        m.dialogos.calendario = {QStringLiteral("2/1/2030")};
        m.Tocar(1, frmPrincipal::ColFecha);
        QCOMPARE(m.p.gridTPV.TextMatrix(1, frmPrincipal::ColFecha), QStringLiteral("02/01/30"));
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("02/01/30"));
        QCOMPARE(m.p.FechaEntregaVenta, QStringLiteral("02/01/2030"));
    }

    void preciosYCifras()
    {
        Mostrador m;
        m.Familia(Pantalon);
        for (const QString &producto : {Bajo, Cintura, Cremallera})
            m.Producto(producto);
        // A typed price replaces the catalogue's; what is no number is refused and changes nothing.
        m.dialogos.pad = {QStringLiteral("1234.5"), QStringLiteral("1.2.3"), QString()};
        for (int i = 0; i < 3; ++i)
            m.Tocar(2, frmPrincipal::ColImporte);
        m.Tocar(1, frmPrincipal::ColImporte); // a garment row has no price
        QCOMPARE(m.dialogos.titulosPad.size(), 3);
        QCOMPARE(m.dialogos.mensajes, L({"«1.2.3» no es un importe válido."}));
        QCOMPARE(m.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), QStringLiteral("1,234.50"));
        QCOMPARE(m.p.txtTotal, QStringLiteral("1,256.50"));
        m.Tocar(2, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.txtTotal, QStringLiteral("22.00"));

        // Señal 10 and 25 handed over: 13 of change. The keypad's exact key offers the 12 still owed.
        m.p.txtSenal = QStringLiteral("10.00");
        m.dialogos.pad = {QStringLiteral("25"), QString(), QStringLiteral("abc")};
        m.p.cmdPendiente_Click();
        QCOMPARE(m.dialogos.exactos, L({"12"}));
        QCOMPARE(m.p.txtCambio, QStringLiteral("13.00"));
        QCOMPARE(m.p.txtPendiente, QStringLiteral("0.00"));
        // Nothing typed is nothing handed over; a mistyped amount is refused.
        m.p.cmdPendiente_Click();
        QCOMPARE(m.p.txtPendiente, QStringLiteral("12.00"));
        m.p.cmdPendiente_Click();
        QCOMPARE(m.dialogos.mensajes.size(), 2);
        QCOMPARE(m.p.txtEntregado, QStringLiteral("0.00"));

        // The payment method, kept when the picker is closed; "Comenzar" empties everything.
        m.dialogos.formasPago = {{QStringLiteral("Tarjeta"), 2}};
        m.p.cmdFormasPago_Click();
        m.p.cmdFormasPago_Click();
        QCOMPARE(m.p.cmdFormasPagoCaption, QStringLiteral("Tarjeta"));
        m.p.cmdComenzar_Click();
        QVERIFY(m.PantallaVacia());
        QCOMPARE(m.p.txtSenal + m.p.txtCambio + m.p.cmdFormasPagoCaption, QStringLiteral("0.000.00Efectivo"));
    }

    void clientes()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo, Cintura}, QString());
        m.Prenda(QString::fromUtf8("Mercería"), {QString::fromUtf8("Productos mercería")}, QString());
        m.dialogos.pad = {QStringLiteral("3.5")};
        m.Tocar(5, frmPrincipal::ColImporte);

        // A partner shop: its prices, except haberdashery, which keeps the amount typed.
        QCOMPARE(m.p.BuscarClienteTel(QStringLiteral("915556677")), QStringLiteral("915556677"));
        QCOMPARE(m.p.IdClienteVenta, 3);
        QCOMPARE(m.p.txtNombreCliente, QStringLiteral("Boutique Lola"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), L({"--", "6.00", "9.00", "--", "3.50"}));
        m.Familia(Pantalon);
        m.Producto(Bajo);
        QCOMPARE(m.p.txtTotal, QStringLiteral("24.50"));

        // Back to a private customer from the list: public prices. Closing the list keeps her.
        m.pantallas.elegido = 1;
        m.p.cmdBuscarCliente_Click();
        m.pantallas.elegido = 0;
        m.p.cmdBuscarCliente_Click();
        QCOMPARE(m.p.IdClienteVenta, 1);
        QCOMPARE(m.p.txtTelefono, QStringLiteral("600111222"));
        QCOMPARE(m.p.txtTotal, QStringLiteral("31.50"));

        // The customer picked in the list is the one kept, also when another shares her telephone
        // or she has none.
        m.b.Insertar("clientes", "nombre, telefono, estienda",
                     {"'Ana Gil', '600111222', 1", "'Eva Sanz', '', 0", "'Luis Sanz', '', 0"});
        for (const char *nombre : {"Ana Gil", "Luis Sanz"}) {
            m.pantallas.elegido = m.Valor(QStringLiteral("select idcliente from clientes where nombre = '%1'")
                                              .arg(QString::fromUtf8(nombre)))
                                      .toInt();
            m.p.cmdBuscarCliente_Click();
            QCOMPARE(m.p.IdClienteVenta, m.pantallas.elegido);
            QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8(nombre));
        }

        // An unknown telephone opens the card once; closed unsaved, no customer stays on the sale.
        m.dialogos.pad = {QStringLiteral("699000111"), QStringLiteral("699000111"),
                          QStringLiteral("915556677"), QString()};
        m.p.cmdTelefono_Click();
        QCOMPARE(m.pantallas.fichas, L({"699000111/0"}));
        QCOMPARE(m.p.IdClienteVenta, 0);
        QCOMPARE(m.p.txtNombreCliente, QString());
        // Saved on the card: the new customer is the sale's at once.
        m.pantallas.nombreNuevo = QString::fromUtf8("Rosa Díaz");
        m.p.cmdTelefono_Click();
        QCOMPARE(m.pantallas.fichas.size(), 2);
        QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8("Rosa Díaz"));
        QCOMPARE(QString::number(m.p.IdClienteVenta),
                 m.Valor(QStringLiteral("select idcliente from clientes where telefono = '699000111'")));
        // A known telephone opens no card; an empty answer changes nothing.
        m.p.cmdTelefono_Click();
        m.p.cmdTelefono_Click();
        QCOMPARE(m.p.IdClienteVenta, 3);
        QCOMPARE(m.pantallas.fichas.size(), 2);
        QCOMPARE(m.dialogos.titulosPad.last(), QString::fromUtf8("Introduzca el teléfono del cliente"));
    }

    void merceriaCajonYCalculadora()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo}, QString());
        m.p.IdFormaPagoVenta = 2;
        const QString pantalla = m.Pantalla();
        // "No" to the confirmation, a mistyped amount, zero and nothing typed book nothing.
        m.dialogos.pad = {QStringLiteral("3.5"), QStringLiteral("3..5"), QStringLiteral("0"), QString(),
                          QStringLiteral("3.5")};
        m.dialogos.siNo = {7, 6, 6};
        for (int i = 0; i < 5; ++i)
            m.p.cmdMerceria_Click();
        QCOMPARE(m.dialogos.preguntas, L({"Confirmar venta de mercería de 3.5€?",
                                          "Confirmar venta de mercería de 3.5€?", "Imprimir ticket"}));
        QCOMPARE(m.dialogos.mensajes.size(), 2);
        // Cash, whatever the order on screen shows, which stays as it was.
        QCOMPARE(m.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("1"));
        QCOMPARE(m.Valor(QStringLiteral("select concepto from caja where importe = 3.5 and formapago = 1 and "
                                        "idarreglo = 0 and nombrecierre = '20261205'")),
                 QString::fromUtf8("Mercería"));
        QCOMPARE(m.Pantalla(), pantalla);
        // The drawer opens before the ticket, whose line shows the amount.
        const QByteArray cajon = QByteArray("\x1bp") + char(0) + char(25) + char(250);
        QCOMPARE(m.impresora.Tickets().size(), 1);
        QVERIFY(m.impresora.Bytes().startsWith(cajon));
        QVERIFY(m.impresora.Bytes().contains("Venta productos merceria: "));
        QVERIFY(m.impresora.Bytes().contains("Importe: 3.50"));

        m.impresora.Vaciar();
        m.p.Command1_Click();
        QCOMPARE(m.impresora.Bytes(), cajon);
        m.p.cmdCalculadora_Click();
        QCOMPARE(m.pantallas.calculadoras, 1);
    }
};

QTEST_GUILESS_MAIN(PruebaVenta)
#include "test_bd_venta.moc"
