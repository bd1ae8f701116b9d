#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/CanalTickets.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketsArreglo.h"

#include <QtTest>
#include <functional>

namespace {

const QString Pantalon = QString::fromUtf8("Pantalón");
const QString Falda = QStringLiteral("Falda");
const QString Bajo = QStringLiteral("Bajo");
const QString Cintura = QStringLiteral("Meter cintura");
const QString Cremallera = QStringLiteral("Cambiar cremallera");

const QString PreguntaSenal =
    QString::fromUtf8("No ha recibido ninguna señal de este arreglo.\r\n¿Desea continuar?");
QString PreguntaPrendas(int n)
{
    return QString::fromUtf8("¿Imprimir ticket con descripción del arreglo de cada prenda?\r\nRef.: ")
           + QString::number(n);
}
QString PreguntaTicket(int n)
{
    return QString::fromUtf8("¿Imprimir ticket del arreglo?\r\nRef.: ") + QString::number(n);
}

// Scripted dialogs that can also break the database at a chosen moment of the flow.
class DialogosConAveria : public DialogosGuion
{
public:
    int Usuario() override
    {
        if (alElegirUsuario)
            std::exchange(alElegirUsuario, nullptr)();
        return DialogosGuion::Usuario();
    }
    int MensajeSiNo(const QString &texto) override
    {
        if (alPreguntar)
            std::exchange(alPreguntar, nullptr)();
        return DialogosGuion::MensajeSiNo(texto);
    }
    std::function<void()> alElegirUsuario;
    std::function<void()> alPreguntar;
};

// The demo shop without its orders and cash, the sale screen reset, tickets into memory.
// Pantalón is family 1 (Bajo 8, Meter cintura 12, Cambiar cremallera 10), Falda family 2 (Bajo 9);
// customer 1 is private, customer 3 a partner shop.
struct Mostrador {
    BaseDePrueba b;
    DialogosConAveria dialogos;
    SalidaMemoria impresora;
    frmPrincipal p;

    Mostrador()
    {
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
            b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
        G().dialogos = &dialogos;
        G().salidaTickets = &impresora;
        G().NombreCierre = QStringLiteral("20261205");
        p.ReiniciarVenta();
    }

    static int Fila(const Grid &g, const QString &nombre) { return FilaDeTexto(g, 1, nombre); }
    // A garment of a family with its alterations, due on the given day ("d/m/yyyy").
    void Prenda(const QString &familia, const QStringList &productos, const QString &fecha)
    {
        p.gridFamilias.Row = Fila(p.gridFamilias, familia);
        p.gridFamilias_Click();
        const int separador = p.gridTPV.Rows() - 1;
        for (const QString &producto : productos) {
            p.gridProductos.Row = Fila(p.gridProductos, producto);
            p.gridProductos_Click();
        }
        if (!fecha.isEmpty()) {
            dialogos.calendario.push_back(fecha);
            Tocar(separador, frmPrincipal::ColFecha);
        }
        p.cmdVerFamilias_Click();
    }
    void Tocar(int fila, int columna)
    {
        p.gridTPV.Row = fila;
        p.gridTPV.Col = columna;
        p.gridTPV_Click();
    }
    // Finding the customer belongs to the counter's other actions: here it is simply set.
    void Cliente(int idcliente, bool tienda = false)
    {
        p.IdClienteVenta = idcliente;
        p.ClienteEsTienda = tienda ? 1 : 0;
    }
    void Entregado(const QString &cantidad)
    {
        dialogos.pad.push_back(cantidad);
        p.cmdPendiente_Click();
    }
    // Pantalón (Bajo, Meter cintura) and Falda (Bajo), 29.00, for customer 1.
    void PedidoDeDosPrendas()
    {
        Prenda(Pantalon, {Bajo, Cintura}, QStringLiteral("10/12/2026"));
        Prenda(Falda, {Bajo}, QStringLiteral("12/12/2026"));
        Cliente(1);
    }
    int Guardar(int idarreglo)
    {
        int n = -1;
        p.GuardarArreglo(idarreglo, n);
        return n;
    }
    // A stored order as reopening puts it on screen: one separator per reference, the stored
    // prices and line ids, the money booked so far as señal.
    void Reabrir(int idarreglo, bool paraEntregar = false)
    {
        p.ReiniciarVenta();
        Recordset rs = b.conexion.AbrirRecordset(
            QStringLiteral("select * from arreglos, arreglos_detalles where arreglos.idarreglo = "
                           "arreglos_detalles.idarreglo and arreglos.idarreglo = ")
            + QString::number(idarreglo) + QStringLiteral(" order by idarreglodetalle"));
        QString referencia;
        for (; !rs.EOF_(); rs.MoveNext()) {
            const int idproducto = rs.Campo(QStringLiteral("idproducto")).toInt();
            if (NuloABlanco(rs.Campo(QStringLiteral("referenciaprenda"))) != referencia) {
                referencia = NuloABlanco(rs.Campo(QStringLiteral("referenciaprenda")));
                p.MeterSeparadorPrenda(DimeIdFamiliaProducto(idproducto),
                                       NuloABlanco(rs.Campo(QStringLiteral("nombreprenda"))));
                p.gridTPV.SetTextMatrix(
                    p.gridTPV.Rows() - 1, frmPrincipal::ColFecha,
                    FormatoFecha(rs.Campo(QStringLiteral("fechaentrega")), QStringLiteral("dd/MM/yy")));
            }
            p.MeterProductoEnGridTPV(idproducto);
            const int ultima = p.gridTPV.Rows() - 1;
            p.gridTPV.SetTextMatrix(ultima, frmPrincipal::ColImporte,
                                    FormatoImporte(rs.Campo(QStringLiteral("precio"))));
            p.gridTPV.SetTextMatrix(ultima, frmPrincipal::ColIdDetalle,
                                    NuloABlanco(rs.Campo(QStringLiteral("idarreglodetalle"))));
        }
        rs.MoveFirst();
        p.IdArregloVenta = idarreglo;
        p.IdClienteVenta = rs.Campo(QStringLiteral("idcliente")).toInt();
        p.ClienteEsTienda = EsTienda(p.IdClienteVenta) ? 1 : 0;
        p.txtEntregado = QStringLiteral("0.00");
        p.txtSenal = FormatoImporte(DimeSumaCajaArreglo(idarreglo));
        p.ArregloCargado = true;
        p.EntregarAlAcabar = paraEntregar;
        G().EntregandoArreglo = paraEntregar;
        p.CalcularCifrasTPV();
    }

    // Every row of the order tables and the cash journal, to prove that nothing changed.
    QString Volcado(bool conCaja = true)
    {
        QStringList tablas = {QStringLiteral("select * from arreglos order by idarreglo"),
                              QStringLiteral("select * from arreglos_detalles order by idarreglodetalle")};
        if (conCaja)
            tablas.append(QStringLiteral("select * from caja order by idmovimiento"));
        QString r;
        for (const QString &sql : tablas) {
            Recordset rs = b.conexion.AbrirRecordset(sql);
            for (; !rs.EOF_(); rs.MoveNext()) {
                for (int i = 0; i < rs.NumCampos(); ++i)
                    r += TextoDeValor(rs.Campo(i)) + QLatin1Char('|');
                r += QLatin1Char('\n');
            }
            r += QStringLiteral("--\n");
        }
        return r;
    }
    // Everything the sale screen shows and keeps about the order.
    QString Pantalla() const
    {
        QString r;
        for (int f = 0; f < p.gridTPV.Rows(); ++f)
            for (int c = 0; c < p.gridTPV.Cols(); ++c)
                r += p.gridTPV.TextMatrix(f, c) + QLatin1Char('|');
        for (const QString &t : {p.txtTotal, p.txtSenal, p.txtEntregado, p.txtPendiente, p.txtCambio,
                                 p.txtFechaEntrega, p.lblNumReferencia, p.cmdFormasPagoCaption})
            r += t + QLatin1Char('|');
        for (int v :
             {p.IdClienteVenta, p.IdArregloVenta, p.ClienteEsTienda, int(p.ArregloCargado), p.IdUsuarioVenta,
              p.IdFormaPagoVenta, int(p.EntregarAlAcabar), int(G().EntregandoArreglo)})
            r += QString::number(v) + QLatin1Char('|');
        return r;
    }
    bool PantallaVacia() const
    {
        return p.gridTPV.Rows() == 1 && p.IdArregloVenta == 0 && p.IdClienteVenta == 0
               && p.IdUsuarioVenta == 0 && p.txtTotal == QLatin1String("0.00")
               && p.txtEntregado == QLatin1String("0.00") && !p.ArregloCargado && !p.EntregarAlAcabar
               && !G().EntregandoArreglo;
    }
    QStringList Columna(const QString &sql) { return b.Columna(sql); }
    double Importe(const QString &sql) { return Val(b.Valor(sql)); }
};

// The order-40 situation: another order 39 exists, with a line of its own.
void OtroArreglo39(Mostrador &m)
{
    m.b.conexion.Ejecutar(
        QStringLiteral("insert into arreglos (idusuario, idarreglo, fechaarreglo, idcliente, "
                       "entregado, pagado) values (1, 39, '2026-12-01 09:00:00', 2, 0, 0)"));
    m.b.conexion.Ejecutar(
        QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, nombreprenda, "
                       "referenciaprenda) values (39, 1, 8, 'Otra', '39.1')"));
}

} // namespace

class PruebaAcabar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guardarNuevo()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo}, QStringLiteral("9/12/2026"));
        m.Cliente(1);
        m.p.IdUsuarioVenta = 2;
        m.Entregado(QStringLiteral("20"));
        QCOMPARE(m.p.txtCambio, QStringLiteral("12.00"));
        QCOMPARE(m.Guardar(0), 1);
        QCOMPARE(m.b.Valor(QStringLiteral("select idusuario from arreglos where idarreglo = 1")),
                 QStringLiteral("2"));
        QCOMPARE(m.b.Valor(QStringLiteral("select idcliente from arreglos where idarreglo = 1")),
                 QStringLiteral("1"));
        // Only the money kept: 20 handed over less 12 of change.
        QCOMPARE(m.Importe(QStringLiteral("select entregado from arreglos where idarreglo = 1")), 8.0);
        QCOMPARE(m.b.Valor(QStringLiteral("select pagado from arreglos where idarreglo = 1")),
                 QStringLiteral("0"));
        QCOMPARE(m.b.Valor(QStringLiteral("select fechaprevistaentrega from arreglos")),
                 QStringLiteral("09/12/2026"));
        QVERIFY(!m.b.Valor(QStringLiteral("select fechaarreglo from arreglos")).isEmpty());
        if (m.b.conexion.motor() == Motor::SQLite)
            QCOMPARE(m.b.Valor(QStringLiteral("select fechaarreglo from arreglos")),
                     QStringLiteral("05/12/2026 10:30:00"));
        QCOMPARE(m.p.gridTPV.TextMatrix(2, frmPrincipal::ColIdDetalle), QString());

        // Order 40: two lines of the first garment and one of the second, with its amount over a
        // thousand and a label holding a quote.
        m.p.ReiniciarVenta();
        OtroArreglo39(m);
        m.b.conexion.Ejecutar(QStringLiteral("delete from arreglos where idarreglo = 1"));
        m.PedidoDeDosPrendas();
        m.p.gridTPV.SetTextMatrix(1, frmPrincipal::ColNombre, QStringLiteral("Pantalón d'Ana"));
        m.dialogos.pad.push_back(QStringLiteral("1234.5"));
        m.Tocar(5, frmPrincipal::ColImporte);
        QCOMPARE(m.p.gridTPV.TextMatrix(5, frmPrincipal::ColImporte), QStringLiteral("1,234.50"));
        m.p.IdUsuarioVenta = 1;
        QCOMPARE(m.Guardar(0), 40);
        const QString lineas =
            QStringLiteral(" from arreglos_detalles where idarreglo = 40 order by idarreglodetalle");
        QCOMPARE(m.Columna(QStringLiteral("select referenciaprenda") + lineas),
                 (QStringList{QStringLiteral("40.1"), QStringLiteral("40.1"), QStringLiteral("40.2")}));
        QCOMPARE(m.Columna(QStringLiteral("select idproducto") + lineas),
                 (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("7")}));
        QStringList precios;
        for (const QString &p : m.Columna(QStringLiteral("select precio") + lineas))
            precios.append(FormatoImporte(Val(p)));
        QCOMPARE(precios,
                 (QStringList{QStringLiteral("8.00"), QStringLiteral("12.00"), QStringLiteral("1,234.50")}));
        QCOMPARE(m.Columna(QStringLiteral("select nombreprenda") + lineas),
                 (QStringList{QStringLiteral("Pantalón d'Ana"), QStringLiteral("Pantalón d'Ana"),
                              QStringLiteral("-- Falda --")}));
        QCOMPARE(m.Columna(QStringLiteral("select fechaentrega") + lineas),
                 (QStringList{QStringLiteral("10/12/2026"), QStringLiteral("10/12/2026"),
                              QStringLiteral("12/12/2026")}));
        QCOMPARE(m.b.Valor(QStringLiteral("select fechaprevistaentrega from arreglos where idarreglo = 40")),
                 QStringLiteral("12/12/2026"));
        // A garment without a date stores none.
        m.p.ReiniciarVenta();
        m.Prenda(Falda, {Bajo}, QString());
        m.Cliente(1);
        m.p.IdUsuarioVenta = 1;
        QCOMPARE(m.Guardar(0), 41);
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 41 and "
                                          "fechaentrega is null")),
                 QStringLiteral("1"));
    }

    void guardarReabierto()
    {
        Mostrador m;
        OtroArreglo39(m);
        m.PedidoDeDosPrendas();
        m.p.IdUsuarioVenta = 1;
        QCOMPARE(m.Guardar(0), 40);
        const QStringList ids =
            m.Columna(QStringLiteral("select idarreglodetalle from arreglos_detalles where "
                                     "idarreglo = 40 order by idarreglodetalle"));
        QCOMPARE(ids.size(), 3);

        // Back on screen the next day: the first garment goes, the skirt's line is repriced, a
        // line is added to it and someone else attends.
        m.b.reloj.AvanzarDias(1);
        m.Reabrir(40);
        QCOMPARE(m.p.gridTPV.TextMatrix(2, frmPrincipal::ColIdDetalle), ids[0]);
        m.Tocar(1, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.gridTPV.Rows(), 3);
        m.dialogos.pad.push_back(QStringLiteral("9.5"));
        m.Tocar(2, frmPrincipal::ColImporte);
        m.p.MeterProductoEnGridTPV(8);
        m.p.IdUsuarioVenta = 3;
        m.Entregado(QStringLiteral("5"));
        QCOMPARE(m.Guardar(40), 40);

        const QString lineas =
            QStringLiteral(" from arreglos_detalles where idarreglo = 40 order by idarreglodetalle");
        const QStringList ahora = m.Columna(QStringLiteral("select idarreglodetalle") + lineas);
        QCOMPARE(ahora.size(), 2);
        QCOMPARE(ahora[0], ids[2]); // updated in place
        QCOMPARE(m.p.gridTPV.TextMatrix(3, frmPrincipal::ColIdDetalle), ahora[1]);
        QCOMPARE(m.Columna(QStringLiteral("select referenciaprenda") + lineas),
                 (QStringList{QStringLiteral("40.1"), QStringLiteral("40.1")}));
        QCOMPARE(m.Importe(QStringLiteral("select precio from arreglos_detalles where idarreglodetalle = ")
                           + ahora[0]),
                 9.5);
        QCOMPARE(m.Columna(QStringLiteral("select listoparaentrega") + lineas),
                 (QStringList{QString(), QString()}));
        QCOMPARE(m.b.Valor(QStringLiteral("select idusuario from arreglos where idarreglo = 40")),
                 QStringLiteral("3"));
        QCOMPARE(m.Importe(QStringLiteral("select entregado from arreglos where idarreglo = 40")), 5.0);
        if (m.b.conexion.motor() == Motor::SQLite)
            QCOMPARE(m.b.Valor(QStringLiteral("select fechaarreglo from arreglos where idarreglo = 40")),
                     QStringLiteral("06/12/2026 10:30:00"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 39")),
                 QStringLiteral("1"));

        // Saving again changes nothing: the new line now has its id on screen.
        const QString antes = m.Volcado();
        m.p.txtEntregado.clear();
        QCOMPARE(m.Guardar(40), 40);
        QCOMPARE(m.p.txtEntregado, QStringLiteral("0.00"));
        m.b.conexion.Ejecutar(QStringLiteral("update arreglos set entregado = 5 where idarreglo = 40"));
        QCOMPARE(m.Volcado(), antes);

        // Handing over: inserted and updated lines are marked back in the shop.
        m.Reabrir(40, true);
        m.p.MeterProductoEnGridTPV(9);
        QCOMPARE(m.Guardar(40), 40);
        QCOMPARE(m.Columna(QStringLiteral("select listoparaentrega") + lineas),
                 (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));

        // A reopened order left with no line at all keeps none; the other order is untouched.
        m.Reabrir(40);
        m.p.gridTPV.SetRows(2);
        QCOMPARE(m.Guardar(40), 40);
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 40")),
                 QStringLiteral("0"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 39")),
                 QStringLiteral("1"));
    }

    void comprobaciones()
    {
        Mostrador m;
        auto rechaza = [&m](const QStringList &mensajes) {
            const QString bd = m.Volcado();
            const QString pantalla = m.Pantalla();
            m.dialogos.mensajes.clear();
            m.p.cmdAcabarEncargo_Click();
            QCOMPARE(m.dialogos.mensajes, mensajes);
            QCOMPARE(m.Pantalla(), pantalla);
            QCOMPARE(m.Volcado(), bd);
            QVERIFY(m.impresora.Bytes().isEmpty());
        };
        const QStringList sinArreglos = {QStringLiteral("Seleccione algun arreglo para alguna prenda")};
        rechaza(sinArreglos);
        // Two dated garments without any alteration are no order either.
        for (const QString &familia : {Pantalon, Falda}) {
            m.p.gridFamilias.Row = Mostrador::Fila(m.p.gridFamilias, familia);
            m.p.gridFamilias_Click();
            m.dialogos.calendario.push_back(QStringLiteral("10/12/2026"));
            m.Tocar(m.p.gridTPV.Rows() - 1, frmPrincipal::ColFecha);
        }
        QCOMPARE(m.p.gridTPV.Rows(), 3);
        rechaza(sinArreglos);

        m.p.ReiniciarVenta();
        m.Prenda(Pantalon, {Bajo}, QStringLiteral("10/12/2026"));
        m.Prenda(Falda, {Bajo}, QString());
        rechaza({QStringLiteral("Hay alguna prenda que no tiene fecha de entrega.")});
        m.dialogos.calendario.push_back(QStringLiteral("11/12/2026"));
        m.Tocar(3, frmPrincipal::ColFecha);

        // Nothing handed over: a private customer is asked, and "no" stops.
        m.Cliente(1);
        m.dialogos.siNo = {7};
        rechaza({});
        QCOMPARE(m.dialogos.preguntas, QStringList{PreguntaSenal});

        // No customer: the question comes first, then the message.
        m.Cliente(0);
        m.dialogos.preguntas.clear();
        m.dialogos.siNo = {6};
        rechaza({QStringLiteral("Seleccione un cliente o cree uno nuevo para este arreglo.")});
        QCOMPARE(m.dialogos.preguntas, QStringList{PreguntaSenal});

        // A partner shop is not asked; closing the staff picker saves nothing.
        m.Cliente(3, true);
        m.dialogos.preguntas.clear();
        rechaza({});
        QCOMPARE(m.dialogos.preguntas, QStringList());
    }

    void acabarSinImprimir()
    {
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.dialogos.formasPago.push_back({QStringLiteral("Tarjeta"), 2});
        m.p.cmdFormasPago_Click();
        m.Entregado(QStringLiteral("30"));
        QCOMPARE(m.p.txtCambio, QStringLiteral("1.00"));
        m.dialogos.usuarios = {2};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();

        QCOMPARE(m.dialogos.preguntas, (QStringList{PreguntaPrendas(1), PreguntaTicket(1)}));
        QCOMPARE(m.dialogos.mensajes, QStringList());
        QCOMPARE(m.b.Valor(QStringLiteral("select idusuario from arreglos where idarreglo = 1")),
                 QStringLiteral("2"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 1")),
                 QStringLiteral("3"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("1"));
        QCOMPARE(m.Importe(QStringLiteral("select importe from caja")), 29.0);
        QCOMPARE(m.b.Valor(QStringLiteral("select concepto from caja")), QStringLiteral("Ref. 1"));
        QCOMPARE(m.b.Valor(QStringLiteral("select nombrecierre from caja")), QStringLiteral("20261205"));
        QCOMPARE(m.b.Valor(QStringLiteral("select formapago from caja")), QStringLiteral("2"));
        QCOMPARE(m.b.Valor(QStringLiteral("select idarreglo from caja")), QStringLiteral("1"));
        QCOMPARE(m.b.Valor(QStringLiteral("select cerrado from caja")), QStringLiteral("0"));
        QVERIFY(m.impresora.Bytes().isEmpty());
        QVERIFY(m.PantallaVacia());
        QCOMPARE(m.p.IdFormaPagoVenta, 1);

        // Total 30, señal 10, 25 handed over: 5 of change, and 20 is what stays in the till.
        m.b.conexion.Ejecutar(QStringLiteral("update caja set importe = 10"));
        m.Reabrir(1);
        m.dialogos.pad.push_back(QStringLiteral("10"));
        m.Tocar(5, frmPrincipal::ColImporte);
        QCOMPARE(m.p.txtTotal, QStringLiteral("30.00"));
        QCOMPARE(m.p.txtSenal, QStringLiteral("10.00"));
        m.Entregado(QStringLiteral("25"));
        QCOMPARE(m.p.txtCambio, QStringLiteral("5.00"));
        QCOMPARE(m.p.txtPendiente, QStringLiteral("0.00"));
        m.dialogos.preguntas.clear();
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.preguntas,
                 (QStringList{PreguntaPrendas(1), QString::fromUtf8("¿Imprimir de nuevo el ticket?")}));
        QCOMPARE(m.Columna(QStringLiteral("select importe from caja order by idmovimiento")).size(), 2);
        QCOMPARE(m.Importe(
                     QStringLiteral("select importe from caja where idmovimiento = (select max(idmovimiento) "
                                    "from caja)")),
                 20.0);
        QCOMPARE(m.Importe(QStringLiteral("select entregado from arreglos where idarreglo = 1")), 20.0);
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos")), QStringLiteral("1"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 1")),
                 QStringLiteral("3"));
        QVERIFY(m.PantallaVacia());

        // Nothing handed over, and the user goes on: the order is saved and nothing is booked.
        m.PedidoDeDosPrendas();
        m.dialogos.preguntas.clear();
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {6, 7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.preguntas, (QStringList{PreguntaSenal, PreguntaPrendas(2), PreguntaTicket(2)}));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 2")),
                 QStringLiteral("3"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from caja where idarreglo = 2")),
                 QStringLiteral("0"));
        QVERIFY(m.PantallaVacia());
    }

    void acabarImprimiendo()
    {
        Mostrador m;
        // A partner shop hands nothing over and is not asked about it.
        m.Prenda(Falda, {Bajo}, QStringLiteral("12/12/2026"));
        m.Cliente(3, true);
        m.Prenda(Pantalon, {Bajo, Cremallera}, QStringLiteral("10/12/2026"));
        m.dialogos.usuarios = {3};
        m.dialogos.siNo = {6, 6};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.preguntas, (QStringList{PreguntaPrendas(1), PreguntaTicket(1)}));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));
        QVERIFY(m.PantallaVacia());

        // The garment tickets in grid order, then the drawer, then the customer's ticket.
        const QList<QByteArray> tickets = m.impresora.Tickets();
        QCOMPARE(tickets.size(), 3);
        QVERIFY(tickets[0].contains("Ref.: 1.1"));
        QVERIFY(tickets[1].contains("Ref.: 1.2"));
        const QByteArray cajon = QByteArray(1, 27) + 'p';
        QVERIFY(tickets[2].startsWith(cajon));
        QVERIFY(!tickets[0].contains(cajon) && !tickets[1].contains(cajon));

        SalidaMemoria esperado;
        G().salidaTickets = &esperado;
        ImprimirTicketPrenda(QStringLiteral("1.1"));
        ImprimirTicketPrenda(QStringLiteral("1.2"));
        AbrirCajon();
        ImprimirArreglo(1);
        QCOMPARE(m.impresora.Bytes(), esperado.Bytes());
        QVERIFY(esperado.Tickets()[2].contains("Cliente: Boutique Lola"));
        QVERIFY(esperado.Tickets()[2].contains("Atendido por: Julia"));
    }

    void fallosNoDejanNada()
    {
        Mostrador m;
        OtroArreglo39(m);
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("10"));
        auto apartar = [&m](const char *tabla, bool fuera) {
            const QString t = QString::fromLatin1(tabla);
            m.b.conexion.Ejecutar(fuera ? QStringLiteral("alter table %1 rename to %1_fuera").arg(t)
                                        : QStringLiteral("alter table %1_fuera rename to %1").arg(t));
        };

        // The cash journal fails after the order and its lines were written: neither stays.
        const QString bd = m.Volcado();
        const QString pantalla = m.Pantalla();
        m.dialogos.usuarios = {2};
        m.dialogos.alElegirUsuario = [&] { apartar("caja", true); };
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, m.p.cmdAcabarEncargo_Click());
        apartar("caja", false);
        QCOMPARE(m.Volcado(), bd);
        QCOMPARE(m.Pantalla(), pantalla);
        QVERIFY(!m.b.conexion.EnTransaccion());

        // Tried again once the journal is back: the same number, as if nothing had happened.
        m.dialogos.usuarios = {2};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 40")),
                 QStringLiteral("3"));
        QCOMPARE(m.b.Valor(QStringLiteral("select idarreglo from caja")), QStringLiteral("40"));

        // A reopened order handed over with a new line: the lines, the hand-over and the line id
        // on screen are all as before the failure.
        m.Reabrir(40, true);
        m.p.MeterProductoEnGridTPV(8);
        m.Entregado(QStringLiteral("30"));
        const QString bd2 = m.Volcado();
        const QString pantalla2 = m.Pantalla();
        m.dialogos.usuarios = {1};
        m.dialogos.alElegirUsuario = [&] { apartar("caja", true); };
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, m.p.cmdAcabarEncargo_Click());
        apartar("caja", false);
        QCOMPARE(m.Volcado(), bd2);
        QCOMPARE(m.Pantalla(), pantalla2);
        QCOMPARE(m.p.gridTPV.TextMatrix(m.p.gridTPV.Rows() - 1, frmPrincipal::ColIdDetalle), QString());
        QCOMPARE(m.p.IdArregloVenta, 40);
        QCOMPARE(m.b.Valor(QStringLiteral("select fecharealentrega from arreglos where idarreglo = 40")),
                 QString());

        // The tickets cannot be read after the commit: the order stays saved, the screen lets it
        // go (so that "Comenzar" cannot delete it) and the user is told.
        m.p.ReiniciarVenta();
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("10"));
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {6, 6};
        m.dialogos.mensajes.clear();
        m.dialogos.alPreguntar = [&] { apartar("productos", true); };
        m.p.cmdAcabarEncargo_Click();
        apartar("productos", false);
        QCOMPARE(m.dialogos.mensajes.size(), 1);
        QVERIFY(m.dialogos.mensajes[0].startsWith(QStringLiteral(
            "El arreglo se ha guardado con la Ref. 41, pero no se pudieron imprimir sus tickets.")));
        QVERIFY(m.PantallaVacia());
        m.p.cmdComenzar_Click();
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos_detalles where idarreglo = 41")),
                 QStringLiteral("3"));
        QCOMPARE(m.Importe(QStringLiteral("select importe from caja where idarreglo = 41")), 10.0);
    }

    void entregar()
    {
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("9"));
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from arreglos")), QStringLiteral("1"));

        // 29 owed, 9 paid: 19.50 handed over leaves 0.50, which a private customer must pay.
        m.Reabrir(1, true);
        QCOMPARE(m.p.txtSenal, QStringLiteral("9.00"));
        m.Entregado(QStringLiteral("19.5"));
        QCOMPARE(m.p.txtPendiente, QStringLiteral("0.50"));
        const QString bd = m.Volcado();
        const QString pantalla = m.Pantalla();
        m.dialogos.mensajes.clear();
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.mensajes,
                 QStringList{
                     QString::fromUtf8("Debe saldar la cuenta de este arreglo. Faltan por cobrar 0.50 €.")});
        QCOMPARE(m.Volcado(), bd);
        QCOMPARE(m.Pantalla(), pantalla);

        m.Entregado(QStringLiteral("20"));
        m.dialogos.usuarios = {2};
        m.dialogos.preguntas.clear();
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.preguntas,
                 (QStringList{PreguntaPrendas(1), QString::fromUtf8("¿Imprimir de nuevo el ticket?")}));
        QCOMPARE(m.b.Valor(QStringLiteral("select entregadoacliente from arreglos")), QStringLiteral("1"));
        QVERIFY(!m.b.Valor(QStringLiteral("select fecharealentrega from arreglos")).isEmpty());
        if (m.b.conexion.motor() == Motor::SQLite)
            QCOMPARE(m.b.Valor(QStringLiteral("select fecharealentrega from arreglos")),
                     QStringLiteral("05/12/2026 10:30:00"));
        QCOMPARE(m.Columna(QStringLiteral("select listoparaentrega from arreglos_detalles")),
                 (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));
        QCOMPARE(DimeSumaCajaArreglo(1), 29.0);
        QVERIFY(m.PantallaVacia());

        // A partner shop may leave money owed: it is told where the debt goes, and the flow goes on.
        m.Cliente(3, true);
        m.Prenda(Falda, {Bajo}, QStringLiteral("12/12/2026"));
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        m.Reabrir(2, true);
        QCOMPARE(m.p.txtPendiente, QStringLiteral("7.00"));
        m.dialogos.mensajes.clear();
        m.dialogos.preguntas.clear();
        m.dialogos.usuarios = {1};
        m.dialogos.siNo = {7, 7};
        m.p.cmdAcabarEncargo_Click();
        QCOMPARE(m.dialogos.mensajes,
                 QStringList{QString::fromUtf8(
                     "La cuenta no se ha saldado.\r\nAl tratarse de un cliente especial, "
                     "consulte en COBROS A TIENDAS.\r\nSe han añadido 7.00 €. a la cuenta")});
        QCOMPARE(m.dialogos.preguntas.size(), 2);
        QCOMPARE(m.b.Valor(QStringLiteral("select entregadoacliente from arreglos where idarreglo = 2")),
                 QStringLiteral("1"));
        QCOMPARE(
            m.b.Valor(QStringLiteral("select listoparaentrega from arreglos_detalles where idarreglo = 2")),
            QStringLiteral("1"));
        QCOMPARE(m.b.Valor(QStringLiteral("select count(*) from caja where idarreglo = 2")),
                 QStringLiteral("0"));
    }
};

QTEST_MAIN(PruebaAcabar)
#include "test_bd_acabar.moc"
