#include "BaseDePrueba.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmFIchaCliente.h"
#include "printing/CanalTickets.h"
#include "printing/SalidaMemoria.h"

#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

namespace {

// The customer list answers with a fixed choice; the card is the real form model, filled in
// and saved when the test gives a name, closed untouched otherwise.
class PantallasReabrir : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    int ListaClientes() override { return elegido; }
    void FichaCliente(const QString &telefono, int idcliente) override
    {
        fichas.append(telefono + QLatin1Char('/') + QString::number(idcliente));
        frmFIchaCliente ficha;
        ficha.CargarFormulario(telefono, idcliente, [&] {
            if (nombreNuevo.isEmpty())
                return;
            ficha.txtNombre = nombreNuevo;
            ficha.cmdAceptar_Click();
        });
    }
    void Calculadora() override { ++calculadoras; }

    int elegido = 0;
    QString nombreNuevo;
    QStringList fichas;
    int calculadoras = 0;
};

struct Linea {
    int idproducto;
    double precio;
    const char *prenda;
    int numeroPrenda;
    int diaEntrega; // of December 2026
};

// The demo shop (Pantalón: Bajo 1 at 8/6, Meter cintura 3 at 12/9; Falda: Bajo 7 at 9/7;
// "Productos mercería" is 28; customer 1 is María, 3 the partner shop Boutique Lola) with the
// sale screen freshly reset.
struct Mostrador {
    BaseDePrueba b;
    PantallasReabrir pantallas;
    SalidaMemoria impresora;
    frmPrincipal p;

    Mostrador()
    {
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        G().pantallas = &pantallas;
        G().salidaTickets = &impresora;
        G().NombreCierre = QStringLiteral("20261205");
        p.ReiniciarVenta();
    }

    void GuardarPedido(int idarreglo, int idcliente, int idusuario, const std::vector<Linea> &lineas)
    {
        int ultimoDia = 0;
        for (const Linea &l : lineas) {
            ultimoDia = std::max(ultimoDia, l.diaEntrega);
            b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                               "referenciaprenda, fechaentrega) values (%1, %2, %3, %4, '%1.%5', %6)")
                    .arg(idarreglo)
                    .arg(l.idproducto)
                    .arg(TextoNumero(l.precio), ComillasSQL(QString::fromUtf8(l.prenda)))
                    .arg(l.numeroPrenda)
                    .arg(LiteralFechaSQL(QDateTime(QDate(2026, 12, l.diaEntrega), QTime(0, 0)))));
        }
        b.conexion.Ejecutar(QStringLiteral("insert into arreglos (idusuario, idarreglo, fechaarreglo, "
                                           "fechaprevistaentrega, idcliente, entregado, pagado) values "
                                           "(%1, %2, %3, %4, %5, 0, 0)")
                                .arg(idusuario)
                                .arg(idarreglo)
                                .arg(LiteralFechaSQL(QDateTime(QDate(2026, 12, 1), QTime(11, 0))),
                                     LiteralFechaSQL(QDateTime(QDate(2026, 12, ultimoDia), QTime(0, 0))))
                                .arg(idcliente));
    }

    // Every stored line of an order as one text: what a second save must leave alone.
    QStringList LineasGuardadas(int idarreglo)
    {
        QStringList r;
        Recordset rs = b.conexion.AbrirRecordset(
            QStringLiteral(
                "select idarreglodetalle, idproducto, precio, nombreprenda, referenciaprenda, "
                "fechaentrega from arreglos_detalles where idarreglo = %1 order by idarreglodetalle")
                .arg(idarreglo));
        for (; !rs.EOF_(); rs.MoveNext()) {
            QStringList campos;
            for (int i = 0; i < rs.NumCampos(); ++i)
                campos.append(i == 2 ? FormatoImporte(Val(TextoDeValor(rs.Campo(i))))
                                     : TextoDeValor(rs.Campo(i)));
            r.append(campos.join(QLatin1Char('|')));
        }
        return r;
    }

    // A column of the order grid, row after row, as "a|b|c".
    QString Columna(int columna) const
    {
        QStringList r;
        for (int f = 1; f < p.gridTPV.Rows(); ++f)
            r.append(p.gridTPV.TextMatrix(f, columna));
        return r.join(QLatin1Char('|'));
    }

    void Tocar(Grid &grid, const QString &texto)
    {
        for (int f = 1; f < grid.Rows(); ++f)
            if (grid.TextMatrix(f, 1) == texto)
                grid.Row = f;
    }
    void Familia(const QString &nombre)
    {
        Tocar(p.gridFamilias, nombre);
        p.gridFamilias_Click();
    }
    void Producto(const QString &nombre)
    {
        Tocar(p.gridProductos, nombre);
        p.gridProductos_Click();
    }
};

const QString Bajo = QStringLiteral("Bajo");

QByteArray Linea(const QByteArray &texto, bool dobleAlto = false)
{
    const QByteArray esc(1, 27);
    if (dobleAlto)
        return esc + '!' + char(16) + esc + "r0" + texto + "\r\n";
    return esc + "r0" + esc + '!' + char(0) + texto + "\r\n";
}

} // namespace

class PruebaReabrir : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reabrirPedido()
    {
        Mostrador m;
        // Two garments, stored at prices that are no longer the catalogue's; 10.00 paid on account.
        m.GuardarPedido(70, 1, 2,
                        {{1, 7.5, "Pantalón negro", 1, 10},
                         {3, 8.5, "Pantalón negro", 1, 10},
                         {7, 9, "Falda azul", 2, 14}});
        MeterMovimientoCaja(10, QStringLiteral("Ref. 70"), QStringLiteral("20261201"), 1, 70, 0);
        const QStringList ids = m.b.Columna(
            QStringLiteral("select idarreglodetalle from arreglos_detalles where idarreglo = 70 order by 1"));

        m.p.CargarArreglo(70, false);
        QCOMPARE(m.Columna(frmPrincipal::ColNombre),
                 QString::fromUtf8("Pantalón negro|Bajo|Meter cintura|Falda azul|Bajo"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), QStringLiteral("--|7.50|8.50|--|9.00"));
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), QStringLiteral("10/12/26|||14/12/26|"));
        QCOMPARE(m.Columna(frmPrincipal::ColPrenda), QStringLiteral("1|||2|"));
        QCOMPARE(m.Columna(frmPrincipal::ColIdDetalle),
                 QStringLiteral("|%1|%2||%3").arg(ids[0], ids[1], ids[2]));
        QCOMPARE(m.p.gridTPV.TextMatrix(4, frmPrincipal::ColIdFamilia), QStringLiteral("2"));

        QCOMPARE(m.p.txtTotal, QStringLiteral("25.00"));
        QCOMPARE(m.p.txtSenal, QStringLiteral("10.00"));
        QCOMPARE(m.p.txtEntregado, QStringLiteral("0.00"));
        QCOMPARE(m.p.txtPendiente, QStringLiteral("15.00"));
        QCOMPARE(m.p.txtFechaEntrega, QStringLiteral("14/12/26"));
        QCOMPARE(m.p.txtTelefono, QStringLiteral("600111222"));
        QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8("María Muñoz García"));
        QCOMPARE(m.p.lblAtendidopor, QStringLiteral("Atendido por: Carmen"));
        QCOMPARE(m.p.lblNumReferencia, QStringLiteral("Ref. 70"));
        QCOMPARE(m.p.IdArregloVenta, 70);
        QCOMPARE(m.p.IdClienteVenta, 1);
        QCOMPARE(m.p.ClienteEsTienda, 0);
        QCOMPARE(m.p.IdUsuarioVenta, 0);
        QVERIFY(m.p.ArregloCargado);
        QVERIFY(!m.p.EntregarAlAcabar);
        QVERIFY(m.p.cmdTelefonoEnabled && m.p.gridFamiliasEnabled && m.p.cmdFechaEntregaEnabled);

        // For handing over, only the payment stays open; the reset opens everything again.
        m.p.ReiniciarVenta();
        G().EntregandoArreglo = true;
        m.p.CargarArreglo(70, true);
        QVERIFY(m.p.EntregarAlAcabar);
        QVERIFY(G().EntregandoArreglo);
        for (bool activo : {m.p.cmdVerFamiliasEnabled, m.p.cmdTelefonoEnabled, m.p.cmdBuscarClienteEnabled,
                            m.p.cmdFechaEntregaEnabled, m.p.gridFamiliasEnabled, m.p.gridProductosEnabled})
            QVERIFY(!activo);
        m.p.ReiniciarVenta();
        QVERIFY(m.p.cmdTelefonoEnabled && m.p.gridProductosEnabled && !m.p.EntregarAlAcabar);
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 70")),
                 QStringLiteral("3"));

        // An order that is not there loads nothing.
        m.p.CargarArreglo(999, false);
        QCOMPARE(m.p.gridTPV.Rows(), 1);
        QCOMPARE(m.p.IdArregloVenta, 0);
        QVERIFY(!m.p.ArregloCargado);
    }

    void acabarDeNuevoConElResto()
    {
        Mostrador m;
        m.GuardarPedido(70, 1, 2,
                        {{1, 7.5, "Pantalón negro", 1, 10},
                         {3, 8.5, "Pantalón negro", 1, 10},
                         {7, 9, "Falda azul", 2, 14}});
        MeterMovimientoCaja(10, QStringLiteral("Ref. 70"), QStringLiteral("20261201"), 1, 70, 0);
        const QStringList antes = m.LineasGuardadas(70);

        m.p.CargarArreglo(70, false);
        m.b.dialogos.pad = {QStringLiteral("15")};
        m.p.cmdPendiente_Click();
        QCOMPARE(m.p.txtPendiente, QStringLiteral("0.00"));
        m.b.dialogos.usuarios = {1};
        m.b.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();

        QCOMPARE(m.b.dialogos.mensajes, QStringList());
        QCOMPARE(m.b.dialogos.preguntas.last(), QString::fromUtf8("¿Imprimir de nuevo el ticket?"));
        QStringList importes;
        for (const QString &i : m.b.Columna(
                 QStringLiteral("select importe from caja where idarreglo = 70 order by idmovimiento")))
            importes.append(FormatoImporte(Val(i)));
        QCOMPARE(importes, (QStringList{QStringLiteral("10.00"), QStringLiteral("15.00")}));
        QCOMPARE(m.b.Valor(QStringLiteral("select concepto from caja order by idmovimiento desc")),
                 QStringLiteral("Ref. 70"));
        QCOMPARE(m.LineasGuardadas(70), antes);
        QCOMPARE(m.p.gridTPV.Rows(), 1);
    }

    void clienteDeTiendaCambiaPrecios()
    {
        Mostrador m;
        m.Familia(QString::fromUtf8("Pantalón"));
        m.Producto(Bajo);
        m.Producto(QStringLiteral("Meter cintura"));
        m.Familia(QString::fromUtf8("Mercería"));
        m.Producto(QString::fromUtf8("Productos mercería"));
        // Prices typed by hand: the haberdashery one stays, the alteration one gives way.
        m.b.dialogos.pad = {QStringLiteral("3.5"), QStringLiteral("20")};
        m.p.gridTPV.Row = 5;
        m.p.gridTPV.Col = frmPrincipal::ColImporte;
        m.p.gridTPV_Click();
        m.p.gridTPV.Row = 2;
        m.p.gridTPV_Click();
        QCOMPARE(m.p.txtTotal, QStringLiteral("35.50"));

        QCOMPARE(m.p.BuscarClienteTel(QStringLiteral("915556677")), QStringLiteral("915556677"));
        QCOMPARE(m.p.IdClienteVenta, 3);
        QCOMPARE(m.p.ClienteEsTienda, 1);
        QCOMPARE(m.p.txtNombreCliente, QStringLiteral("Boutique Lola"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), QStringLiteral("--|6.00|9.00|--|3.50"));
        m.p.CalcularCifrasTPV();
        QCOMPARE(m.p.txtTotal, QStringLiteral("18.50"));
        // New lines take the shop price too.
        m.Familia(QString::fromUtf8("Pantalón"));
        m.Producto(Bajo);
        QCOMPARE(m.p.gridTPV.TextMatrix(7, frmPrincipal::ColImporte), QStringLiteral("6.00"));

        // Back to a private customer from the list: public prices, figures recomputed.
        m.pantallas.elegido = 1;
        m.p.cmdBuscarCliente_Click();
        QCOMPARE(m.p.IdClienteVenta, 1);
        QCOMPARE(m.p.ClienteEsTienda, 0);
        QCOMPARE(m.p.txtTelefono, QStringLiteral("600111222"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), QStringLiteral("--|8.00|12.00|--|3.50|--|8.00"));
        QCOMPARE(m.p.txtTotal, QStringLiteral("31.50"));

        // Closing the list without a choice keeps the customer.
        m.pantallas.elegido = 0;
        m.p.cmdBuscarCliente_Click();
        QCOMPARE(m.p.IdClienteVenta, 1);
        QCOMPARE(m.pantallas.fichas, QStringList());

        QCOMPARE(frmPrincipal::DimeNombreCliente(3), QStringLiteral("Boutique Lola"));
        QCOMPARE(frmPrincipal::DimeTelefonoCliente(999), QString());
    }

    void telefonoDesconocidoAbreLaFicha()
    {
        Mostrador m;
        m.pantallas.elegido = 1;
        m.p.cmdBuscarCliente_Click();
        QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8("María Muñoz García"));

        // The card closed without saving: asked twice, and no customer is left on the sale.
        m.b.dialogos.pad = {QStringLiteral("699000111")};
        m.p.cmdTelefono_Click();
        QCOMPARE(m.b.dialogos.titulosPad,
                 QStringList{QString::fromUtf8("Introduzca el teléfono del cliente")});
        QCOMPARE(m.pantallas.fichas,
                 (QStringList{QStringLiteral("699000111/0"), QStringLiteral("699000111/0")}));
        QCOMPARE(m.p.IdClienteVenta, 0);
        QCOMPARE(m.p.txtTelefono, QStringLiteral("699000111"));
        QCOMPARE(m.p.txtNombreCliente, QString());

        // Saved on the card: the new customer is the sale's at once.
        m.pantallas.fichas.clear();
        m.pantallas.nombreNuevo = QString::fromUtf8("Rosa Díaz");
        m.b.dialogos.pad = {QStringLiteral("699000111")};
        m.p.cmdTelefono_Click();
        QCOMPARE(m.pantallas.fichas, QStringList{QStringLiteral("699000111/0")});
        QCOMPARE(QString::number(m.p.IdClienteVenta),
                 m.b.Valor(QStringLiteral("select idcliente from clientes where telefono = '699000111'")));
        QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8("Rosa Díaz"));
        QCOMPARE(m.p.txtTelefono, QStringLiteral("699000111"));

        // A known telephone opens no card; an empty answer changes nothing.
        m.pantallas.fichas.clear();
        m.b.dialogos.pad = {QStringLiteral("915556677"), QString()};
        m.p.cmdTelefono_Click();
        QCOMPARE(m.p.IdClienteVenta, 3);
        m.p.cmdTelefono_Click();
        QCOMPARE(m.p.IdClienteVenta, 3);
        QCOMPARE(m.pantallas.fichas, QStringList());
    }

    void merceria()
    {
        Mostrador m;
        m.Familia(QString::fromUtf8("Pantalón"));
        m.Producto(Bajo);
        m.p.IdFormaPagoVenta = 2;
        const QString movimientos = QStringLiteral("select count(*) from caja");
        const int antes = m.b.Valor(movimientos).toInt();

        // "No" to the confirmation books nothing and opens nothing; neither does a mistyped amount.
        m.b.dialogos.pad = {QStringLiteral("3.5"), QStringLiteral("3..5"), QStringLiteral("0"), QString()};
        m.b.dialogos.siNo = {7};
        for (int i = 0; i < 4; ++i)
            m.p.cmdMerceria_Click();
        QCOMPARE(m.b.dialogos.preguntas,
                 QStringList{QString::fromUtf8("Confirmar venta de mercería de 3.5€?")});
        QCOMPARE(m.b.dialogos.mensajes.size(), 2);
        QCOMPARE(m.b.Valor(movimientos).toInt(), antes);
        QVERIFY(m.impresora.Bytes().isEmpty());

        m.b.dialogos.preguntas.clear();
        m.b.dialogos.pad = {QStringLiteral("3.5")};
        m.b.dialogos.siNo = {6, 6};
        m.p.cmdMerceria_Click();
        QCOMPARE(m.b.dialogos.titulosPad.last(), QString::fromUtf8("Importe de la venta de mercería"));
        QCOMPARE(m.b.dialogos.preguntas.last(), QStringLiteral("Imprimir ticket"));
        QCOMPARE(m.b.Valor(movimientos).toInt(), antes + 1);
        Recordset rs =
            m.b.conexion.AbrirRecordset(QStringLiteral("select * from caja order by idmovimiento desc"));
        QCOMPARE(Val(TextoDeValor(rs.Campo(QStringLiteral("importe")))), 3.5);
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("concepto"))), QString::fromUtf8("Mercería"));
        QCOMPARE(TextoDeValor(rs.Campo(QStringLiteral("formapago"))), QStringLiteral("1"));
        QCOMPARE(TextoDeValor(rs.Campo(QStringLiteral("idarreglo"))), QStringLiteral("0"));
        QCOMPARE(NuloABlanco(rs.Campo(QStringLiteral("nombrecierre"))), QStringLiteral("20261205"));
        // The order on screen is as it was.
        QCOMPARE(m.Columna(frmPrincipal::ColNombre), QString::fromUtf8("-- Pantalón --|Bajo"));
        QCOMPARE(m.p.txtTotal, QStringLiteral("8.00"));
        QCOMPARE(m.p.txtEntregado, QStringLiteral("0.00"));
        QCOMPARE(m.p.IdFormaPagoVenta, 2);

        // The drawer opens first, then the ticket: header, the sale, the date, the footer.
        SalidaMemoria marco;
        G().salidaTickets = &marco;
        AbrirCajon();
        ImprimirCabeceraTicket();
        const QByteArray principio = marco.Bytes();
        marco.Vaciar();
        ImprimirPieTicket();
        const QByteArray pie = marco.Bytes();
        const QByteArray cuerpo = Linea("") + Linea("Venta productos merceria: ")
                                  + Linea(QByteArray(27, ' ') + "Importe: 3.50", true) + Linea("")
                                  + Linea("");
        const QByteArray ticket = m.impresora.Bytes();
        QVERIFY(ticket.startsWith(principio + cuerpo));
        QVERIFY(ticket.endsWith(pie));
        const QByteArray fecha = ticket.mid(principio.size() + cuerpo.size(),
                                            ticket.size() - principio.size() - cuerpo.size() - pie.size());
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("^\\x1br0\\x1b!\\x00Fecha: \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d\\r\\n$"))
                .match(QString::fromLatin1(fecha))
                .hasMatch(),
            fecha.constData());
        QCOMPARE(m.impresora.Tickets().size(), 1);
    }

    void cajonYCalculadora()
    {
        Mostrador m;
        m.p.Command1_Click();
        QCOMPARE(m.impresora.Bytes(), QByteArray("\x1bp") + char(0) + char(25) + char(250));
        m.p.cmdCalculadora_Click();
        QCOMPARE(m.pantallas.calculadoras, 1);
    }

    void pedidosQueElCatalogoYaNoRecoge()
    {
        Mostrador m;
        // A product that has since been deleted, a product twice on one garment, one withdrawn
        // from sale, and the same-day service dated on the day the order was taken in.
        m.b.conexion.Ejecutar(
            QStringLiteral("insert into productos (idfamilia, nombre, precio1, precio2, precio3, "
                           "activo) values (2, 'Bordado', 20, 16, 8, 0)"));
        const int borrado = m.b.Valor(QStringLiteral("select max(idproducto) from productos")).toInt();
        const char *pantalon = "Pantalón gris";
        const char *falda = "Falda bordada";
        m.GuardarPedido(80, 1, 1,
                        {{1, 8, pantalon, 1, 9},
                         {1, 5, pantalon, 1, 9},
                         {29, 15, pantalon, 1, 9},
                         {borrado, 20, falda, 2, 1},
                         {21, 6, falda, 2, 1}});
        m.b.conexion.Ejecutar(QStringLiteral("delete from productos where idproducto = %1").arg(borrado));
        const QStringList antes = m.LineasGuardadas(80);

        m.p.CargarArreglo(80, false);
        QCOMPARE(m.Columna(frmPrincipal::ColNombre),
                 QString::fromUtf8("Pantalón gris|Bajo|Bajo|Zurcido invisible|Falda bordada|"
                                   "Producto retirado del catálogo|Urgente (entrega en el día)"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), QStringLiteral("--|8.00|5.00|15.00|--|20.00|6.00"));
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), QStringLiteral("09/12/26||||01/12/26||"));
        QCOMPARE(m.p.txtTotal, QStringLiteral("54.00"));

        // Saved again, every line keeps its product, price, garment and date.
        m.b.dialogos.siNo = {6, 7, 7};
        m.b.dialogos.usuarios = {1};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.b.dialogos.mensajes, QStringList());
        QCOMPARE(m.LineasGuardadas(80), antes);

        // Choosing the customer again reprices what the catalogue still sells; the deleted
        // product keeps the price it was sold at.
        m.p.CargarArreglo(80, false);
        m.p.BuscarClienteTel(QStringLiteral("600111222"));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), QStringLiteral("--|8.00|8.00|15.00|--|20.00|6.00"));
    }
};

QTEST_MAIN(PruebaReabrir)
#include "test_bd_reabrir.moc"
