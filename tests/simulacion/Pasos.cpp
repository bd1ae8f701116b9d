#include "Pasos.h"

using namespace Qt::StringLiterals;

namespace {

bool NombraArreglo(Tipo t)
{
    return t == Tipo::Modificar || t == Tipo::Entregar || t == Tipo::Anular || t == Tipo::Asignar
           || t == Tipo::Recibir;
}

QString Euros(int centimos)
{
    return QString::number(centimos / 100.0, 'f', 2) + u" €"_s;
}

const char *const FormasPago[] = {"efectivo", "tarjeta", "bizum"};

// The demo shop's families and their alterations as the sale screen lists them (by name), so that a
// history reads as staff would touch it.
const std::vector<std::pair<const char *, std::vector<const char *>>> &Catalogo()
{
    static const std::vector<std::pair<const char *, std::vector<const char *>>> c = {
        {"Abrigo", {"Acortar mangas", "Cambiar forro"}},
        {"Camisa", {"Acortar mangas", "Cambiar puños", "Entallar"}},
        {"Chaqueta", {"Acortar mangas", "Cambiar botones", "Cambiar forro", "Meter costados"}},
        {"Cortinas", {"Bajo de cortina (metro)", "Poner cinta de fruncir"}},
        {"Falda", {"Bajo", "Cambiar cremallera", "Meter cintura"}},
        {"Mercería", {"Productos mercería"}},
        {"Pantalón",
         {"Bajo", "Bajo con vuelta", "Cambiar cremallera", "Estrechar pernera", "Meter cintura",
          "Sacar cintura"}},
        {"Varios", {"Coser descosido", "Poner parche", "Urgente (entrega en el día)"}},
        {"Vestido", {"Acortar tirantes", "Bajo", "Entallar", "Meter costados"}}};
    return c;
}

QString Arreglo(int familia, int producto)
{
    if (producto < 0)
        return QString::fromUtf8("Urgente (entrega en el día)");
    const auto &productos = Catalogo()[size_t(familia - 1) % Catalogo().size()].second;
    return QString::fromUtf8(productos[size_t(producto) % productos.size()]);
}

QString Familia(int familia)
{
    return QString::fromUtf8(Catalogo()[size_t(familia - 1) % Catalogo().size()].first);
}

// HILVAN_SIMULACION_SIN=Anular,CierreCaja leaves those actions out, to look past a known fault;
// ModificarEntregado keeps staff from reopening an order already handed over.
constexpr int ModificarEntregado = 100;
const QSet<int> &Excluidos()
{
    static const QSet<int> excluidos = [] {
        static const char *const nombres[] = {
            "Arrancar",        "NuevoArreglo", "Merceria",    "Modificar",      "TocarFamilia",
            "TocarBorrar",     "TocarFecha",   "Pagar",       "Acabar",         "Entregar",
            "Anular",          "Asignar",      "Recibir",     "SacarDinero",    "CobrarTienda",
            "PagarTrabajador", "Copia",        "CierreCaja",  "CortarConexion", "PasarDia",
            "AsignarLista",    "TocarPrecio",  "ElegirPrenda"};
        QSet<int> r;
        for (const QString &n : qEnvironmentVariable("HILVAN_SIMULACION_SIN").split(QLatin1Char(',')))
            if (n == QLatin1String("ModificarEntregado"))
                r.insert(ModificarEntregado);
            else
                for (int i = 0; i < int(std::size(nombres)); ++i)
                    if (n == QLatin1String(nombres[i]))
                        r.insert(i);
        return r;
    }();
    return excluidos;
}

} // namespace

void Paso::checkPreconditions(const Modelo &m) const
{
    RC_PRE(puesto < m.puestos);
    if (NombraArreglo(tipo))
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
    if (tipo == Tipo::PasarDia) {
        s.PasarDia();
        return s.En(puesto, [](Puesto &) {});
    }
    return s.En(puesto, [&](Puesto &q) {
        if (tipo == Tipo::Arrancar) {
            s.Arrancar(q, si, a);
            return;
        }
        if (!q.p)
            return; // the program is closed on this till: nothing to touch
        switch (tipo) {
        case Tipo::NuevoArreglo:
            s.NuevoArreglo(q, prendas, si, b, a, numero);
            break;
        case Tipo::Merceria:
            s.Merceria(q, a);
            break;
        case Tipo::Modificar:
            s.Modificar(q, numero, si);
            break;
        case Tipo::TocarFamilia:
            s.TocarFamilia(q, a, b, numero);
            break;
        case Tipo::TocarBorrar:
            s.TocarBorrar(q, a);
            break;
        case Tipo::TocarFecha:
            s.TocarFecha(q, a, b);
            break;
        case Tipo::Pagar:
            s.Pagar(q, a, b, si);
            break;
        case Tipo::Acabar:
            s.Acabar(q);
            break;
        case Tipo::Entregar:
            s.Entregar(q, numero);
            if (si && q.p->EntregarAlAcabar && q.p->IdArregloVenta == numero) {
                s.Pagar(q, 0, b, true);
                s.Acabar(q);
            }
            break;
        case Tipo::Anular:
            s.Anular(q, numero);
            break;
        case Tipo::Asignar:
            s.AsignarEscaneando(q, numero, a, b);
            break;
        case Tipo::Recibir:
            s.RecibirEscaneando(q, numero, a);
            break;
        case Tipo::SacarDinero:
            s.SacarDinero(q, a);
            break;
        case Tipo::CobrarTienda:
            s.CobrarTienda(q, a, si);
            break;
        case Tipo::PagarTrabajador:
            s.PagarTrabajador(q, a);
            break;
        case Tipo::Copia:
            s.CopiaSeguridad(q);
            break;
        case Tipo::CierreCaja:
            s.CierreCaja(q);
            break;
        case Tipo::CortarConexion:
            s.CortarConexion(q);
            break;
        case Tipo::AsignarLista:
            s.AsignarDeLaLista(q, si, a, b);
            break;
        case Tipo::TocarPrecio:
            s.TocarPrecio(q, a, b);
            break;
        case Tipo::ElegirPrenda:
            s.ElegirPrenda(q, a);
            s.TocarFamilia(q, 0, b, 0);
            break;
        case Tipo::Arrancar:
        case Tipo::PasarDia:
            break;
        }
        // While that fault is open, staff leave alone a delivered order a finish reloaded.
        if (generado && Excluidos().contains(ModificarEntregado))
            s.DejarSiEntregado(q);
    });
}

QString Paso::Texto() const
{
    const QString quien = u"puesto %1: "_s.arg(puesto + 1);
    const QString n = QString::number(numero);
    switch (tipo) {
    case Tipo::Arrancar:
        return quien + u"abre el programa"_s
               + (si ? u", caja nueva con "_s + Euros(a) : u", sigue la caja"_s);
    case Tipo::NuevoArreglo: {
        QStringList ps;
        for (const auto &p : prendas) {
            QStringList pr;
            for (int x : p.productos)
                pr.append(Arreglo(p.familia, x));
            ps.append(
                u"%1 (%2) para dentro de %3 días"_s.arg(Familia(p.familia), pr.join(u", "_s)).arg(p.dias));
        }
        return quien
               + u"arreglo nuevo del cliente %1: %2%3; entrega %4 en %5, acaba"_s.arg(b).arg(
                   ps.join(u"; "_s), si ? u"; Urgente en la última prenda"_s : QString(), Euros(a),
                   QString::fromLatin1(FormasPago[numero % 3]));
    }
    case Tipo::Merceria:
        return quien + u"venta de mercería de "_s + Euros(a);
    case Tipo::Modificar:
        return quien + u"abre el arreglo "_s + n + u" para modificarlo"_s
               + (si ? u" (aunque esté entregado)"_s : QString());
    case Tipo::TocarFamilia:
        return quien
               + (a > 0 ? u"toca %1 y %2, para dentro de %3 días"_s.arg(Familia(a), Arreglo(a, b)).arg(numero)
                  : b < 0 ? u"añade Urgente a la última prenda"_s
                          : u"añade el %1.º arreglo de la lista a la última prenda"_s.arg(b + 1));
    case Tipo::TocarBorrar:
        return quien + u"toca la X de la fila %1"_s.arg(a);
    case Tipo::TocarFecha:
        return quien + u"cambia la fecha de la fila %1 a dentro de %2 días"_s.arg(a).arg(b);
    case Tipo::Pagar:
        return quien + (si ? u"cobra todo lo pendiente"_s : u"entrega "_s + Euros(a)) + u" en "_s
               + QString::fromLatin1(FormasPago[b % 3]);
    case Tipo::Acabar:
        return quien + u"pulsa Fin arreglo"_s;
    case Tipo::Entregar:
        return quien + u"entrega el arreglo "_s + n
               + (si ? u" y, si se puede, cobra lo pendiente y acaba"_s : u" (queda en pantalla)"_s);
    case Tipo::Anular:
        return quien + u"anula el arreglo "_s + n;
    case Tipo::Asignar:
        return quien
               + (a == 0 ? u"escanea todas las prendas del arreglo %1"_s.arg(n)
                         : u"escanea la prenda %1.%2"_s.arg(n).arg(a))
               + u" para el trabajador %1"_s.arg(b + 1);
    case Tipo::Recibir:
        return quien + u"escanea la entrada de "_s
               + (a == 0 ? u"todas las prendas del arreglo %1"_s.arg(n) : u"la prenda %1.%2"_s.arg(n).arg(a));
    case Tipo::SacarDinero:
        return quien + u"saca "_s + Euros(a) + u" de la caja"_s;
    case Tipo::CobrarTienda:
        return quien
               + (si ? u"cancela la deuda de la tienda %1"_s.arg(a)
                     : u"cobra la fila %1 de las cuentas de tiendas"_s.arg(a));
    case Tipo::PagarTrabajador:
        return quien + u"marca o desmarca pagada la fila %1 del pago a trabajadores"_s.arg(a);
    case Tipo::Copia:
        return quien + u"hace una copia de seguridad"_s;
    case Tipo::CierreCaja:
        return quien + u"cierra la caja"_s;
    case Tipo::CortarConexion:
        return quien + u"pulsa Fin arreglo y el servidor corta su conexión"_s;
    case Tipo::PasarDia:
        return u"pasa la noche: 9:00 del día siguiente"_s;
    case Tipo::AsignarLista:
        return quien
               + u"en la lista de asignación%1 elige la fila %2 y %3"_s.arg(si ? u" (todos)"_s : QString())
                     .arg(a)
                     .arg(b == 0 ? u"cierra el selector (quita el trabajador)"_s
                                 : u"el trabajador %1"_s.arg(b));
    case Tipo::TocarPrecio:
        return quien + u"cambia el precio de la fila %1 a %2"_s.arg(a).arg(Euros(b));
    case Tipo::ElegirPrenda:
        return quien
               + u"toca el «--» de la %1.ª prenda y le añade el %2.º arreglo de su lista"_s.arg(a + 1).arg(
                   b + 1);
    }
    return {};
}

rc::Gen<PasoSP> GenerarPaso(const Modelo &m, bool servidor)
{
    using namespace rc;
    const std::size_t cortes = servidor ? 2 : 0;
    return gen::exec([m, cortes] {
        Paso p;
        p.generado = true;
        p.tipo = *gen::suchThat(
            gen::weightedElement<Tipo>({{14, Tipo::NuevoArreglo},   {3, Tipo::Merceria},
                                        {8, Tipo::Modificar},       {6, Tipo::TocarFamilia},
                                        {4, Tipo::TocarBorrar},     {3, Tipo::TocarFecha},
                                        {5, Tipo::Pagar},           {8, Tipo::Acabar},
                                        {9, Tipo::Entregar},        {3, Tipo::Anular},
                                        {14, Tipo::Asignar},        {12, Tipo::Recibir},
                                        {2, Tipo::SacarDinero},     {3, Tipo::CobrarTienda},
                                        {3, Tipo::PagarTrabajador}, {1, Tipo::Copia},
                                        {1, Tipo::CierreCaja},      {3, Tipo::Arrancar},
                                        {1, Tipo::PasarDia},        {cortes, Tipo::CortarConexion},
                                        {5, Tipo::AsignarLista},    {2, Tipo::TocarPrecio},
                                        {4, Tipo::ElegirPrenda}}),
            [](Tipo t) { return !Excluidos().contains(int(t)); });
        // On the server a backup is a dump of the whole database and a restore to check it: one
        // in five drawn is made, the others become a finish.
        if (p.tipo == Tipo::Copia && cortes != 0 && *gen::inRange(0, 5) != 0)
            p.tipo = Tipo::Acabar;
        p.puesto = *gen::inRange(0, m.puestos);
        // Mostly one of the last orders, as a shop works: now and then any number at all.
        p.numero = *gen::inRange(0, 4) == 0 ? *gen::inRange(1, m.arreglos + 2)
                                            : std::max(1, m.arreglos + 1 - *gen::inRange(0, 4));
        p.si = *gen::arbitrary<bool>();
        if (p.tipo == Tipo::Modificar && Excluidos().contains(ModificarEntregado))
            p.si = false;
        switch (p.tipo) {
        case Tipo::NuevoArreglo: {
            const int n = *gen::inRange(0, 2) == 0 ? 1 : *gen::inRange(1, 6);
            for (int i = 0; i < n; ++i)
                p.prendas.push_back(
                    {*gen::inRange(1, 10),
                     *gen::container<std::vector<int>>(*gen::inRange(1, 5), gen::inRange(0, 8)),
                     *gen::inRange(0, 15)});
            p.si = *gen::inRange(0, 7) == 0;
            p.a = *gen::element(0, 500, 1000, 2000, *gen::inRange(0, 10000));
            p.b = *gen::inRange(1, 13);
            p.numero = *gen::inRange(0, 3);
            break;
        }
        case Tipo::Arrancar:
            p.a = *gen::element(0, 5000, 10000, *gen::inRange(0, 30000));
            break;
        case Tipo::Merceria:
        case Tipo::SacarDinero:
            p.a = *gen::inRange(1, 5000);
            break;
        case Tipo::TocarFamilia:
            p.a = *gen::inRange(0, 10);
            p.b = *gen::inRange(-1, 8);
            p.numero = *gen::inRange(0, 15);
            break;
        case Tipo::TocarBorrar:
            p.a = *gen::inRange(0, 12);
            break;
        case Tipo::ElegirPrenda:
            p.a = *gen::inRange(0, 5);
            p.b = *gen::inRange(0, 8);
            break;
        case Tipo::TocarFecha:
            p.a = *gen::inRange(1, 12);
            p.b = *gen::inRange(0, 15);
            break;
        case Tipo::Pagar:
        case Tipo::Entregar:
            p.a = *gen::inRange(0, 5000);
            p.b = *gen::inRange(0, 3);
            break;
        case Tipo::Asignar:
            p.a = *gen::inRange(0, 2) == 0 ? 0 : *gen::inRange(1, 6);
            p.b = *gen::inRange(0, 3);
            break;
        case Tipo::Recibir:
            p.a = *gen::inRange(0, 2) == 0 ? 0 : *gen::inRange(1, 6);
            break;
        case Tipo::CobrarTienda:
        case Tipo::PagarTrabajador:
            p.a = *gen::inRange(0, 10);
            break;
        case Tipo::AsignarLista:
            p.a = *gen::inRange(0, 10);
            p.b = *gen::inRange(0, 4);
            break;
        case Tipo::TocarPrecio:
            p.a = *gen::inRange(0, 12);
            p.b = *gen::inRange(0, 5000);
            break;
        default:
            break;
        }
        return PasoSP(std::make_shared<Paso>(std::move(p)));
    });
}
