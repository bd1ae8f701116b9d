#include "frmPagosTiendas.h"

#include "cash/Caja.h"
#include "cash/RegistroOperaciones.h"
#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Formato.h"
#include "core/LecturaAparte.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"
#include "core/Reloj.h"
#include "printing/ImprimirListado.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

const char *const Meses[] = {"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                             "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};

// The conditions the listing and its paid sums share: delivered orders of shops, in the month.
// A month is a range of the delivery date, read from its index: a month's deliveries are far
// fewer than the shops' orders of every year. The "+" keeps the embedded engine, which has no
// statistics, from starting at the shops instead.
QString Condiciones(int idtienda, int ano, int mes)
{
    QString sql;
    if (mes != 0) {
        const QDate primero(ano, mes, 1);
        sql = QStringLiteral(
                  " where (+clientes.estienda = 1 AND entregadoacliente = 1) and fecharealentrega >= ")
              + LiteralFechaSQL(primero.startOfDay()) + QStringLiteral(" AND fecharealentrega < ")
              + LiteralFechaSQL(primero.addMonths(1).startOfDay());
    } else {
        sql = QStringLiteral(" where (clientes.estienda = 1 AND entregadoacliente = 1)");
    }
    if (idtienda != frmPagosTiendas::TodasLasTiendas)
        sql += QStringLiteral(" AND     clientes.idcliente = ") + N(idtienda);
    else if (mes == 0)
        sql += QLatin1Char(' ');
    return sql;
}

} // namespace

void frmPagosTiendas::CargarFormulario(const std::function<void()> &mostrar)
{
    LlenarListaTiendas();
    cmbMeses.Clear();
    cmbMeses.AddItem(QString(), 0);
    for (int m = 0; m < 12; ++m)
        cmbMeses.AddItem(QString::fromLatin1(Meses[m]), m + 1);
    LlenarAnos();
    DarTamanosGrid();
    if (Bd().motor() == Motor::PostgreSQL && !preparada_)
        preparada_ = std::make_unique<LecturaAparte>(Bd());
    Abierto = true;
    if (mostrar)
        mostrar();
    Cerrar();
}

frmPagosTiendas::frmPagosTiendas() = default;
frmPagosTiendas::~frmPagosTiendas() = default;

void frmPagosTiendas::Cerrar()
{
    resto_.reset();
    paginaHasta_ = paginaMinimo_ = 0;
    Abierto = false;
}

void frmPagosTiendas::LlenarListaTiendas()
{
    cmbTienda.Clear();
    cmbTienda.AddItem(QStringLiteral("Todos"), TodasLasTiendas);
    cmbTienda.AgregarDeConsulta(QStringLiteral("select * from clientes where estienda = 1 order by nombre"),
                                QStringLiteral("nombre"), QStringLiteral("idcliente"));
    cmbTienda.Elegir(0);
}

void frmPagosTiendas::LlenarAnos()
{
    // The years in which shop orders were delivered, and this one, newest first.
    const int actual = RelojPrograma().Ahora().date().year();
    cmbAno.Clear();
    Recordset rs = AbrirRecordset(QStringLiteral(
        "select distinct year(arreglos.fecharealentrega) as ano from arreglos inner join clientes on "
        "arreglos.idcliente = clientes.idcliente where clientes.estienda = 1 and arreglos.entregadoacliente "
        "= 1 "
        "and arreglos.fecharealentrega is not null order by 1 desc"));
    bool conActual = false;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const int ano = int(Val(NuloACero(rs.Campo(0))));
        if (!conActual && ano < actual) {
            cmbAno.AddItem(N(actual), actual);
            conActual = true;
        }
        conActual = conActual || ano == actual;
        cmbAno.AddItem(N(ano), ano);
    }
    if (!conActual)
        cmbAno.AddItem(N(actual), actual);
    cmbAno.ElegirTexto(N(actual));
}

void frmPagosTiendas::DarTamanosGrid()
{
    gridPagos = Grid(2, 6);
    const char *cabeceras[] = {"Tienda", "Arreglo", "Precio", "Abonado", "Pendiente", "Pagado"};
    // "Arreglo" also holds the "Suma total" of the last row, whole.
    const int anchos[] = {3750, 1650, 1515, 1440, 1560, 1980};
    for (int c = 0; c < 6; ++c) {
        gridPagos.SetTextMatrix(0, c, QString::fromLatin1(cabeceras[c]));
        gridPagos.SetColWidth(c, anchos[c]);
    }
    for (int c = 2; c <= 4; ++c)
        gridPagos.SetColAlignment(c, Alineacion::Derecha);
}

QString frmPagosTiendas::SqlLista(int idtienda, int ano, int mes, qint64 desde, qint64 hasta)
{
    // A page of order numbers (`desde` excluded) is read from the shops' own orders in the
    // customers' index, so each page costs what it lists.
    const QString pagina = desde != 0 || hasta != 0
                               ? QStringLiteral(" AND ") + CondicionPaginaArreglos(desde, hasta)
                               : QString();
    // What each order has been paid comes in the same statement, one index lookup per order, not
    // one round trip per order.
    return QStringLiteral(
               "SELECT arreglos.fecharealentrega, arreglos.IdArreglo, sum(arreglos_detalles.precio) as "
               "total, "
               "clientes.Nombre, clientes.estienda, arreglos.entregadoacliente, (SELECT sum(caja.importe) "
               "FROM caja WHERE caja.idarreglo = arreglos.IdArreglo) as abonado FROM (arreglos INNER JOIN "
               "clientes ON arreglos.idcliente = clientes.IdCliente) INNER JOIN arreglos_detalles ON "
               "arreglos.IdArreglo = arreglos_detalles.idArreglo")
           + Condiciones(idtienda, ano, mes) + pagina
           + QStringLiteral(" GROUP BY arreglos.IdArreglo, clientes.Nombre, clientes.estienda,     "
                            "Arreglos.entregadoacliente , fecharealentrega ORDER BY arreglos.idarreglo DESC");
}

bool frmPagosTiendas::LeerFecha(int &ano, int &mes)
{
    ano = 0;
    mes = 0;
    if (cmbMeses.Text.isEmpty())
        return true;
    bool ok = false;
    ano = cmbAno.Text.trimmed().toInt(&ok);
    if (!ok || ano < 1 || ano > 9999) {
        Dlg().Mensaje(QString::fromUtf8("El año debe ser un número, por ejemplo ")
                      + N(RelojPrograma().Ahora().date().year()) + QLatin1Char('.'));
        return false;
    }
    mes = cmbMeses.ItemData();
    return true;
}

void frmPagosTiendas::LlenarLista(int idtienda)
{
    int ano = 0;
    int mes = 0;
    if (!LeerFecha(ano, mes))
        return;
    std::fill(std::begin(campos_), std::end(campos_), -2);
    textos_.Vaciar();
    std::fill(std::begin(suma_), std::end(suma_), 0.0);
    gridPagos.SetRows(1);
    tienda_ = idtienda;
    ano_ = ano;
    mes_ = mes;
    pendientes_ = chkPendientes;
    paginaHasta_ = paginaMinimo_ = 0;
    resto_.reset();
    // One shop, or one month: few orders, one statement. Every shop of every month: in pages.
    if (idtienda != TodasLasTiendas || mes != 0) {
        Bd().Recorrer(SqlLista(idtienda, ano, mes), [this](const FilaLeida &q) { AgregarFila(q); });
        PonerTotales();
        return;
    }
    const LimitesArreglos limites = DimeLimitesArreglos();
    paginaMinimo_ = limites.minimo;
    paginaHasta_ = limites.maximo;
    if (Bd().motor() == Motor::PostgreSQL) {
        // Every page one after the other on a worker's connection; the rows come in the next turns.
        QStringList paginas;
        for (qint64 hasta = paginaHasta_; hasta > paginaMinimo_; hasta -= OrdenesPorPagina)
            paginas.append(
                SqlLista(tienda_, ano_, mes_, std::max(paginaMinimo_, hasta - OrdenesPorPagina), hasta));
        paginaHasta_ = paginaMinimo_ = 0;
        if (!paginas.isEmpty())
            resto_ = LecturaAparte::Lanzar(preparada_, Bd(), paginas);
        else
            PonerTotales();
        return;
    }
    ContinuarLista();
}

void frmPagosTiendas::ContinuarLista()
{
    if (resto_) {
        bool quedan = false;
        try {
            quedan =
                resto_->Leer(LecturaAparte::FilasPorParte, [this](const FilaLeida &q) { AgregarFila(q); });
        } catch (...) { // a fault halfway: the list stays as far as it got, without totals
            resto_.reset();
            throw;
        }
        if (!quedan) {
            resto_.reset();
            PonerTotales();
        }
        return;
    }
    if (!ListaIncompleta())
        return;
    const qint64 desde = std::max(paginaMinimo_, paginaHasta_ - OrdenesPorPagina);
    const QString sql = SqlLista(tienda_, ano_, mes_, desde, paginaHasta_);
    paginaHasta_ = desde;
    try {
        Bd().Recorrer(sql, [this](const FilaLeida &q) { AgregarFila(q); });
    } catch (...) { // a fault halfway: the list stays as far as it got, without totals
        paginaHasta_ = paginaMinimo_ = 0;
        throw;
    }
    if (!ListaIncompleta())
        PonerTotales();
}

void frmPagosTiendas::CompletarLista()
{
    while (ListaIncompleta())
        ContinuarLista();
}

void frmPagosTiendas::AgregarFila(const FilaLeida &q)
{
    enum { Fecha, Arreglo, Total, Nombre, Abonado, Campos };
    static const char *const nombres[Campos] = {"fecharealentrega", "IdArreglo", "total", "Nombre",
                                                "abonado"};
    int *campo = campos_;
    if (campo[0] == -2)
        for (int i = 0; i < Campos; ++i)
            campo[i] = q.Indice(QString::fromLatin1(nombres[i]));
    const double total = RedondearImporte(NumeroDeValor(q.Valor(campo[Total])));
    const double pagado = RedondearImporte(NumeroDeValor(q.Valor(campo[Abonado])));
    const double pendiente = RedondearImporte(total - pagado);
    // Owing a cent or less counts as settled.
    if (pendientes_ && std::fabs(pendiente) <= 0.01 + 1e-9)
        return;
    Grid &g = gridPagos;
    const int r = g.AgregarFila();
    g.SetTextoCompartido(r, 0, textos_.Compartido(q.Texto(campo[Nombre]).trimmed()));
    g.SetTextMatrix(r, 1, q.Texto(campo[Arreglo]).trimmed());
    g.SetTextoCompartido(r, 2, textos_.Importe(total));
    g.SetTextoCompartido(r, 3, textos_.ImporteConMiles(pagado));
    g.SetTextoCompartido(r, 4, textos_.ImporteConMiles(pendiente));
    g.SetTextoCompartido(r, 5, textos_.Fecha(q.Valor(campo[Fecha])));
    PintarFilaGrid(g, r, r % 2 == 1 ? ColorFilaImpar : ColorFilaPar);
    suma_[0] += total;
    suma_[1] += pagado;
    suma_[2] += pendiente;
}

void frmPagosTiendas::PonerTotales()
{
    textos_.Vaciar();
    if (gridPagos.Rows() <= 1)
        return;
    const QString raya = QStringLiteral("------");
    gridPagos.AgregarFila({QString(), QString(), raya, raya, raya});
    gridPagos.AgregarFila({QString(), QStringLiteral("Suma total"), FormatoDosDecimales(suma_[0]),
                           FormatoDosDecimales(suma_[1]), FormatoDosDecimales(suma_[2])});
    for (int r = gridPagos.Rows() - 2; r < gridPagos.Rows(); ++r)
        PintarFilaGrid(gridPagos, r, r % 2 == 1 ? ColorFilaImpar : ColorFilaPar);
}

void frmPagosTiendas::cmdAceptar_Click()
{
    int ano = 0;
    int mes = 0;
    if (!LeerFecha(ano, mes))
        return;
    DarTamanosGrid();
    LlenarLista(cmbTienda.ItemData());
}

bool frmPagosTiendas::SePuedeCobrar(int fila) const
{
    // A credit (paid more than the order) is not paid back from here.
    const QString pendiente = gridPagos.TextMatrix(fila, 4);
    return !gridPagos.TextMatrix(fila, 0).isEmpty() && EsNumero(pendiente) && Val(pendiente) > 0.005;
}

// The shop's money is booked against the order and taken straight out again: the shop pays
// outside the till, and the till keeps what it has. What is paid is what the journal says is
// still owed, read under the order's lock: another counter may have paid it meanwhile. False
// when that is not the amount the row showed (nothing is booked then).
bool frmPagosTiendas::Cobrar(int fila, bool soloLoMostrado, double *cobrado)
{
    const QString arreglo = gridPagos.TextMatrix(fila, 1);
    const qint64 id = qint64(Val(arreglo));
    BloquearArreglo(id);
    const double importe = RedondearImporte(DimeTotalArreglo(id) - DimeSumaCajaArreglo(id));
    if (soloLoMostrado && std::fabs(importe - Val(gridPagos.TextMatrix(fila, 4))) > 0.005)
        return false;
    if (importe <= 0)
        return !soloLoMostrado;
    MeterMovimientoCaja(importe, QStringLiteral("Ref. ") + arreglo, 1, id, 0);
    MeterMovimientoCaja(-importe, QStringLiteral("Retirado caja P.T."), 1, 0, 0);
    if (cobrado)
        *cobrado = importe;
    return true;
}

namespace {

// An order paid, as the journal tells it: "1234 15.00 €".
QString Cobrado(const QString &arreglo, double importe)
{
    return arreglo + QLatin1Char(' ') + FormatoImporte(importe) + QString::fromUtf8(" €");
}

} // namespace

void frmPagosTiendas::gridPagos_DblClick(int fila)
{
    if (fila < 1 || fila >= gridPagos.Rows())
        return;
    gridPagos.Row = fila;
    if (!SePuedeCobrar(fila))
        return;
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Registrar un pago de ") + gridPagos.TextMatrix(fila, 4)
                          + QString::fromUtf8(" € del cliente ") + gridPagos.TextMatrix(fila, 0)
                          + QStringLiteral(" correspondiente a la referencia ")
                          + gridPagos.TextMatrix(fila, 1)
                          + QStringLiteral("?\r\nEl importe no se ingresará en la caja"))
        != Dialogos::Si)
        return;
    const QString arreglo = gridPagos.TextMatrix(fila, 1);
    bool cobrado = false;
    {
        // The payment and its entry in the journal, or neither.
        Transaccion t(Bd());
        double importe = 0;
        cobrado = Cobrar(fila, true, &importe);
        if (cobrado)
            AnotarOperacion(Operacion::CobroTienda,
                            gridPagos.TextMatrix(fila, 0) + QStringLiteral(": ") + Cobrado(arreglo, importe),
                            qint64(Val(arreglo)), importe);
        t.Confirmar();
    }
    DarTamanosGrid();
    LlenarLista(cmbTienda.ItemData());
    if (!cobrado)
        Dlg().Mensaje(QStringLiteral("Otro mostrador ha cambiado lo cobrado de la referencia ") + arreglo
                      + QStringLiteral("; se ha vuelto a leer y no se ha registrado nada."));
}

void frmPagosTiendas::cmdCancelarDeuda_Click()
{
    CompletarLista(); // the whole debt, not the part on screen
    if (cmbTienda.Text == QLatin1String("Todos")) {
        Dlg().Mensaje(QStringLiteral("Debe cancelar la deuda de una tienda.\r\nSeleccione una primero"));
        return;
    }
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿Cancelar la deuda de ") + cmbTienda.Text + QLatin1Char('?'))
        != Dialogos::Si)
        return;
    if (Dlg().MensajeSiNo(QString::fromUtf8("¿SEGURO que desea cancelar la deuda de ") + cmbTienda.Text
                          + QLatin1Char('?'))
        != Dialogos::Si)
        return;
    {
        // Every order of the debt or none, and its entry in the journal: a fault halfway leaves
        // the account as it was.
        Transaccion t(Bd());
        double total = 0;
        QStringList referencias;
        for (int f = 1; f < gridPagos.Rows(); ++f) {
            double cobrado = 0;
            if (SePuedeCobrar(f) && Cobrar(f, false, &cobrado) && cobrado > 0) {
                total += cobrado;
                referencias.append(Cobrado(gridPagos.TextMatrix(f, 1), cobrado));
            }
        }
        if (!referencias.isEmpty())
            AnotarOperacion(Operacion::DeudaCancelada,
                            cmbTienda.Text + QStringLiteral(": ") + referencias.join(QStringLiteral(", ")), 0,
                            total);
        t.Confirmar();
    }
    DarTamanosGrid();
    LlenarLista(cmbTienda.ItemData());
    Dlg().Mensaje(QStringLiteral("Deuda cancelada"));
}

void frmPagosTiendas::cmdImprimir_Click()
{
    CompletarLista();
    if (gridPagos.Rows() >= 2)
        ImprimirListado(gridPagos, QStringLiteral("Listado de pagos a tiendas"), false);
}
