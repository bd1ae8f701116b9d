#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "PantallasPrueba.h"
#include "TallerDePrueba.h"
#include "TiendaDemo.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Consultas.h"
#include "core/Fechas.h"
#include "core/Formato.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "menu/FRMoPCIONES.h"
#include "printing/CanalTickets.h"
#include "printing/TicketsArreglo.h"
#include "settlements/frmPagosTiendas.h"
#include "workshop/frmListaEntregar.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Pantalon = u"Pantalón"_s;
const QString Bajo = u"Bajo"_s;
const QString Cintura = u"Meter cintura"_s;
const QString Cremallera = u"Cambiar cremallera"_s;
const QString Urgente = u"Urgente (entrega en el día)"_s;
const QString Falda = u"Falda"_s;

QStringList L(std::initializer_list<const char *> textos)
{
    QStringList r;
    for (const char *t : textos)
        r.append(QString::fromUtf8(t));
    return r;
}

const QString PreguntaSenal = u"No ha recibido ninguna señal de este arreglo.\r\n¿Desea continuar?"_s;
// The two questions of a finish: a ticket for each garment, then the customer's.
QStringList PreguntasImpresion(int n)
{
    const QString ref = u"\r\nRef.: "_s + QString::number(n);
    return {u"¿Imprimir ticket con descripción del arreglo de cada prenda?"_s + ref,
            u"¿Imprimir ticket del arreglo?"_s + ref};
}

// The stored lines of an order, "reference|product|price|garment|date", in line order.
QStringList Lineas(Mostrador &m, int idarreglo)
{
    return Filas(m.b, u"select referenciaprenda, idproducto, precio, nombreprenda, fechaentrega from "
                      "arreglos_detalles where idarreglo = %1 order by idarreglodetalle"_s.arg(idarreglo));
}

// The order-40 situation: another order 39 exists, with a line of its own.
void OtroArreglo39(Mostrador &m)
{
    m.b.Insertar("arreglos", "idusuario, idarreglo, fechaarreglo, idcliente, entregado, pagado",
                 {"1, 39, '2026-12-01 09:00:00', 2, 0, 0"});
    m.b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, nombreprenda, referenciaprenda",
                 {"39, 1, 8, 'Otra', '39.1'"});
}

// Takes a table away; `legible` leaves a view that takes no insert, so a save fails half-way.
void ApartarTabla(Mostrador &m, const char *tabla, bool fuera, bool legible = false)
{
    const QString t = QString::fromLatin1(tabla);
    if (!fuera && legible)
        m.b.conexion.Ejecutar(u"drop view %1"_s.arg(t));
    m.b.conexion.Ejecutar(fuera ? u"alter table %1 rename to %1_fuera"_s.arg(t)
                                : u"alter table %1_fuera rename to %1"_s.arg(t));
    if (fuera && legible)
        m.b.conexion.Ejecutar(
            u"create view %1 as select * from %1_fuera union all select * from %1_fuera where 1 = 0"_s.arg(
                t));
}

// Finishing is refused with these messages: nothing is stored or printed, the screen stays.
void Rechaza(Mostrador &m, const QStringList &mensajes)
{
    const QString bd = m.Volcado();
    const QString pantalla = m.Pantalla();
    m.dialogos.mensajes.clear();
    m.impresora.Vaciar();
    m.p.cmdAcabarEncargo_Click();
    QCOMPARE(m.dialogos.mensajes, mensajes);
    QCOMPARE(m.Pantalla(), pantalla);
    QCOMPARE(m.Volcado(), bd);
    QVERIFY(m.impresora.Bytes().isEmpty());
}

// The sale screen's "Opciones" opens the real menu, and the test plays the user on it.
struct PantallasMenu : PantallasPrueba {
    ArregloParaVenta Opciones(int arregloEnVenta) override
    {
        FRMoPCIONES menu;
        menu.ArregloEnVenta = arregloEnVenta;
        return menu.CargarFormulario([&] { usuario(menu); });
    }
    std::function<void(FRMoPCIONES &)> usuario = [](FRMoPCIONES &) {};
};

struct Tienda : TiendaDemo<PantallasMenu> {
    // Rows of the order in each of its three tables, as "lines/order/cash".
    QString Restos(int n)
    {
        QStringList r;
        for (const char *tabla : {"arreglos_detalles", "arreglos", "caja"})
            r.append(b.Valor(
                u"select count(*) from %1 where idarreglo = %2"_s.arg(QString::fromLatin1(tabla)).arg(n)));
        return r.join(QLatin1Char('/'));
    }
};

// The counter's short way: the customer picked among the keypad's offers, the usual ticket choice.
struct DialogosCortos : DialogosGuion {
    QString PadTelefono(const QString &, const BuscarClientes &buscar, int &idcliente) override
    {
        const std::vector<ClienteSugerido> ofrecidos = buscar(u"1112"_s);
        idcliente = ofrecidos.size() == 1 ? ofrecidos[0].idcliente : 0;
        return {};
    }
    int ElegirImpresion(const QString &, bool, int porDefecto) override { return porDefecto; }
};

const QString Entregado = u"Ese arreglo ya está entregado al cliente.\r\n¿Desea continuar"_s;
const QString Anular =
    u"¿Desea realmente anular este arreglo?\r\nNo podrá recuperar estos datos\r\n¿Desea continuar?"_s;

} // namespace

class PruebaVenta : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void familiasProductosYBorrado()
    {
        Mostrador m;
        m.Familia(Pantalon);
        QCOMPARE(TextosColumna(m.p.gridProductos, 1),
                 L({"Bajo", "Bajo con vuelta", "Cambiar cremallera", "Estrechar pernera", "Meter cintura",
                    "Sacar cintura"}));
        // The separator: no product id, its family, the "X", the default label, "--", the ordinal.
        QCOMPARE(TextosFila(m.p.gridTPV, 1), L({"", "1", "X", "-- Pantalón --", "--", "", "1", "", ""}));

        // One line per product and garment; a second garment of the same family may have it again.
        for (const QString &producto : {Bajo, Bajo, Cintura, Bajo})
            m.Producto(producto);
        m.Familia(Pantalon);
        m.Producto(Bajo);
        QCOMPARE(m.Lineas(), L({"-- Pantalón --", "Bajo", "Meter cintura", "-- Pantalón --", "Bajo"}));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), L({"--", "8.00", "12.00", "--", "8.00"}));
        QCOMPARE(m.p.txtTotal, u"28.00"_s);

        // A family touched without a product is dropped when going back to the families.
        m.Familia(u"Falda"_s);
        m.p.cmdVerFamilias_Click();
        QCOMPARE(m.p.gridTPV.Rows(), 6);

        // The "X" of a garment takes its lines and renumbers; the "X" of a line takes the line.
        m.Prenda(u"Camisa"_s, {u"Entallar"_s}, QString());
        m.Tocar(4, frmPrincipal::ColBorrar);
        QCOMPARE(m.Lineas(), L({"-- Pantalón --", "Bajo", "Meter cintura", "-- Camisa --", "Entallar"}));
        QCOMPARE(m.Columna(frmPrincipal::ColPrenda), L({"1", "", "", "2", ""}));
        m.Tocar(2, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.txtTotal, u"24.00"_s);
        // A family touched after an empty garment takes its place; its "X" takes it.
        m.Familia(u"Falda"_s);
        m.Familia(u"Vestido"_s);
        QCOMPARE(m.Lineas().last(), u"-- Vestido --"_s);
        m.Tocar(5, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.gridTPV.Rows(), 5);

        // An unknown product adds nothing (withdrawn ones are not offered: test_bd_maestros).
        m.Familia(u"Varios"_s);
        m.p.MeterProductoEnGridTPV(999);
        QCOMPARE(m.p.gridTPV.Rows(), 6);

        // The garment's colour goes into its label (row 2 is "Meter cintura", a product line).
        m.pantallas.colores = {u"Rojo"_s, QString(), u"Azul marino"_s};
        m.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(m.p.gridTPV.RowHeight(1), frmPrincipal::AltoFila);
        m.Tocar(1, frmPrincipal::ColNombre); // closed: nothing changes
        QCOMPARE(m.p.gridTPV.TextMatrix(1, frmPrincipal::ColNombre), u"-- Pantalón Rojo --"_s);
        // A label that outgrows one line gets two; product lines have no colour.
        m.Tocar(1, frmPrincipal::ColNombre);
        QCOMPARE(m.p.gridTPV.RowHeight(1), 2 * frmPrincipal::AltoFila);
        m.Tocar(2, frmPrincipal::ColNombre);
        QCOMPARE(m.pantallas.aperturasColores, 3);
    }

    void fechasDePrendaYDeArreglo()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo}, u"5/3/2027"_s);
        m.Prenda(u"Falda"_s, {Bajo}, u"17/3/2027"_s);
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"05/03/27", "", "17/03/27", ""}));
        QCOMPARE(m.p.txtFechaEntrega, u"17/03/27"_s);
        // A cancelled calendar clears the garment's date; a product line has no date of its own.
        m.Tocar(3, frmPrincipal::ColFecha);
        m.Tocar(2, frmPrincipal::ColFecha);
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"05/03/27", "", "", ""}));
        QCOMPARE(m.p.txtFechaEntrega, u"05/03/27"_s);

        // A date chosen by hand survives the figures being worked out again (money handed over)...
        m.dialogos.calendario = {u"20/3/2027"_s, u"25/3/2027"_s};
        m.p.cmdFechaEntrega_Click();
        m.Entregado(u"5"_s);
        QCOMPARE(m.p.txtFechaEntrega + u' ' + m.p.FechaEntregaVenta, u"20/03/27 20/03/2027"_s);
        // ...until a garment's date changes; a cancelled calendar goes back to the garments' date.
        m.Tocar(3, frmPrincipal::ColFecha);
        QCOMPARE(m.p.txtFechaEntrega, u"25/03/27"_s);
        m.p.cmdFechaEntrega_Click();
        QCOMPARE(m.p.txtFechaEntrega, u"25/03/27"_s);

        // The same-day service dates its garment today, also as a later line; its name takes two lines.
        m.Familia(u"Varios"_s);
        m.Producto(u"Coser descosido"_s);
        m.Producto(Urgente);
        const int separador = m.p.gridTPV.Rows() - 3;
        QCOMPARE(m.Columna(frmPrincipal::ColFecha).mid(separador - 1), L({"05/12/26", "", ""}));
        QCOMPARE(m.p.gridTPV.RowHeight(separador + 2), 2 * frmPrincipal::AltoFila);
    }

    void cifrasYMerceria()
    {
        Mostrador m;
        m.Familia(Pantalon);
        for (const QString &producto : {Bajo, Cintura, Cremallera})
            m.Producto(producto);
        // A typed price replaces the catalogue's; what is no number is refused and changes nothing.
        m.dialogos.pad = {u"1234.5"_s, u"1.2.3"_s, QString()};
        for (int i = 0; i < 3; ++i)
            m.Tocar(2, frmPrincipal::ColImporte);
        m.Tocar(1, frmPrincipal::ColImporte); // a garment row has no price
        QCOMPARE(m.dialogos.titulosPad.size(), 3);
        QCOMPARE(m.dialogos.mensajes.size(), 1);
        QCOMPARE(m.p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte) + u' ' + m.p.txtTotal,
                 u"1,234.50 1,256.50"_s);
        m.Tocar(2, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.txtTotal, u"22.00"_s);

        // Señal 10 and 25 handed over: 13 of change. The keypad's exact key offers the 12 still owed.
        m.p.txtSenal = u"10.00"_s;
        m.dialogos.pad = {u"25"_s, QString()};
        m.p.cmdPendiente_Click();
        QCOMPARE(m.dialogos.exactos, L({"12"}));
        QCOMPARE(m.p.txtCambio + u' ' + m.p.txtPendiente, u"13.00 0.00"_s);
        // Nothing typed is nothing handed over.
        m.p.cmdPendiente_Click();
        QCOMPARE(m.p.txtPendiente, u"12.00"_s);

        // The payment method, kept when the picker is closed.
        m.dialogos.formasPago = {{u"Tarjeta"_s, 2}};
        m.p.cmdFormasPago_Click();
        m.p.cmdFormasPago_Click();
        QCOMPARE(m.p.cmdFormasPagoCaption, u"Tarjeta"_s);

        // Haberdashery: "No" to the confirmation, a mistyped amount, zero and nothing typed book nothing.
        const QString pantalla = m.Pantalla();
        m.dialogos.mensajes.clear();
        m.dialogos.pad = {u"3.5"_s, u"3..5"_s, u"0"_s, QString(), u"3.5"_s};
        m.dialogos.siNo = {7, 6, 6};
        for (int i = 0; i < 5; ++i)
            m.p.cmdMerceria_Click();
        QCOMPARE(m.dialogos.preguntas, L({"Confirmar venta de mercería de 3.5€?",
                                          "Confirmar venta de mercería de 3.5€?", "Imprimir ticket"}));
        QCOMPARE(m.dialogos.mensajes.size(), 2);
        // Cash, whatever the order on screen shows, which stays as it was.
        QCOMPARE(Filas(m.b, u"select concepto, importe, formapago, idarreglo, nombrecierre from caja"_s),
                 QStringList{u"Mercería|3.5|1|0|20261205"_s});
        QCOMPARE(m.Pantalla(), pantalla);
        // The drawer opens before the ticket, whose line shows the amount.
        const QByteArray cajon = QByteArray("\x1bp") + char(0) + char(25) + char(250);
        QCOMPARE(m.impresora.Tickets().size(), 1);
        QVERIFY(m.impresora.Bytes().startsWith(cajon));
        QVERIFY(m.impresora.Bytes().contains("Venta productos merceria: "));
        QVERIFY(m.impresora.Bytes().contains("Importe: 3.50"));
        // The drawer alone, from its button; then "Comenzar" empties everything.
        m.impresora.Vaciar();
        m.p.Command1_Click();
        QCOMPARE(m.impresora.Bytes(), cajon);
        m.p.cmdComenzar_Click();
        QVERIFY(m.PantallaVacia());
        QCOMPARE(m.p.txtSenal + m.p.txtCambio + m.p.cmdFormasPagoCaption, u"0.000.00Efectivo"_s);
    }

    void clientes()
    {
        Mostrador m;
        m.Prenda(Pantalon, {Bajo, Cintura}, QString());
        m.Prenda(u"Mercería"_s, {u"Productos mercería"_s}, QString());
        m.dialogos.pad = {u"3.5"_s};
        m.Tocar(5, frmPrincipal::ColImporte);

        // A partner shop: its prices, except haberdashery, which keeps the amount typed.
        QCOMPARE(m.p.BuscarClienteTel(u"915556677"_s), u"915556677"_s);
        QCOMPARE(QString::number(m.p.IdClienteVenta) + u' ' + m.p.txtNombreCliente, u"3 Boutique Lola"_s);
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), L({"--", "6.00", "9.00", "--", "3.50"}));
        m.Familia(Pantalon);
        m.Producto(Bajo);
        QCOMPARE(m.p.txtTotal, u"24.50"_s);

        // Back to a private customer from the list: public prices. Closing the list keeps her.
        m.pantallas.elegido = 1;
        m.p.cmdBuscarCliente_Click();
        m.pantallas.elegido = 0;
        m.p.cmdBuscarCliente_Click();
        QCOMPARE(QStringList({QString::number(m.p.IdClienteVenta), m.p.txtTelefono, m.p.txtTotal}),
                 L({"1", "600111222", "31.50"}));

        // The customer picked in the list is the one kept, also when she has no telephone.
        m.b.Insertar("clientes", "nombre, telefono, estienda",
                     {"'Ana Gil', '600111229', 1", "'Eva Sanz', '', 0", "'Luis Sanz', '', 0"});
        for (const char *nombre : {"Ana Gil", "Luis Sanz"}) {
            m.pantallas.elegido = m.Valor(u"select idcliente from clientes where nombre = '%1'"_s.arg(
                                              QString::fromUtf8(nombre)))
                                      .toInt();
            m.p.cmdBuscarCliente_Click();
            QCOMPARE(m.p.IdClienteVenta, m.pantallas.elegido);
            QCOMPARE(m.p.txtNombreCliente, QString::fromUtf8(nombre));
        }

        // An unknown telephone opens the card once; closed unsaved, no customer stays on the sale.
        m.dialogos.pad = {u"699000111"_s, u"699000111"_s, u"915556677"_s, QString()};
        m.p.cmdTelefono_Click();
        QCOMPARE(m.pantallas.fichas, L({"699000111/0"}));
        QCOMPARE(QString::number(m.p.IdClienteVenta) + m.p.txtNombreCliente, u"0"_s);
        // Saved on the card: the new customer is the sale's at once.
        m.pantallas.nombreNuevo = u"Rosa Díaz"_s;
        m.p.cmdTelefono_Click();
        QCOMPARE(m.pantallas.fichas.size(), 2);
        QCOMPARE(QString::number(m.p.IdClienteVenta),
                 m.Valor(u"select idcliente from clientes where telefono = '699000111'"_s));
        // A known telephone opens no card; an empty answer changes nothing.
        m.p.cmdTelefono_Click();
        m.p.cmdTelefono_Click();
        QCOMPARE(m.p.IdClienteVenta, 3);
        QCOMPARE(m.pantallas.fichas.size(), 2);
    }

    void reabrirYGuardarOtraVez()
    {
        Mostrador m;
        // Stored at prices that are no longer the catalogue's, by Carmen, 10.00 paid on account; the
        // first garment is back from Lola; the second has a product since deleted and the same-day
        // service dated on the day it came in, and its delivery date was chosen by hand.
        m.b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, precio2, precio3, activo",
                     {"90, 2, 'Bordado', 20, 16, 8, 0"});
        m.b.Insertar("arreglos",
                     "idusuario, idarreglo, fechaarreglo, fechaprevistaentrega, idcliente, entregado, pagado",
                     {"2, 70, '2026-12-01 11:00:00', '2026-12-20 00:00:00', 1, 10, 0"});
        m.b.Insertar("arreglos_detalles",
                     "idarreglo, idproducto, precio, nombreprenda, referenciaprenda, fechaentrega",
                     {"70, 1, 7.5, 'Pantalón negro', '70.1', '2026-12-10 00:00:00'",
                      "70, 3, 8.5, 'Pantalón negro', '70.1', '2026-12-10 00:00:00'",
                      "70, 90, 20, 'Falda azul', '70.2', '2026-12-01 00:00:00'",
                      "70, 21, 6, 'Falda azul', '70.2', '2026-12-01 00:00:00'"});
        m.b.conexion.Ejecutar(u"delete from productos where idproducto = 90"_s);
        m.b.conexion.Ejecutar(
            u"update arreglos_detalles set idcosturera = 2, listoparaentrega = 1, "
            "fechaasignaciontrabajador = '2026-12-05 11:00:00' where referenciaprenda = '70.1'"_s);
        MeterMovimientoCaja(10, u"Ref. 70"_s, 1, 70, 0);
        const QStringList antes = Lineas(m, 70);

        m.Reabrir(70);
        QCOMPARE(m.Lineas(), L({"Pantalón negro", "Bajo", "Meter cintura", "Falda azul",
                                "Producto retirado del catálogo", "Urgente (entrega en el día)"}));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte), L({"--", "7.50", "8.50", "--", "20.00", "6.00"}));
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"10/12/26", "", "", "01/12/26", "", ""}));
        QCOMPARE(m.Columna(frmPrincipal::ColPrenda), L({"1", "", "", "2", "", ""}));
        QCOMPARE(
            QStringList({m.p.txtTotal, m.p.txtSenal, m.p.txtPendiente, m.p.txtFechaEntrega, m.p.txtTelefono,
                         m.p.txtNombreCliente, m.p.lblAtendidopor, m.p.lblNumReferencia}),
            L({"42.00", "10.00", "32.00", "20/12/26", "600111222", "María Muñoz García",
               "Atendido por: Carmen", "Ref. 70"}));
        QVERIFY(m.p.ArregloCargado && !m.p.EntregarAlAcabar && m.p.cmdTelefonoEnabled);

        // Paid up and finished by someone else: every line stays as it was, the money is booked.
        m.Entregado(u"32"_s);
        m.Acabar(1, {7, 7});
        QCOMPARE(m.dialogos.mensajes, QStringList());
        QCOMPARE(m.dialogos.preguntas.last(), u"¿Imprimir de nuevo el ticket?"_s);
        QCOMPARE(Lineas(m, 70), antes);
        QCOMPARE(m.Valor(u"select fechaprevistaentrega from arreglos"_s), u"20/12/2026"_s);
        QCOMPARE(m.Importe(u"select sum(importe) from caja where concepto = 'Ref. 70'"_s), 42.0);
        QVERIFY(m.PantallaVacia());

        // Reopened: one more line in the first garment (touched on its row, so the line goes in
        // before the second garment), then that garment goes, a line repriced; customer 1
        // reprices what is still sold.
        OtroArreglo39(m);
        m.Reabrir(70);
        m.Tocar(1, frmPrincipal::ColImporte);
        QVERIFY(m.p.gridProductos.Visible);
        m.Producto(u"Estrechar pernera"_s);
        m.Tocar(5, frmPrincipal::ColBorrar);
        m.p.BuscarClienteTel(u"600111222"_s);
        m.dialogos.pad = {u"9.5"_s};
        m.Tocar(3, frmPrincipal::ColImporte);
        m.p.IdUsuarioVenta = 3;
        QCOMPARE(m.Guardar(70), 70);
        QCOMPARE(Lineas(m, 70),
                 L({"70.1|1|8|Pantalón negro|10/12/2026", "70.1|3|9.5|Pantalón negro|10/12/2026",
                    "70.1|5|15|Pantalón negro|10/12/2026"}));
        // The new line joins the garment's worker, and the garment is pending again, listed once.
        QCOMPARE(Filas(m.b, u"select idcosturera, coalesce(listoparaentrega, 0), fechaasignaciontrabajador "
                            "from arreglos_detalles where idproducto = 5"_s),
                 QStringList{u"2|0|05/12/2026 11:00:00"_s});
        frmListaEntregar lista;
        lista.IdArreglo = 70;
        lista.LlenarPrendas(70);
        QCOMPARE(TextosFila(lista.gridPrendas, 1).mid(0, 3), L({"70.1", "Pantalón negro", "Pendiente"}));
        QCOMPARE(lista.gridPrendas.Rows(), 2);
        QCOMPARE(m.p.gridTPV.TextMatrix(4, frmPrincipal::ColIdDetalle),
                 m.Valor(u"select max(idarreglodetalle) from arreglos_detalles"_s));
        QCOMPARE(m.Valor(u"select idusuario from arreglos where idarreglo = 70"_s), u"3"_s);
        // Saving again changes nothing; left with no line, the order keeps none. Order 39 is untouched.
        const QString volcado = m.Volcado();
        QCOMPARE(m.Guardar(70), 70);
        QCOMPARE(m.Volcado(), volcado);
        m.p.gridTPV.SetRows(1);
        m.Guardar(70);
        QCOMPARE(m.Valor(u"select count(*) from arreglos_detalles"_s), u"1"_s);

        // An order that is not there loads nothing.
        m.Reabrir(999);
        QVERIFY(m.PantallaVacia());

        // A number reserved for a sale never finished goes with its lines; a reopened order stays.
        m.b.Insertar("arreglos", "idusuario, idarreglo, idcliente, entregado, pagado", {"1, 50, 1, 0, 0"});
        m.b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda",
                     {"50, 1, 8, '50.1'"});
        m.p.IdArregloVenta = 50;
        m.p.ReiniciarVenta();
        m.p.IdArregloVenta = 39;
        m.p.ArregloCargado = true;
        m.p.ReiniciarVenta();
        QCOMPARE(
            m.Columna(u"select idarreglo from arreglos_detalles union all select idarreglo from arreglos "
                      "order by 1"_s),
            L({"39", "39", "70"}));
    }

    void comprobacionesYAcabar()
    {
        Mostrador m;
        Rechaza(m, {u"Seleccione algun arreglo para alguna prenda"_s});

        m.Prenda(Pantalon, {Bajo}, u"10/12/2026"_s);
        m.Prenda(Falda, {Bajo}, QString());
        m.Tocar(3, frmPrincipal::ColFecha); // the order's date taken away from it
        Rechaza(m, {u"Hay alguna prenda que no tiene fecha de entrega."_s});
        m.dialogos.calendario.push_back(u"11/12/2026"_s);
        m.Tocar(3, frmPrincipal::ColFecha);

        // Nothing handed over: a private customer is asked, "no" stops; with none, asked, then told.
        m.Cliente(1);
        m.dialogos.siNo = {7};
        Rechaza(m, {});
        m.Cliente(0);
        m.dialogos.siNo = {6};
        Rechaza(m, {u"Seleccione un cliente o cree uno nuevo para este arreglo."_s});
        QCOMPARE(m.dialogos.preguntas, (QStringList{PreguntaSenal, PreguntaSenal}));

        // A partner shop is not asked; closing the staff picker saves nothing, and says why.
        m.Cliente(3, true);
        Rechaza(m, {u"El arreglo no se ha guardado: elija quién lo atiende."_s});
        QCOMPARE(m.dialogos.preguntas.size(), 2);

        m.p.cmdComenzar_Click();
        m.dialogos.preguntas.clear();
        // An empty garment in the middle is left out: references run 1.1, 1.2 without a gap.
        m.Prenda(Falda, {Bajo}, u"12/12/2026"_s);
        m.Prenda(Pantalon, {Bajo}, QString());
        m.Prenda(Pantalon, {Bajo, u"Cambiar cremallera"_s}, u"10/12/2026"_s);
        m.Tocar(4, frmPrincipal::ColBorrar);
        QCOMPARE(m.p.gridTPV.Rows(), 7);
        // A partner shop hands nothing over and is not asked about it; paid by card, nothing booked.
        m.Cliente(3, true);
        m.dialogos.formasPago = {{u"Tarjeta"_s, 2}};
        m.p.cmdFormasPago_Click();
        m.Acabar(3, {6, 6});
        QCOMPARE(m.dialogos.preguntas, PreguntasImpresion(1));
        QCOMPARE(m.Columna(u"select referenciaprenda from arreglos_detalles order by 1"_s),
                 L({"1.1", "1.2", "1.2"}));
        QCOMPARE(m.Valor(u"select count(*) from caja"_s), u"0"_s);
        QVERIFY(m.PantallaVacia());
        QCOMPARE(m.p.IdFormaPagoVenta, 1);

        // The garment tickets in grid order, then the drawer, then the customer's ticket.
        SalidaMemoria esperado;
        G().salidaTickets = &esperado;
        ImprimirTicketPrenda(u"1.1"_s);
        ImprimirTicketPrenda(u"1.2"_s);
        AbrirCajon();
        ImprimirArreglo(1);
        QCOMPARE(m.impresora.Bytes(), esperado.Bytes());
        QCOMPARE(esperado.Tickets().size(), 3);

        // A private customer, 30 handed over by card for 29: the 29 kept are booked once.
        G().salidaTickets = &m.impresora;
        m.impresora.Vaciar();
        m.PedidoDeDosPrendas();
        m.dialogos.preguntas.clear();
        m.dialogos.formasPago = {{u"Tarjeta"_s, 2}};
        m.p.cmdFormasPago_Click();
        m.Entregado(u"30"_s);
        m.Acabar(2, {7, 7});
        QCOMPARE(m.dialogos.preguntas, PreguntasImpresion(2));
        QVERIFY(m.impresora.Bytes().isEmpty());
        QCOMPARE(m.Valor(u"select concepto from caja where importe = 29 and formapago = 2 and "
                         "idarreglo = 2 and cerrado = 0 and nombrecierre = '20261205'"_s),
                 u"Ref. 2"_s);

        // Nothing handed over and the user goes on: saved, nothing booked.
        m.PedidoDeDosPrendas();
        m.Acabar(1, {6, 7, 7});
        QCOMPARE(m.Valor(u"select count(*) from arreglos_detalles where idarreglo = 3"_s), u"3"_s);
        QCOMPARE(m.Valor(u"select count(*) from caja where idarreglo = 3"_s), u"0"_s);

        // A partner shop may leave money owed on its hand-over: it is told where the debt goes.
        m.Reabrir(1, true);
        m.dialogos.mensajes.clear();
        m.Acabar(1, {7, 7});
        QCOMPARE(m.dialogos.mensajes,
                 QStringList{u"La cuenta no se ha saldado.\r\nAl tratarse de un cliente especial, "
                             "consulte en COBROS A TIENDAS.\r\nSe han añadido 27.00 €. a la cuenta"_s});
        QCOMPARE(m.Valor(u"select entregadoacliente from arreglos where idarreglo = 1"_s), u"1"_s);
    }

    // A new order saved, its garment renamed and a price typed; a fault half-way leaves nothing.
    void guardarNuevoYFallos()
    {
        Mostrador m;
        OtroArreglo39(m);
        m.PedidoDeDosPrendas();
        m.p.gridTPV.SetTextMatrix(1, frmPrincipal::ColNombre, u"Pantalón d'Ana"_s);
        m.dialogos.pad = {u"1234.5"_s};
        m.Tocar(5, frmPrincipal::ColImporte);
        m.Entregado(u"1300"_s);

        // The cash journal fails after the order and its lines were written: none stays, screen as it was.
        for (bool reabierto : {false, true}) {
            const QString bd = m.Volcado();
            const QString pantalla = m.Pantalla();
            m.dialogos.alElegirUsuario = [&] { ApartarTabla(m, "caja", true, true); };
            QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, m.Acabar(2, {}));
            ApartarTabla(m, "caja", false, true);
            QCOMPARE(m.Volcado(), bd);
            QCOMPARE(m.Pantalla(), pantalla);
            QVERIFY(!m.b.conexion.EnTransaccion());
            if (reabierto)
                break;
            // Tried again: the same number, as if nothing had happened. Then handed over with a new line.
            m.Acabar(2, {7, 7});
            QCOMPARE(Lineas(m, 40),
                     L({"40.1|1|8|Pantalón d'Ana|10/12/2026", "40.1|3|12|Pantalón d'Ana|10/12/2026",
                        "40.2|7|1234.5|-- Falda --|12/12/2026"}));
            // Only the money kept: 1300 handed over less 45.50 of change.
            QCOMPARE(Filas(m.b, u"select idusuario, idcliente, pagado, fechaprevistaentrega, fechaarreglo "
                                "from arreglos where idarreglo = 40"_s),
                     QStringList{u"2|1|0|12/12/2026|05/12/2026 10:30:00"_s});
            QCOMPARE(m.Importe(u"select entregado from arreglos where idarreglo = 40"_s), 1254.5);
            QCOMPARE(m.Valor(u"select idarreglo from caja"_s), u"40"_s);
            m.Reabrir(40, true);
            m.p.MeterProductoEnGridTPV(8);
            m.Entregado(u"30"_s);
        }

        // The tickets cannot be read after the commit: the order stays saved, the screen lets it
        // go (so that "Comenzar" cannot delete it) and the user is told.
        m.p.ReiniciarVenta();
        m.PedidoDeDosPrendas();
        m.Entregado(u"10"_s);
        m.dialogos.mensajes.clear();
        m.dialogos.alPreguntar = [&] { ApartarTabla(m, "productos", true); };
        m.Acabar(1, {6, 6});
        ApartarTabla(m, "productos", false);
        QCOMPARE(m.dialogos.mensajes.size(), 1);
        QVERIFY(m.dialogos.mensajes[0].startsWith(
            u"El arreglo se ha guardado con la Ref. 41, pero no se pudieron imprimir sus tickets."_s));
        QVERIFY(m.PantallaVacia());
        m.p.cmdComenzar_Click();
        QCOMPARE(m.Valor(u"select count(*) from arreglos_detalles where idarreglo = 41"_s), u"3"_s);

        // Garments due past 2029 keep their century; a garment without a date stores none.
        m.Prenda(Falda, {Bajo}, u"2/1/2030"_s);
        m.Prenda(Pantalon, {Bajo}, QString());
        m.Tocar(3, frmPrincipal::ColFecha); // the order's date taken away from it
        m.Cliente(1);
        QCOMPARE(m.Guardar(0), 42);
        QCOMPARE(Lineas(m, 42), L({"42.1|7|9|-- Falda --|02/01/2030", "42.2|1|8|-- Pantalón --|"}));
        QCOMPARE(m.Valor(u"select fechaprevistaentrega from arreglos where idarreglo = 42"_s),
                 u"02/01/2030"_s);
        m.Reabrir(42);
        QCOMPARE(m.Columna(frmPrincipal::ColFecha), L({"02/01/30", "", "", ""}));
        QCOMPARE(m.p.txtFechaEntrega, u"02/01/30"_s);
    }

    // Two counters on one shop: each writes only what it saw, or nothing.
    void dosMostradores()
    {
        Mostrador m;
        Conexion otra;
        AbrirOtraVez(m.b, otra);
        frmPrincipal b;
        const auto enB = [&](const std::function<void()> &accion) {
            G().conexion = &otra;
            accion();
            G().conexion = &m.b.conexion;
        };
        // B takes the money on the order it shows and finishes it.
        const auto cobraYAcabaB = [&](const QString &cantidad) {
            m.dialogos.pad = {cantidad};
            b.cmdPendiente_Click();
            m.dialogos.usuarios = {2};
            m.dialogos.siNo = {7, 7};
            b.cmdAcabarEncargo_Click();
        };
        enB([&] { b.ReiniciarVenta(); });
        m.PedidoDeDosPrendas();
        m.Entregado(u"9"_s);
        m.Acabar(1, {7, 7});

        // Both load order 1 for its hand-over: 29 owed, 9 paid, so 19.50 leaves 0.50, which a private
        // customer must pay. B hands it over first; A takes no money twice.
        m.Reabrir(1, true);
        m.Entregado(u"19.5"_s);
        Rechaza(m, {u"Debe saldar la cuenta de este arreglo. Faltan por cobrar 0.50 €."_s});
        m.Entregado(u"20"_s);
        enB([&] {
            b.CargarArreglo(1, true);
            cobraYAcabaB(u"20"_s);
        });
        m.dialogos.mensajes.clear();
        m.Acabar(1, {7, 7});
        QCOMPARE(m.dialogos.mensajes,
                 QStringList{u"El arreglo 1 ya se ha entregado en otro mostrador. No se ha cobrado nada."_s});
        QCOMPARE(m.b.Columna(u"select importe from caja where idarreglo = 1 order by idmovimiento"_s),
                 L({"9", "20"}));
        QVERIFY(m.PantallaVacia());
        QVERIFY(m.p.cmdTelefonoEnabled && m.p.gridProductosEnabled);
        QCOMPARE(m.Valor(u"select entregadoacliente from arreglos where idarreglo = 1"_s), u"1"_s);
        QVERIFY(!m.Valor(u"select fecharealentrega from arreglos where idarreglo = 1"_s).isEmpty());
        QCOMPARE(m.Columna(u"select listoparaentrega from arreglos_detalles where idarreglo = 1"_s),
                 L({"1", "1", "1"}));

        // A reprices order 2 while B adds a garment and takes 9.00: A's save is refused, A sees B's garment.
        m.Prenda(Falda, {Bajo}, u"12/12/2026"_s);
        m.Cliente(1);
        m.Acabar(1, {6, 7, 7});
        m.Reabrir(2);
        m.dialogos.pad = {u"5"_s};
        m.Tocar(2, frmPrincipal::ColImporte);
        enB([&] {
            b.ReiniciarVenta();
            b.CargarArreglo(2, false);
            b.gridFamilias.Row = FilaDeTexto(b.gridFamilias, 1, Pantalon);
            b.gridFamilias_Click();
            b.gridProductos.Row = FilaDeTexto(b.gridProductos, 1, Bajo);
            b.gridProductos_Click();
            m.dialogos.calendario.push_back(u"12/12/2026"_s);
            b.gridTPV.Row = 3;
            b.gridTPV.Col = frmPrincipal::ColFecha;
            b.gridTPV_Click();
            cobraYAcabaB(u"9"_s);
        });
        m.dialogos.mensajes.clear();
        m.Acabar(1, {6});
        QCOMPARE(m.dialogos.mensajes.value(0).left(45), u"Otro mostrador ha cambiado el arreglo 2; se h"_s);
        QCOMPARE(m.Lineas(), L({"-- Falda --", "Bajo", "-- Pantalón --", "Bajo"}));
        QCOMPARE(m.Columna(frmPrincipal::ColImporte).value(1), u"9.00"_s);
        QCOMPARE(
            m.b.Columna(u"select referenciaprenda from arreglos_detalles where idarreglo = 2 order by 1"_s),
            L({"2.1", "2.2"}));

        // Annulled at B while loaded at A: A books nothing, and the number is free of money.
        enB([&] { BorrarArreglo(2); });
        m.Entregado(u"5"_s);
        m.dialogos.mensajes.clear();
        m.Acabar(1, {});
        QCOMPARE(
            m.dialogos.mensajes.value(0),
            u"El arreglo 2 ya no existe: se ha anulado en otro mostrador. No se ha guardado ni cobrado nada."_s);
        QCOMPARE(m.Valor(u"select count(*) from caja where idarreglo = 2"_s)
                     + m.Valor(u"select count(*) from arreglos_detalles where idarreglo = 2"_s),
                 u"00"_s);
        QVERIFY(m.PantallaVacia());
        // Money left under a number keeps the number from the next customer.
        m.b.Insertar("caja", "importe, concepto, idarreglo", {"3, 'Ref. 7', 7"});
        m.Prenda(Falda, {Bajo}, u"12/12/2026"_s);
        m.Cliente(1);
        QCOMPARE(m.Guardar(0), 8);

        // A partner shop's order, handed over owing its price: A takes the debt at the counter while
        // B takes it on the settlements screen, after A loaded the order or just after A read it.
        // A books nothing.
        const auto pagaLaTiendaB = [&](int n) {
            enB([&] {
                frmPagosTiendas f;
                f.CargarFormulario({});
                f.cmbTienda.ElegirTexto(u"Boutique Lola"_s);
                f.chkPendientes = true;
                f.cmdAceptar_Click();
                m.dialogos.siNo = {6};
                f.gridPagos_DblClick(FilaDeTexto(f.gridPagos, 1, QString::number(n)));
            });
        };
        for (const bool leyendo : {false, true}) {
            m.p.ReiniciarVenta();
            m.Prenda(Falda, {Bajo}, u"12/12/2026"_s);
            m.Cliente(3, true);
            m.Acabar(1, {7, 7});
            const int n = m.Valor(u"select max(idarreglo) from arreglos"_s).toInt();
            m.Reabrir(n, true);
            m.Acabar(1, {7, 7});
            const std::function<void()> pagaB = [&] { pagaLaTiendaB(n); };
            m.Reabrir(n, false, leyendo ? pagaB : nullptr);
            if (!leyendo)
                pagaB();
            const QString debe = m.p.txtPendiente;
            m.Entregado(debe);
            m.dialogos.mensajes.clear();
            m.Acabar(1, {7, 7});
            QCOMPARE(m.dialogos.mensajes.value(0).section(u';', 0, 0),
                     u"Otro mostrador ha cambiado el arreglo %1"_s.arg(n));
            QCOMPARE(m.Importe(u"select sum(importe) from caja where idarreglo = %1"_s.arg(n)), Val(debe));
            QCOMPARE(m.p.txtPendiente, u"0.00"_s);
        }
    }

    // The menu opened from the sale screen: "Modificar" loads an order there, which then cannot be
    // annulled from under it; annulling anywhere else.
    void modificarYAnular()
    {
        Tienda t;
        DialogosGuion &d = t.b.dialogos;
        const QString lleno1 = t.Restos(1), lleno4 = t.Restos(4);
        QVERIFY(lleno1.endsWith(u"/1/2"_s)); // order 1: paid on account and at delivery
        frmPrincipal p;
        p.ReiniciarVenta();
        t.pantallas.usuario = [&](FRMoPCIONES &m) {
            d.pad = {u"77"_s, u"1"_s, u"1"_s};
            d.siNo = {7, 6};
            m.cmdModificarArreglo_Click(); // unknown
            m.cmdModificarArreglo_Click(); // delivered, "no"
            QVERIFY(m.Abierto);
            m.cmdModificarArreglo_Click(); // delivered, "yes": the menu closes
            QVERIFY(!m.Abierto);
        };
        p.cmdVerOpciones_Click();
        QCOMPARE(d.mensajes, QStringList{u"No se ha encontrado el arreglo 77"_s});
        QCOMPARE(d.preguntas.last(), Entregado + QLatin1Char('?'));
        QCOMPARE(p.IdArregloVenta, 1);
        QVERIFY(p.ArregloCargado && p.gridFamiliasEnabled && !p.EntregarAlAcabar && !p.EntregandoArreglo);

        // Order 1 is refused for annulling. "No" to leaving keeps the program and the menu open,
        // Enter does not close it; Escape leaves the menu and changes nothing on the sale screen.
        t.pantallas.usuario = [&](FRMoPCIONES &m) {
            d.pad = {u"1"_s};
            d.siNo = {7};
            m.cmdAnularArreglo_Click();
            m.Command1_Click();
            m.Form_KeyPress(13);
            QVERIFY(m.Abierto && !m.TerminarPrograma && t.b.conexion.Abierta());
            m.Form_KeyPress(27);
            QVERIFY(!m.Abierto);
        };
        d.mensajes.clear();
        d.preguntas.clear();
        p.cmdVerOpciones_Click();
        QCOMPARE(
            d.mensajes,
            QStringList{
                u"El arreglo 1 está abierto en la pantalla de venta. Termínelo o pulse \"Comenzar\" antes de anularlo."_s});
        QCOMPARE(d.preguntas, QStringList{u"¿Desea realmente salir?"_s});
        QCOMPARE(p.IdArregloVenta, 1);
        QCOMPARE(t.Restos(1), lleno1);
        d.mensajes.clear();
        d.preguntas.clear();

        FRMoPCIONES m;
        const auto anular = [&](const QString &ref, std::deque<int> respuestas) {
            d.pad = {ref};
            d.siNo = std::move(respuestas);
            m.cmdAnularArreglo_Click();
        };
        // Unknown or typed wrong: nothing asked, nothing shown.
        anular(u"999"_s, {});
        anular(u"x"_s, {});
        QVERIFY(d.preguntas.isEmpty() && d.mensajes.isEmpty());

        // A delivered order: two questions answered yes, then refused.
        anular(u"1"_s, {6, 6});
        QCOMPARE(d.preguntas, (QStringList{Entregado, Anular}));
        QCOMPARE(d.mensajes, QStringList{u"Ese arreglo no se puede anular, ya está entregado al cliente"_s});
        QCOMPARE(t.Restos(1), lleno1);

        // "No" keeps the order; a fault on the last delete leaves all of it; then it goes entirely.
        anular(u"4"_s, {7});
        QCOMPARE(t.Restos(4), lleno4);
        t.b.conexion.Ejecutar(u"alter table caja rename to caja_aparte"_s);
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, anular(u"4"_s, {6}));
        t.b.conexion.Ejecutar(u"alter table caja_aparte rename to caja"_s);
        QCOMPARE(t.Restos(4), lleno4);
        anular(u"4"_s, {6});
        QCOMPARE(t.Restos(4), u"0/0/0"_s);
        QCOMPARE(t.Restos(1), lleno1);
    }

    // Three garments for a known customer, all due in three days, 20.00 handed over, every
    // ticket printed: the short way stores, books and prints what the long way does.
    void caminoCorto()
    {
        QString guardado[2];
        QList<QByteArray> tickets[2];
        for (const bool corto : {false, true}) {
            Mostrador m;
            DialogosCortos cortos;
            if (corto)
                G().dialogos = &cortos;
            DialogosGuion &d = corto ? cortos : m.dialogos;
            d.pad = corto ? std::deque<QString>{} : std::deque<QString>{u"600111222"_s};
            m.p.cmdTelefono_Click();
            QCOMPARE(m.p.IdClienteVenta, 1);
            const QList<std::pair<QString, QStringList>> prendas = {
                {Pantalon, {Bajo, Cintura}}, {Falda, {Bajo}}, {u"Chaqueta"_s, {u"Cambiar botones"_s}}};
            for (const auto &[familia, arreglos] : prendas) {
                // Each family touched straight after the last garment's alterations.
                m.Familia(familia);
                for (const QString &a : arreglos)
                    m.Producto(a);
                // The long way dates every garment; the short way only the first.
                if (!corto || familia == Pantalon) {
                    d.calendario.push_back(u"8/12/2026"_s);
                    m.Tocar(m.p.gridTPV.Rows() - 1 - int(arreglos.size()), frmPrincipal::ColFecha);
                }
            }
            d.pad.push_back(u"20"_s);
            m.p.cmdPendiente_Click();
            d.usuarios = {1};
            d.siNo = {6, 6};
            m.p.cmdAcabarEncargo_Click();
            QCOMPARE(d.mensajes, QStringList());
            QCOMPARE(m.Valor("select count(*) from arreglos_detalles where fechaentrega is not null"),
                     u"4"_s);
            guardado[corto] = m.Volcado();
            tickets[corto] = m.impresora.Tickets();
            G().dialogos = &m.b.dialogos;
        }
        QCOMPARE(guardado[1], guardado[0]);
        QCOMPARE(tickets[0].size(), 4);
        QCOMPARE(tickets[1], tickets[0]);
    }

    // A hand-over opened from the sale screen by a garment ticket scanned or the order's number
    // typed, checked alike (a ticket scanned that hands one over: test_toques_gui).
    void entregaEscaneadaOTecleada()
    {
        TiendaDemo<PantallasEntrega> t;
        t.pantallas.usuario = [](frmListaEntregar &lista) { lista.cmdMarcarComoEntregado_Click(); };
        DialogosGuion &d = t.b.dialogos;
        frmPrincipal p;
        p.ReiniciarVenta();
        auto leer = [&p](const QString &codigo) {
            for (const QChar c : codigo + QLatin1Char('\r'))
                p.Form_KeyPress(c);
        };
        leer(u"$4006381333931"_s); // an article's code, not a garment ticket
        leer(Escaneo(999, u"999.1"_s));
        leer(Escaneo(1, u"1.1"_s)); // delivered already
        leer(Escaneo(4, u"4.1"_s)); // its garments still with the worker
        d.pad = {u"abc"_s, QString(), u"999"_s};
        for (int i = 0; i < 3; ++i)
            p.cmdEntregaarreglos_Click();
        const QString noEsta = u"No se ha encontrado el arreglo 999"_s;
        QCOMPARE(d.mensajes,
                 (QStringList{u"El código leído no es un ticket de prenda de esta tienda."_s, noEsta,
                              u"Todas o alguna de las prendas de este arreglo no han sido recibidas "
                              "en tienda. Debe darlas primero de entrada."_s,
                              noEsta}));
        QCOMPARE(d.titulosPad.last(), u"Introduzca la referencia del arreglo a entregar"_s);
        QCOMPARE(p.IdArregloVenta, 0);

        // Order 3: "no" keeps its list open, "yes" hands it to the sale screen.
        t.pantallas.usuario = [&](frmListaEntregar &l) {
            QCOMPARE(TextosColumna(l.gridPrendas, 2), QStringList{u"En Tienda"_s});
            d.siNo = {7, 6};
            l.cmdMarcarComoEntregado_Click();
            QVERIFY(l.Abierto);
            l.cmdMarcarComoEntregado_Click();
            QVERIFY(!l.Abierto);
        };
        d.mensajes.clear();
        d.pad = {u"3"_s};
        p.cmdEntregaarreglos_Click();
        QCOMPARE(d.preguntas.last(), u"Va a entregar este prenda al cliente?"_s);
        QCOMPARE(t.pantallas.abiertas, (QList<int>{1, 4, 3}));
        QVERIFY(p.EntregarAlAcabar);

        // In delivery mode a ticket scanned, a touch on a line's "X" or its price change nothing.
        const QString pantalla = PantallaDe(p);
        leer(Escaneo(4, u"4.1"_s));
        d.pad = {u"1"_s};
        for (int c : {int(frmPrincipal::ColBorrar), int(frmPrincipal::ColImporte)}) {
            p.gridTPV.Row = 2;
            p.gridTPV.Col = c;
            p.gridTPV_Click();
        }
        QCOMPARE(PantallaDe(p), pantalla);
        QCOMPARE(d.mensajes.size(), 1);
        QCOMPARE(d.pad.size(), size_t(1));
    }
};

QTEST_MAIN(PruebaVenta)
#include "test_bd_venta.moc"
