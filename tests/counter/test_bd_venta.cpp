#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"

#include <QtTest>
#include <deque>

namespace {

// The colours picker answers from a queue; every letter is 100 twips wide, so names of more
// than 26 letters need two lines.
class PantallasVenta : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    QString Colores() override
    {
        ++aperturasColores;
        if (colores.empty())
            return {};
        const QString c = colores.front();
        colores.pop_front();
        return c;
    }
    int AnchoTextoTwips(const QString &texto) const override { return int(texto.size()) * 100; }

    std::deque<QString> colores;
    int aperturasColores = 0;
};

// The demo shop (Pantalón is family 1: Bajo 8/6, Meter cintura 12/9, Cambiar cremallera 10/8)
// with the sale screen freshly reset.
struct Venta {
    BaseDePrueba b;
    PantallasVenta pantallas;
    frmPrincipal p;

    Venta()
    {
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        G().pantallas = &pantallas;
        p.ReiniciarVenta();
    }

    static int Fila(const Grid &g, const QString &nombre) { return FilaDeTexto(g, 1, nombre); }
    void Familia(const QString &nombre)
    {
        p.gridFamilias.Row = Fila(p.gridFamilias, nombre);
        p.gridFamilias_Click();
    }
    void Producto(const QString &nombre)
    {
        p.gridProductos.Row = Fila(p.gridProductos, nombre);
        p.gridProductos_Click();
    }
    void Tocar(int fila, int columna)
    {
        p.gridTPV.Row = fila;
        p.gridTPV.Col = columna;
        p.gridTPV_Click();
    }
    QStringList Columna(int columna) const { return TextosColumna(p.gridTPV, columna); }
    QStringList Lineas() const { return Columna(frmPrincipal::ColNombre); }
};

const QString Pantalon = QString::fromUtf8("Pantalón");
const QString Bajo = QStringLiteral("Bajo");
const QString Cintura = QStringLiteral("Meter cintura");
const QString Cremallera = QStringLiteral("Cambiar cremallera");

} // namespace

class PruebaVenta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void familiasYProductos()
    {
        Venta v;
        QCOMPARE(v.p.gridFamilias.Rows(), 10);
        QVERIFY(v.p.gridFamilias.Visible);
        QVERIFY(!v.p.gridProductos.Visible);

        v.Familia(Pantalon);
        QVERIFY(v.p.gridProductos.Visible);
        QVERIFY(!v.p.gridFamilias.Visible);
        QVERIFY(v.p.cmdVerFamiliasVisible);
        QCOMPARE(TextosColumna(v.p.gridProductos, 1),
                 (QStringList{Bajo, QStringLiteral("Bajo con vuelta"), Cremallera,
                              QStringLiteral("Estrechar pernera"), Cintura, QStringLiteral("Sacar cintura")}));
        // The separator: empty product id, its family, the "X", the default label, the ordinal.
        QCOMPARE(v.p.gridTPV.Rows(), 2);
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColIdProducto), QString());
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColIdFamilia), QStringLiteral("1"));
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColBorrar), QStringLiteral("X"));
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre), QString::fromUtf8("-- Pantalón --"));
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColImporte), QStringLiteral("--"));
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColPrenda), QStringLiteral("1"));
        QCOMPARE(v.p.gridTPV.CellBackColor(1, frmPrincipal::ColNombre), Rgb(172, 209, 255));

        // A second family without any product leaves two garments; going back drops the empty last one.
        v.Familia(QStringLiteral("Falda"));
        QCOMPARE(v.Lineas(),
                 (QStringList{QString::fromUtf8("-- Pantalón --"), QStringLiteral("-- Falda --")}));
        QCOMPARE(v.Columna(frmPrincipal::ColPrenda), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        v.p.cmdVerFamilias_Click();
        QCOMPARE(v.Lineas(), QStringList{QString::fromUtf8("-- Pantalón --")});
        QVERIFY(v.p.gridFamilias.Visible);
        QVERIFY(!v.p.gridProductos.Visible);
        QVERIFY(!v.p.cmdVerFamiliasVisible);
        QCOMPARE(v.p.gridFamilias.Rows(), 10);

        // Products withdrawn from the catalogue are not offered.
        v.Familia(QStringLiteral("Varios"));
        QVERIFY(!TextosColumna(v.p.gridProductos, 1).contains(QStringLiteral("Zurcido invisible")));
        QCOMPARE(v.p.gridProductos.Rows(), 4);
    }

    void mismoProductoUnaVezPorPrenda()
    {
        Venta v;
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.Producto(Bajo);
        v.Producto(Cintura);
        v.Producto(Bajo);
        QCOMPARE(v.Lineas(), (QStringList{QString::fromUtf8("-- Pantalón --"), Bajo, Cintura}));
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColIdFamilia), QStringLiteral("1"));
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColBorrar), QStringLiteral("X"));
        QCOMPARE(v.p.gridTPV.Row, 3);

        v.Familia(Pantalon);
        v.Producto(Bajo);
        QCOMPARE(v.Lineas(), (QStringList{QString::fromUtf8("-- Pantalón --"), Bajo, Cintura,
                                          QString::fromUtf8("-- Pantalón --"), Bajo}));
        QCOMPARE(v.Columna(frmPrincipal::ColImporte),
                 (QStringList{QStringLiteral("--"), QStringLiteral("8.00"), QStringLiteral("12.00"),
                              QStringLiteral("--"), QStringLiteral("8.00")}));
        QCOMPARE(v.p.txtTotal, QStringLiteral("28.00"));
    }

    void borrarConLaX()
    {
        Venta v;
        // The only garment with its line: back to an empty order and the families.
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.Tocar(1, frmPrincipal::ColBorrar);
        QCOMPARE(v.p.gridTPV.Rows(), 1);
        QVERIFY(v.p.gridFamilias.Visible);
        QCOMPARE(v.p.txtTotal, QStringLiteral("0.00"));

        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.Producto(Cintura);
        v.Familia(QStringLiteral("Falda"));
        v.Producto(Bajo);
        v.Producto(Cintura);
        v.Familia(QStringLiteral("Camisa"));
        v.Producto(QStringLiteral("Entallar"));
        QCOMPARE(v.p.txtTotal, QStringLiteral("52.00"));

        // A garment in the middle goes with its lines, and the next garment stays whole.
        v.Tocar(4, frmPrincipal::ColBorrar);
        QCOMPARE(v.Lineas(), (QStringList{QString::fromUtf8("-- Pantalón --"), Bajo, Cintura,
                                          QStringLiteral("-- Camisa --"), QStringLiteral("Entallar")}));
        QCOMPARE(v.Columna(frmPrincipal::ColPrenda),
                 (QStringList{QStringLiteral("1"), QString(), QString(), QStringLiteral("2"), QString()}));
        QVERIFY(v.p.gridFamilias.Visible);
        QCOMPARE(v.p.txtTotal, QStringLiteral("32.00"));

        // One line alone.
        v.Tocar(2, frmPrincipal::ColBorrar);
        QCOMPARE(v.Lineas(), (QStringList{QString::fromUtf8("-- Pantalón --"), Cintura,
                                          QStringLiteral("-- Camisa --"), QStringLiteral("Entallar")}));
        QCOMPARE(v.p.txtTotal, QStringLiteral("24.00"));

        // Two empty garments at the end: the "X" of the last one takes both.
        v.Familia(QStringLiteral("Falda"));
        v.Familia(QStringLiteral("Vestido"));
        QCOMPARE(v.p.gridTPV.Rows(), 7);
        v.Tocar(6, frmPrincipal::ColBorrar);
        QCOMPARE(v.p.gridTPV.Rows(), 5);
        QVERIFY(!v.p.cmdVerFamiliasVisible);
    }

    void colorEnLaEtiqueta()
    {
        Venta v;
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.pantallas.colores = {QStringLiteral("Rojo"), QStringLiteral("Rojo"), QString()};
        v.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre),
                 QString::fromUtf8("-- Pantalón Rojo --"));
        QCOMPARE(v.p.gridTPV.Col, 0);
        v.Tocar(1, frmPrincipal::ColNombre);
        const QString dosVeces = QString::fromUtf8("-- Pantalón Rojo Rojo --");
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre), dosVeces);
        QCOMPARE(v.p.gridTPV.RowHeight(1), frmPrincipal::AltoFila);
        // Closing the picker changes nothing.
        v.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(v.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre), dosVeces);
        QCOMPARE(v.pantallas.aperturasColores, 3);

        // A label that outgrows one line gets two.
        v.pantallas.colores = {QStringLiteral("Azul marino")};
        v.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(v.p.gridTPV.RowHeight(1), 2 * frmPrincipal::AltoFila);

        // Product lines have no colour.
        v.Tocar(2, frmPrincipal::ColNombre);
        QCOMPARE(v.pantallas.aperturasColores, 4);
    }

    void fechasDePrendaYDeArreglo()
    {
        Venta v;
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.Familia(QStringLiteral("Falda"));
        v.Producto(Bajo);
        v.b.dialogos.calendario = {QStringLiteral("5/3/2027"), QStringLiteral("17/3/2027"), QString()};
        v.Tocar(1, frmPrincipal::ColFecha);
        v.Tocar(3, frmPrincipal::ColFecha);
        QCOMPARE(v.Columna(frmPrincipal::ColFecha),
                 (QStringList{QStringLiteral("05/03/27"), QString(), QStringLiteral("17/03/27"), QString()}));
        QCOMPARE(v.p.txtFechaEntrega, QStringLiteral("17/03/27"));
        // A cancelled calendar clears the garment's date; the order falls back to the other garment.
        v.Tocar(3, frmPrincipal::ColFecha);
        QCOMPARE(v.p.gridTPV.TextMatrix(3, frmPrincipal::ColFecha), QString());
        QCOMPARE(v.p.txtFechaEntrega, QStringLiteral("05/03/27"));
        // A product line has no date of its own.
        v.Tocar(2, frmPrincipal::ColFecha);
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColFecha), QString());

        // The order's own date overrides until the calendar is cancelled.
        v.b.dialogos.calendario = {QStringLiteral("20/3/2027"), QString()};
        v.p.cmdFechaEntrega_Click();
        QCOMPARE(v.p.txtFechaEntrega, QStringLiteral("20/03/27"));
        v.p.cmdFechaEntrega_Click();
        QCOMPARE(v.p.txtFechaEntrega, QStringLiteral("05/03/27"));

        // The same-day service dates its garment today, and its long name takes two lines.
        v.Familia(QStringLiteral("Varios"));
        v.Producto(QString::fromUtf8("Urgente (entrega en el día)"));
        const int separador = v.p.gridTPV.Rows() - 2;
        QCOMPARE(v.p.gridTPV.TextMatrix(separador, frmPrincipal::ColFecha), QStringLiteral("05/12/26"));
        QCOMPARE(v.p.gridTPV.RowHeight(separador + 1), 2 * frmPrincipal::AltoFila);
        QCOMPARE(v.p.txtFechaEntrega, QStringLiteral("05/03/27"));
    }

    void preciosTecleadosYDeTienda()
    {
        Venta v;
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.b.dialogos.pad = {QStringLiteral("12"), QStringLiteral("1.2.3"), QString(),
                            QStringLiteral("1234.5")};
        v.Tocar(2, frmPrincipal::ColImporte);
        QCOMPARE(v.b.dialogos.titulosPad, QStringList{QStringLiteral("Introduzca el nuevo precio")});
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), QStringLiteral("12.00"));
        // A text that is no number is refused and the price stays.
        v.Tocar(2, frmPrincipal::ColImporte);
        QCOMPARE(v.b.dialogos.mensajes.size(), 1);
        QVERIFY(v.b.dialogos.mensajes.first().contains(QStringLiteral("1.2.3")));
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), QStringLiteral("12.00"));
        v.Tocar(2, frmPrincipal::ColImporte);
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), QStringLiteral("12.00"));
        // Thousands are written with a comma and still add up.
        v.Tocar(2, frmPrincipal::ColImporte);
        QCOMPARE(v.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte), QStringLiteral("1,234.50"));
        v.Producto(Cintura);
        QCOMPARE(v.p.txtTotal, QStringLiteral("1,246.50"));
        // The garment row has no price to change.
        v.Tocar(1, frmPrincipal::ColImporte);
        QCOMPARE(v.b.dialogos.titulosPad.size(), 4);

        // A partner shop pays the shop price.
        v.p.ClienteEsTienda = 1;
        v.Familia(Pantalon);
        v.Producto(Cintura);
        v.Producto(Cremallera);
        QCOMPARE(v.p.gridTPV.TextMatrix(5, frmPrincipal::ColImporte), QStringLiteral("9.00"));
        QCOMPARE(v.p.gridTPV.TextMatrix(6, frmPrincipal::ColImporte), QStringLiteral("8.00"));
        QCOMPARE(v.p.DimePrecio(3), 12.0);
        QCOMPARE(v.p.DimePrecioTienda(3), 9.0);
        QCOMPARE(v.p.DimePrecio(999), 0.0);
        // A product that left the catalogue adds nothing.
        v.p.MeterProductoEnGridTPV(999);
        QCOMPARE(v.p.gridTPV.Rows(), 7);
    }

    void cifras()
    {
        Venta v;
        v.Familia(Pantalon);
        v.Producto(Bajo);
        v.Producto(Cintura);
        v.Producto(Cremallera);
        QCOMPARE(v.p.txtTotal, QStringLiteral("30.00"));
        QCOMPARE(v.p.txtPendiente, QStringLiteral("30.00"));
        QCOMPARE(v.p.txtCambio, QStringLiteral("0.00"));

        v.p.txtSenal = QStringLiteral("10.00");
        v.b.dialogos.pad = {QStringLiteral("25"), QString(), QStringLiteral("abc")};
        v.p.cmdPendiente_Click();
        QCOMPARE(v.b.dialogos.titulosPad, QStringList{QStringLiteral("Introduzca la cantidad")});
        QCOMPARE(v.p.txtEntregado, QStringLiteral("25.00"));
        QCOMPARE(v.p.txtCambio, QStringLiteral("5.00"));
        QCOMPARE(v.p.txtPendiente, QStringLiteral("0.00"));
        // Nothing typed is nothing handed over.
        v.p.cmdPendiente_Click();
        QCOMPARE(v.p.txtEntregado, QStringLiteral("0.00"));
        QCOMPARE(v.p.txtPendiente, QStringLiteral("20.00"));
        v.p.cmdPendiente_Click();
        QCOMPARE(v.b.dialogos.mensajes.size(), 1);
        QCOMPARE(v.p.txtEntregado, QStringLiteral("0.00"));

        // Deleting a line follows through to the figures.
        v.Tocar(3, frmPrincipal::ColBorrar);
        QCOMPARE(v.p.txtTotal, QStringLiteral("18.00"));
        QCOMPARE(v.p.txtPendiente, QStringLiteral("8.00"));

        v.p.IdArregloVenta = 7;
        v.p.ArregloCargado = true;
        v.p.CalcularCifrasTPV();
        QCOMPARE(v.p.lblNumReferencia, QStringLiteral("Ref. 7"));

        v.b.dialogos.formasPago = {{QStringLiteral("Tarjeta"), 2}};
        v.p.cmdFormasPago_Click();
        QCOMPARE(v.p.IdFormaPagoVenta, 2);
        QCOMPARE(v.p.cmdFormasPagoCaption, QStringLiteral("Tarjeta"));
        v.p.cmdFormasPago_Click(); // closed without a choice
        QCOMPARE(v.p.IdFormaPagoVenta, 2);

        v.p.cmdComenzar_Click();
        QCOMPARE(v.p.gridTPV.Rows(), 1);
        for (const QString &cifra :
             {v.p.txtTotal, v.p.txtSenal, v.p.txtEntregado, v.p.txtPendiente, v.p.txtCambio})
            QCOMPARE(cifra, QStringLiteral("0.00"));
        QCOMPARE(v.p.IdFormaPagoVenta, 1);
        QCOMPARE(v.p.cmdFormasPagoCaption, QStringLiteral("Efectivo"));
        QCOMPARE(v.p.lblNumReferencia, QString());
        QCOMPARE(v.p.IdArregloVenta, 0);
        QVERIFY(!v.p.ArregloCargado);
    }

    void reiniciarBorraSoloElReservado()
    {
        Venta v;
        for (int id : {50, 51}) {
            v.b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos (idusuario, idarreglo, idcliente, entregado, pagado) "
                               "values (1, %1, 1, 0, 0)")
                    .arg(id));
            v.b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, "
                               "referenciaprenda) values (%1, 1, 8, '%1.1')")
                    .arg(id));
        }
        const QString pedidos = QStringLiteral("select count(*) from arreglos");
        const QString lineas = QStringLiteral("select count(*) from arreglos_detalles");
        const int pedidosAntes = v.b.Valor(pedidos).toInt();
        const int lineasAntes = v.b.Valor(lineas).toInt();

        v.p.IdArregloVenta = 50;
        G().EntregandoArreglo = true;
        v.p.ReiniciarVenta();
        QCOMPARE(v.b.Valor(pedidos).toInt(), pedidosAntes - 1);
        QCOMPARE(v.b.Valor(lineas).toInt(), lineasAntes - 1);
        QCOMPARE(v.b.Valor(QStringLiteral("select count(*) from arreglos where idarreglo = 50")),
                 QStringLiteral("0"));
        QCOMPARE(v.p.IdArregloVenta, 0);
        QVERIFY(!G().EntregandoArreglo);

        // A reopened order is stored for good: the reset leaves it.
        v.p.IdArregloVenta = 51;
        v.p.ArregloCargado = true;
        v.p.ReiniciarVenta();
        QCOMPARE(v.b.Valor(pedidos).toInt(), pedidosAntes - 1);
        QCOMPARE(v.b.Valor(lineas).toInt(), lineasAntes - 1);
    }
};

QTEST_GUILESS_MAIN(PruebaVenta)
#include "test_bd_venta.moc"
