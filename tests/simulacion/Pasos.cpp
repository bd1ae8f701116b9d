#include "Pasos.h"

#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "demo/Demo.h"
#include "menu/FRMoPCIONES.h"
#include "printing/TicketsArreglo.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmEntradaPrendasBarras.h"

using namespace Qt::StringLiterals;
namespace gen = rc::gen;

namespace {

QString Euros(int centimos)
{
    return FormatoDosDecimales(centimos / 100.0) + u" €"_s;
}

// An amount as staff type it on the keypad.
QString Teclear(int centimos)
{
    return TextoNumero(centimos / 100.0);
}

// The payment methods a step picks from, with their number in the payment dialog.
const std::pair<QString, int> FormasPago[] = {{u"Efectivo"_s, 1}, {u"Tarjeta"_s, 2}, {u"Bizum"_s, 3}};

void TocarFecha(Puesto &q, int fila, int dias)
{
    frmPrincipal &p = *q.p;
    if (fila < 1 || fila >= p.gridTPV.Rows() || !p.EsSeparador(fila))
        return;
    q.dialogos.calendario = {RelojPrograma().Ahora().date().addDays(dias).toString(u"d/M/yyyy"_s)};
    p.gridTPV.Row = fila;
    p.gridTPV.Col = frmPrincipal::ColFecha;
    p.gridTPV_Click();
}

// A family touched starts a garment (due in `dias`); family 0 adds to the garment on screen.
// Product -1 is the same-day service.
void TocarFamilia(Puesto &q, int familia, int producto, int dias)
{
    frmPrincipal &p = *q.p;
    // What the screen shows greyed (an order being handed over) cannot be touched.
    if (!p.gridFamiliasEnabled || !p.gridProductosEnabled)
        return;
    if (familia > 0) {
        p.cmdVerFamilias_Click();
        p.gridFamilias.Row = 1 + (familia - 1) % (p.gridFamilias.Rows() - 1);
        p.gridFamilias_Click();
    }
    if (!p.gridProductos.Visible || p.gridProductos.Rows() < 2)
        return;
    const int separador = [&] {
        for (int f = p.gridTPV.Rows() - 1; f >= 1; --f)
            if (p.EsSeparador(f))
                return f;
        return 0;
    }();
    if (producto < 0) {
        p.MeterProductoEnGridTPV(21);
    } else {
        p.gridProductos.Row = 1 + producto % (p.gridProductos.Rows() - 1);
        p.gridProductos_Click();
    }
    if (familia > 0 && separador > 0)
        TocarFecha(q, separador, dias);
}

// The money handed over now (all that is owed when `todo`), by the method chosen.
void Pagar(Puesto &q, int centimos, int formaPago, bool todo)
{
    frmPrincipal &p = *q.p;
    const auto &forma = FormasPago[size_t(formaPago) % 3];
    q.dialogos.formasPago = {forma};
    p.cmdFormasPago_Click();
    const double debe = RedondearImporte(Val(p.txtTotal) - Val(p.txtSenal));
    q.dialogos.pad = {todo ? TextoNumero(std::max(debe, 0.0)) : Teclear(centimos)};
    p.cmdPendiente_Click();
}

void Acabar(Simulacion &s, Puesto &q)
{
    // Who serves, "continue without a deposit", and no tickets.
    q.dialogos.usuarios = {1 + int(s.acciones % 3)};
    q.dialogos.siNo = {6, 7, 7};
    q.p->cmdAcabarEncargo_Click();
}

// The demo shop's families and their alterations as the sale screen lists them (by name), so that a
// history reads as staff would touch it.
const QList<QStringList> &Catalogo()
{
    static const QList<QStringList> c = [] {
        Conexion demo;
        demo.AbrirSQLite(u":memory:"_s, true);
        CrearBaseDatos(demo);
        LlenarDemo(demo, QDate(2026, 12, 5));
        QList<QStringList> r;
        for (const QString &f :
             Filas(demo, u"select idfamilia, nombre from familias order by nombre collate espanol"_s))
            r.append(QStringList{f.section(u'|', 1)}
                     + Filas(demo, u"select nombre from productos where idfamilia = %1 and activo = 0 "
                                   "order by nombre collate espanol"_s.arg(f.section(u'|', 0, 0))));
        return r;
    }();
    return c;
}

QString Arreglo(int familia, int producto)
{
    if (producto < 0)
        return QString::fromUtf8("Urgente (entrega en el día)");
    const QStringList &productos = Catalogo()[(familia - 1) % Catalogo().size()];
    return productos[1 + producto % (productos.size() - 1)];
}

QString Familia(int familia)
{
    return Catalogo()[(familia - 1) % Catalogo().size()].first();
}

// A command of the options menu, opened from the sale screen.
void Menu(Puesto &q, void (FRMoPCIONES::*orden)())
{
    q.pantallas.enMenu = [orden](FRMoPCIONES &m) { (m.*orden)(); };
    q.p->cmdVerOpciones_Click();
}

// Garment `prenda` of the order, or (0) every garment it may have, through the reader.
void Escanear(PantallaBarras &s, int idarreglo, int prenda)
{
    for (int k = prenda == 0 ? 1 : prenda; k <= (prenda == 0 ? 5 : prenda); ++k) {
        s.txtBarras = u"$"_s + CodigoBarrasPrenda(idarreglo, u"%1.%2"_s.arg(idarreglo).arg(k));
        s.Command1_Click();
    }
}

// A garment of the order (1..5), or every one (0).
int PrendaOTodas()
{
    return *gen::inRange(0, 2) == 0 ? 0 : *gen::inRange(1, 6);
}

// The range [desde, hasta) a choice is drawn from; none when empty.
using Rango = std::pair<int, int>;
constexpr Rango Nada;

// What the far server is told by a step that cuts the network.
QString OrdenCorte(int a)
{
    return a < 0 ? QString::fromLatin1(a == -1 ? "cortar-tras-commit 1" : "perder-commit 1")
                 : u"cortar-tras-mensajes %1"_s.arg(a);
}

// One kind of step: its name (for HILVAN_SIMULACION_SIN), its weight in the random draw, the ranges
// of its `a` and `b`, its other choices, what the till does, and how a person would replay it.
struct Clase {
    const char *nombre;
    std::size_t peso;
    Rango a, b;
    void (*sortear)(Paso &);
    void (*hacer)(Simulacion &, Puesto &, const Paso &);
    QString (*decir)(const Paso &);
};

// In the order of Tipo.
const Clase Clases[] = {
    {"NuevoArreglo", 14, Nada, Nada,
     [](Paso &p) {
         const int n = *gen::inRange(0, 2) == 0 ? 1 : *gen::inRange(1, 6);
         for (int i = 0; i < n; ++i)
             p.prendas.push_back({*gen::inRange(1, 10),
                                  *gen::container<std::vector<int>>(*gen::inRange(1, 5), gen::inRange(0, 8)),
                                  *gen::inRange(0, 15)});
         p.si = *gen::inRange(0, 7) == 0;
         p.a = *gen::element(0, 500, 1000, 2000, *gen::inRange(0, 10000));
         p.b = *gen::inRange(1, 13);
         p.numero = *gen::inRange(0, 3);
     },
     [](Simulacion &s, Puesto &q, const Paso &p) {
         q.p->cmdComenzar_Click();
         q.p->ElegirCliente(p.b);
         for (const Simulacion::Prenda &prenda : p.prendas)
             for (size_t i = 0; i < prenda.productos.size(); ++i)
                 TocarFamilia(q, i == 0 ? prenda.familia : 0, prenda.productos[i], prenda.dias);
         if (p.si)
             TocarFamilia(q, 0, -1, 0);
         q.p->cmdVerFamilias_Click();
         Pagar(q, p.a, p.numero, false);
         Acabar(s, q);
     },
     [](const Paso &p) {
         QStringList ps;
         for (const auto &g : p.prendas) {
             QStringList pr;
             for (int x : g.productos)
                 pr.append(Arreglo(g.familia, x));
             ps.append(
                 u"%1 (%2) para dentro de %3 días"_s.arg(Familia(g.familia), pr.join(u", "_s)).arg(g.dias));
         }
         return u"arreglo nuevo del cliente %1: %2%3; entrega %4 en %5, acaba"_s.arg(p.b).arg(
             ps.join(u"; "_s), p.si ? u"; Urgente en la última prenda"_s : QString(), Euros(p.a),
             FormasPago[p.numero % 3].first.toLower());
     }},
    {"Merceria", 3, Rango(1, 5000), Nada, nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         q.dialogos.pad = {Teclear(p.a)};
         q.dialogos.siNo = {6, 7};
         q.p->cmdMerceria_Click();
     },
     [](const Paso &p) { return u"venta de mercería de "_s + Euros(p.a); }},
    {"Modificar", 8, Nada, Nada, nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         // `si`: the answer to "already handed over, go on?".
         q.dialogos.pad = {QString::number(p.numero)};
         q.dialogos.siNo = {p.si ? 6 : 7};
         Menu(q, &FRMoPCIONES::cmdModificarArreglo_Click);
     },
     [](const Paso &p) {
         return u"abre el arreglo %1 para modificarlo"_s.arg(p.numero)
                + (p.si ? u" (aunque esté entregado)"_s : QString());
     }},
    {"TocarFamilia", 6, Rango(0, 10), Rango(-1, 8), [](Paso &p) { p.numero = *gen::inRange(0, 15); },
     [](Simulacion &, Puesto &q, const Paso &p) { TocarFamilia(q, p.a, p.b, p.numero); },
     [](const Paso &p) {
         return p.a > 0 ? u"toca %1 y %2, para dentro de %3 días"_s.arg(Familia(p.a), Arreglo(p.a, p.b))
                              .arg(p.numero)
                : p.b < 0 ? u"añade Urgente a la última prenda"_s
                          : u"añade el %1.º arreglo de la lista a la última prenda"_s.arg(p.b + 1);
     }},
    // A touch on a row of the order on screen (the row wraps round): its X, or (`si`) its price.
    {"TocarFila", 6, Rango(0, 12), Rango(0, 5000), nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         frmPrincipal &f = *q.p;
         if (f.gridTPV.Rows() < 2)
             return;
         if (p.si)
             q.dialogos.pad = {Teclear(p.b)};
         f.gridTPV.Row = 1 + p.a % (f.gridTPV.Rows() - 1);
         f.gridTPV.Col = p.si ? frmPrincipal::ColImporte : frmPrincipal::ColBorrar;
         f.gridTPV_Click();
     },
     [](const Paso &p) {
         return p.si ? u"cambia el precio de la fila %1 a %2"_s.arg(p.a).arg(Euros(p.b))
                     : u"toca la X de la fila %1"_s.arg(p.a);
     }},
    {"TocarFecha", 3, Rango(1, 12), Rango(0, 15), nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) { TocarFecha(q, p.a, p.b); },
     [](const Paso &p) { return u"cambia la fecha de la fila %1 a dentro de %2 días"_s.arg(p.a).arg(p.b); }},
    {"Pagar", 5, Rango(0, 5000), Rango(0, 3), nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) { Pagar(q, p.a, p.b, p.si); },
     [](const Paso &p) {
         return (p.si ? u"cobra todo lo pendiente"_s : u"entrega "_s + Euros(p.a)) + u" en "_s
                + FormasPago[p.b % 3].first.toLower();
     }},
    {"Acabar", 8, Nada, Nada, nullptr, [](Simulacion &s, Puesto &q, const Paso &) { Acabar(s, q); },
     [](const Paso &) { return u"pulsa Fin arreglo"_s; }},
    {"Entregar", 9, Rango(0, 5000), Rango(0, 3), nullptr,
     [](Simulacion &s, Puesto &q, const Paso &p) {
         q.dialogos.pad = {QString::number(p.numero)};
         q.dialogos.siNo = {6};
         q.p->cmdEntregaarreglos_Click();
         if (p.si && q.p->EntregarAlAcabar && q.p->IdArregloVenta == p.numero) {
             Pagar(q, 0, p.b, true);
             Acabar(s, q);
         }
     },
     [](const Paso &p) {
         return u"entrega el arreglo %1"_s.arg(p.numero)
                + (p.si ? u" y, si se puede, cobra lo pendiente y acaba"_s : u" (queda en pantalla)"_s);
     }},
    {"Anular", 3, Nada, Nada, nullptr,
     [](Simulacion &s, Puesto &q, const Paso &p) {
         q.dialogos.pad = {QString::number(p.numero)};
         q.dialogos.siNo = {6, 6};
         Menu(q, &FRMoPCIONES::cmdAnularArreglo_Click);
         if (!Bd().AbrirRecordset(u"select idarreglo from arreglos where idarreglo = %1"_s.arg(p.numero))
                  .HayFilas())
             s.anulados.insert(p.numero);
     },
     [](const Paso &p) { return u"anula el arreglo %1"_s.arg(p.numero); }},
    // Garments scanned as given to a worker, or (`si`) as back in the shop.
    {"Escanear", 26, Nada, Rango(0, 3), [](Paso &p) { p.a = PrendaOTodas(); },
     [](Simulacion &, Puesto &, const Paso &p) {
         if (p.si) {
             frmEntradaPrendasBarras s;
             s.CargarFormulario([&] { Escanear(s, p.numero, p.a); });
             return;
         }
         frmAsignarBArras s;
         s.CargarFormulario([&] {
             s.gridTrabajadores_Click(1 + p.b % std::max(1, s.gridTrabajadores.Rows() - 1));
             Escanear(s, p.numero, p.a);
         });
     },
     [](const Paso &p) {
         return (p.si ? u"escanea la entrada de "_s : u"escanea para el trabajador %1 "_s.arg(p.b + 1))
                + (p.a == 0 ? u"todas las prendas del arreglo %1"_s.arg(p.numero)
                            : u"la prenda %1.%2"_s.arg(p.numero).arg(p.a));
     }},
    {"SacarDinero", 2, Rango(1, 5000), Nada, nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         q.dialogos.pad = {Teclear(p.a)};
         Menu(q, &FRMoPCIONES::cmdSacarDinero_Click);
     },
     [](const Paso &p) { return u"saca "_s + Euros(p.a) + u" de la caja"_s; }},
    {"CobrarTienda", 3, Rango(0, 10), Nada, nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         frmPagosTiendas s;
         s.CargarFormulario([&] {
             s.cmbMeses.Elegir(0);
             s.cmbTienda.Elegir(1 + p.a % std::max(1, s.cmbTienda.ListCount() - 1));
             s.cmdAceptar_Click();
             if (p.si) {
                 q.dialogos.siNo = {6, 6};
                 s.cmdCancelarDeuda_Click();
             } else if (s.gridPagos.Rows() > 1) {
                 q.dialogos.siNo = {6};
                 s.gridPagos_DblClick(1 + p.a % (s.gridPagos.Rows() - 1));
             }
         });
     },
     [](const Paso &p) {
         return p.si ? u"cancela la deuda de la tienda %1"_s.arg(p.a)
                     : u"cobra la fila %1 de las cuentas de tiendas"_s.arg(p.a);
     }},
    {"PagarTrabajador", 3, Rango(0, 10), Nada, nullptr,
     [](Simulacion &, Puesto &, const Paso &p) {
         frmPagosATrabajadores s;
         s.CargarFormulario([&] {
             s.cmbEstado.Elegir(0);
             s.cmdTodos_Click();
             s.CompletarLista();
             if (s.gridPagos.Rows() > 3)
                 s.gridPagos_DblClick(1 + p.a % (s.gridPagos.Rows() - 3));
         });
     },
     [](const Paso &p) { return u"marca o desmarca pagada la fila %1 del pago a trabajadores"_s.arg(p.a); }},
    {"CierreCaja", 1, Nada, Nada, nullptr,
     [](Simulacion &, Puesto &q, const Paso &) {
         // Closed without printing the summary; the program then ends on this till.
         q.dialogos.siNo = {6, 6, 7};
         q.pantallas.terminado = false;
         Menu(q, &FRMoPCIONES::cmdCierreCaja_Click);
         if (q.pantallas.terminado)
             q.p.reset();
     },
     [](const Paso &) { return u"cierra la caja"_s; }},
    {"Arrancar", 3, Nada, Nada, [](Paso &p) { p.a = *gen::element(0, 5000, 10000, *gen::inRange(0, 30000)); },
     [](Simulacion &, Puesto &q, const Paso &p) {
         if (q.p)
             return;
         q.dialogos.siNo = {p.si ? 6 : 7};
         q.dialogos.pad = {Teclear(p.a)};
         auto programa = std::make_unique<frmPrincipal>();
         if (programa->CargarFormulario(q.configuracion))
             q.p = std::move(programa);
     },
     [](const Paso &p) {
         return u"abre el programa"_s + (p.si ? u", caja nueva con "_s + Euros(p.a) : u", sigue la caja"_s);
     }},
    {"PasarDia", 1, Nada, Nada, nullptr,
     [](Simulacion &s, Puesto &, const Paso &) {
         s.b.reloj.Fijar(QDateTime(s.b.reloj.Ahora().date().addDays(1), QTime(9, 0, 0)));
     },
     [](const Paso &) { return u"pasa la noche: 9:00 del día siguiente"_s; }},
    {"AsignarLista", 5, Rango(0, 10), Rango(0, 4), nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         frmAsigancion s;
         s.CargarFormulario([&] {
             if (p.si) {
                 s.cmdVerTodos_Click();
                 while (s.QuedanPaginas())
                     s.LlenarSiguientePagina();
             }
             if (s.gridListaArreglos.Rows() < 2)
                 return;
             s.gridListaArreglos_Click(1 + p.a % (s.gridListaArreglos.Rows() - 1));
             // Staff leave a garment already handed over as it is; worker 0 closes the picker,
             // which takes the garment away from its worker.
             q.dialogos.siNo = {7};
             q.dialogos.trabajadores = {p.b};
             s.cmdAsignar_Click();
         });
     },
     [](const Paso &p) {
         return u"en la lista de asignación%1 elige la fila %2 y %3"_s.arg(p.si ? u" (todos)"_s : QString())
             .arg(p.a)
             .arg(p.b == 0 ? u"cierra el selector (quita el trabajador)"_s : u"el trabajador %1"_s.arg(p.b));
     }},
    // The "--" of a garment (wrapping round): the next alteration goes to it.
    {"ElegirPrenda", 4, Rango(0, 5), Rango(0, 8), nullptr,
     [](Simulacion &, Puesto &q, const Paso &p) {
         frmPrincipal &f = *q.p;
         std::vector<int> separadores;
         for (int r = 1; r < f.gridTPV.Rows(); ++r)
             if (f.EsSeparador(r))
                 separadores.push_back(r);
         if (!separadores.empty()) {
             f.gridTPV.Row = separadores[size_t(p.a) % separadores.size()];
             f.gridTPV.Col = frmPrincipal::ColImporte;
             f.gridTPV_Click();
         }
         TocarFamilia(q, 0, p.b, 0);
     },
     [](const Paso &p) {
         return u"toca el «--» de la %1.ª prenda y le añade el %2.º arreglo de su lista"_s.arg(p.a + 1).arg(
             p.b + 1);
     }},
    // The network to the server drops (tills on the embedded file have none): at the next COMMIT of
    // any till (-1 right after it reached the server, -2 instead of it), now (0), or after the a-th
    // message any till sends from now, in the middle of whatever it is doing.
    {"Corte", 5, Nada, Nada, [](Paso &p) { p.a = *gen::element(-2, -1, -1, 0, *gen::inRange(1, 30)); },
     [](Simulacion &s, Puesto &, const Paso &p) {
         if (s.lejos)
             s.lejos->Orden(OrdenCorte(p.a));
     },
     [](const Paso &p) { return u"la red se corta: "_s + OrdenCorte(p.a); }},
};
static_assert(std::size(Clases) == size_t(Tipo::Corte) + 1);

// HILVAN_SIMULACION_SIN=Anular,CierreCaja leaves those actions out, to look past a known fault.
const QSet<int> &Excluidos()
{
    static const QSet<int> excluidos = [] {
        QSet<int> r;
        for (const QString &n : qEnvironmentVariable("HILVAN_SIMULACION_SIN").split(QLatin1Char(',')))
            for (int i = 0; i < int(std::size(Clases)); ++i)
                if (n == QLatin1String(Clases[i].nombre))
                    r.insert(i);
        return r;
    }();
    return excluidos;
}

} // namespace

void Paso::checkPreconditions(const Modelo &m) const
{
    RC_PRE(puesto < m.puestos);
    if (tipo == Tipo::Modificar || tipo == Tipo::Entregar || tipo == Tipo::Anular || tipo == Tipo::Escanear)
        RC_PRE(numero >= 1 && numero <= m.arreglos + 1);
}

void Paso::apply(Modelo &m) const
{
    if (tipo == Tipo::NuevoArreglo)
        ++m.arreglos;
}

void Paso::run(const Modelo &, Simulacion &s) const
{
    const QStringList fallos = Ejecutar(s);
    if (!fallos.isEmpty())
        RC_FAIL(QStringLiteral("tras «%1»:\n  %2").arg(Texto(), fallos.join(u"\n  "_s)).toStdString());
}

void Paso::show(std::ostream &os) const
{
    os << Texto().toStdString();
}

QStringList Paso::Ejecutar(Simulacion &s) const
{
    // Only starting the program and the night come to a till whose program is closed.
    const bool conPrograma = tipo != Tipo::Arrancar && tipo != Tipo::PasarDia;
    return s.En(puesto, [&](Puesto &q) {
        if (conPrograma && !q.p)
            return;
        Clases[int(tipo)].hacer(s, q, *this);
    });
}

QString Paso::Texto() const
{
    const QString dicho = Clases[int(tipo)].decir(*this);
    return tipo == Tipo::PasarDia || tipo == Tipo::Corte ? dicho : u"puesto %1: "_s.arg(puesto + 1) + dicho;
}

rc::Gen<PasoSP> GenerarPaso(const Modelo &m)
{
    std::vector<std::size_t> pesos;
    std::vector<Tipo> tipos;
    for (int i = 0; i < int(std::size(Clases)); ++i) {
        tipos.push_back(Tipo(i));
        pesos.push_back(Excluidos().contains(i) ? 0 : Clases[i].peso);
    }
    const rc::Gen<Tipo> tipo = rc::gen::detail::WeightedElementGen<Tipo>(std::move(pesos), std::move(tipos));
    return gen::exec([m, tipo] {
        Paso p;
        p.tipo = *tipo;
        p.puesto = *gen::inRange(0, m.puestos);
        // Mostly one of the last orders, as a shop works: now and then any number at all.
        p.numero = *gen::inRange(0, 4) == 0 ? *gen::inRange(1, m.arreglos + 2)
                                            : std::max(1, m.arreglos + 1 - *gen::inRange(0, 4));
        p.si = *gen::arbitrary<bool>();
        const Clase &c = Clases[int(p.tipo)];
        if (c.a != Nada)
            p.a = *gen::inRange(c.a.first, c.a.second);
        if (c.b != Nada)
            p.b = *gen::inRange(c.b.first, c.b.second);
        if (c.sortear)
            c.sortear(p);
        return PasoSP(std::make_shared<Paso>(std::move(p)));
    });
}
