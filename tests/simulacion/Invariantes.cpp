#include "Invariantes.h"

#include "Fiabilidad.h"
#include "cash/frmHojaVenta.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"

#include <QMap>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A field's or a cell's amount (Null is 0) in cents.
qint64 Centimos(const QVariant &v)
{
    return std::llround(Val(NuloACero(v)) * 100);
}

QString E(qint64 centimos)
{
    return FormatoDosDecimales(centimos / 100.0);
}

// Money of each order, its lines' total, whether it was handed over and to a partner shop.
void Pedidos(Conexion &c, QStringList &fallos)
{
    Recordset rs = c.AbrirRecordset(
        u"select a.idarreglo, a.entregadoacliente, k.estienda, "
        "(select sum(d.precio) from arreglos_detalles d where d.idarreglo = a.idarreglo) as total, "
        "(select sum(m.importe) from caja m where m.idarreglo = a.idarreglo) as pagado "
        "from arreglos a left join clientes k on k.idcliente = a.idcliente"_s);
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString n = TextoDeValor(rs.Campo(0));
        const bool entregado = Centimos(rs.Campo(1)) == 100;
        const bool tienda = Centimos(rs.Campo(2)) == 100;
        const qint64 total = Centimos(rs.Campo(3));
        const qint64 pagado = Centimos(rs.Campo(4));
        if (pagado > total)
            fallos.append(u"arreglo %1: cobrado %2 de un total de %3 (pendiente negativo)"_s.arg(n, E(pagado),
                                                                                                 E(total)));
        if (entregado && !tienda && pagado != total)
            fallos.append(u"arreglo %1 entregado con %2 cobrado de %3"_s.arg(n, E(pagado), E(total)));
    }
}

void Referencias(BaseDePrueba &b, QStringList &fallos)
{
    const std::pair<const char *, const char *> huerfanos[] = {
        {"prenda de un arreglo entregado sin trabajador o fuera de la tienda: ",
         "select d.referenciaprenda, d.idcosturera, d.listoparaentrega from arreglos_detalles d inner join "
         "arreglos a on a.idarreglo = d.idarreglo where a.entregadoacliente = 1 and (d.idcosturera is null "
         "or coalesce(d.listoparaentrega, 0) <> 1)"},
        // All alterations of one garment are with one worker, or none is.
        {"prenda con arreglos en manos distintas (o unos sin trabajador): ",
         "select referenciaprenda, count(distinct coalesce(idcosturera, 0)) from arreglos_detalles group by "
         "referenciaprenda having count(distinct coalesce(idcosturera, 0)) > 1"}};
    for (const auto &[fallo, sql] : huerfanos)
        for (const QString &f : Filas(b, QString::fromUtf8(sql)))
            fallos.append(QString::fromUtf8(fallo) + f);

    // Each order's garments are N.1, N.2, ... without a gap.
    QMap<qint64, QSet<QString>> prendas;
    for (Recordset rs =
             b.conexion.AbrirRecordset(u"select idarreglo, referenciaprenda from arreglos_detalles"_s);
         !rs.EOF_(); rs.MoveNext())
        prendas[qint64(Val(TextoDeValor(rs.Campo(0))))].insert(TextoDeValor(rs.Campo(1)).trimmed());
    for (auto it = prendas.begin(); it != prendas.end(); ++it) {
        QSet<QString> esperadas;
        for (int k = 1; k <= it.value().size(); ++k)
            esperadas.insert(u"%1.%2"_s.arg(it.key()).arg(k));
        if (it.value() != esperadas) {
            QStringList r(it.value().begin(), it.value().end());
            r.sort();
            fallos.append(u"arreglo %1 con las prendas %2"_s.arg(it.key()).arg(r.join(u", "_s)));
        }
    }
}

// Each cash day's sales sheet against the journal: cash and other methods, the opening float.
void HojasDeVenta(BaseDePrueba &b, QStringList &fallos)
{
    for (const QString &dia : b.Columna(u"select distinct nombrecierre from caja"_s)) {
        qint64 efectivo = 0, otros = 0, inicio = 0;
        bool abierta = false;
        QMap<QString, qint64> cajones; // each till's drawer: its float and the cash it took
        for (Recordset rs =
                 b.conexion.AbrirRecordset(u"select formapago, concepto, importe, puesto from caja where "
                                           "nombrecierre = "_s
                                           + ComillasSQL(dia));
             !rs.EOF_(); rs.MoveNext()) {
            const qint64 importe = Centimos(rs.Campo(2));
            if (Centimos(rs.Campo(0)) == 100)
                cajones[u"En el cajón de "_s + TextoDeValor(rs.Campo(3))] += importe;
            if (TextoDeValor(rs.Campo(1)) == u"Inicio caja"_s) {
                inicio += importe;
                abierta = true;
            } else if (Centimos(rs.Campo(0)) == 100)
                efectivo += importe;
            else
                otros += importe;
        }
        frmHojaVenta hoja;
        hoja.Llenar(dia);
        QMap<QString, QString> totales;
        for (int f = 1; f < hoja.gridHojaVenta.Rows(); ++f)
            totales.insert(hoja.gridHojaVenta.TextMatrix(f, frmHojaVenta::ColConcepto),
                           hoja.gridHojaVenta.TextMatrix(f, frmHojaVenta::ColImporte));
        const qint64 hojaEfectivo = Centimos(totales.value(u"Total efectivo"_s));
        const qint64 hojaOtros = Centimos(totales.value(u"Total otros"_s));
        // A day opened without a float has no opening movement, and its sheet no drawer total.
        const qint64 hojaCaja = Centimos(totales.value(u"Total en caja"_s));
        if (hojaEfectivo != efectivo || hojaOtros != otros || (abierta && hojaCaja != inicio + efectivo)
            || (!abierta && totales.contains(u"Total en caja"_s)))
            fallos.append(
                u"hoja de venta de %1: efectivo %2, otros %3, en caja %4; el diario: %5, %6, %7"_s.arg(
                    dia, E(hojaEfectivo), E(hojaOtros), E(hojaCaja), E(efectivo), E(otros),
                    E(inicio + efectivo)));
        if (cajones.size() > 1 && abierta)
            for (auto it = cajones.cbegin(); it != cajones.cend(); ++it)
                if (Centimos(totales.value(it.key())) != it.value())
                    fallos.append(u"hoja de venta de %1: «%2» %3, el diario %4"_s.arg(
                        dia, it.key(), totales.value(it.key()), E(it.value())));
    }
}

// Worker pay: the piece rate, or a third of the price when the product has none, per line back
// in the shop, against the screen's sum. Shop accounts: pending is total minus paid.
void Liquidaciones(Conexion &c, QStringList &fallos)
{
    QMap<QString, qint64> regla, pantalla;
    for (Recordset rs =
             c.AbrirRecordset(u"select w.nombre, d.precio, p.precio3 from arreglos_detalles d inner join "
                              "costureras w on w.idcosturera = d.idcosturera left join productos p on "
                              "p.idproducto = d.idproducto where d.listoparaentrega = 1"_s);
         !rs.EOF_(); rs.MoveNext()) {
        const qint64 tarifa = Centimos(rs.Campo(2));
        regla[TextoDeValor(rs.Campo(0)).trimmed()] +=
            tarifa != 0 ? tarifa : std::llround(Centimos(rs.Campo(1)) / 3.0);
    }
    frmPagosATrabajadores s;
    s.DarTamanosGrid();
    s.LlenarLista(frmPagosATrabajadores::TodosLosTrabajadores, 0, 0);
    s.CompletarLista();
    for (int f = 1; f < s.gridPagos.Rows(); ++f)
        if (!s.gridPagos.TextMatrix(f, 0).isEmpty())
            pantalla[s.gridPagos.TextMatrix(f, 0)] += Centimos(s.gridPagos.TextMatrix(f, 3));
    if (pantalla != regla)
        for (const QString &w : QSet<QString>(regla.keyBegin(), regla.keyEnd())
                                    | QSet<QString>(pantalla.keyBegin(), pantalla.keyEnd()))
            if (pantalla.value(w) != regla.value(w))
                fallos.append(u"pago de %1: la pantalla suma %2, la regla %3"_s.arg(w, E(pantalla.value(w)),
                                                                                    E(regla.value(w))));

    frmPagosTiendas t;
    t.CargarFormulario([&] {
        t.cmbMeses.Elegir(0);
        t.cmdAceptar_Click();
        t.CompletarLista();
    });
    for (int f = 1; f < t.gridPagos.Rows(); ++f) {
        const QString n = t.gridPagos.TextMatrix(f, 1);
        if (n.isEmpty())
            continue;
        const qint64 precio = Centimos(t.gridPagos.TextMatrix(f, 2));
        const qint64 abonado = Centimos(t.gridPagos.TextMatrix(f, 3));
        const qint64 pendiente = Centimos(t.gridPagos.TextMatrix(f, 4));
        if (pendiente != precio - abonado)
            fallos.append(u"cuenta de tienda, arreglo %1: precio %2, abonado %3, pendiente %4"_s.arg(
                n, E(precio), E(abonado), E(pendiente)));
    }
}

} // namespace

QStringList Invariantes(BaseDePrueba &b)
{
    QStringList fallos = FallosDeEstructura(b.conexion);
    Referencias(b, fallos);
    Pedidos(b.conexion, fallos);
    HojasDeVenta(b, fallos);
    Liquidaciones(b.conexion, fallos);
    return fallos;
}

QString MovimientosDeCaja(BaseDePrueba &b, const QString &dia, const QSet<qint64> &anulados)
{
    QStringList fuera{u"-1"_s};
    for (const qint64 n : anulados)
        fuera.append(QString::number(n));
    return Filas(b, u"select idmovimiento, idarreglo, importe, formapago, concepto from caja where "
                    "nombrecierre = %1 and coalesce(idarreglo, 0) not in (%2) order by idmovimiento"_s.arg(
                        ComillasSQL(dia), fuera.join(u',')))
        .join(QLatin1Char('\n'));
}
