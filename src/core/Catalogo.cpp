#include "Catalogo.h"

#include "Conexion.h"
#include "Formato.h"

#include <QElapsedTimer>
#include <QHash>

namespace Catalogo {

namespace {

// Another counter's change to the catalogue reaches a counter on the server within this time.
constexpr qint64 VigenciaServidorMs = 2 * 60 * 1000;

struct Estado {
    bool cargado = false;
    quint64 escrituras = 0;   // Conexion::EscriturasMaestras() when read
    qint64 versionDatos = -1; // the embedded file's data_version when read
    QElapsedTimer leido;
    std::vector<Familia> familias;
    std::vector<Producto> productos; // by family, then by name
    QHash<int, int> indice;          // idproducto -> position in productos
    QHash<int, QString> nombresFamilia;
    QHash<int, QString> usuarios;
};

Estado &E()
{
    static Estado e;
    return e;
}

void Cargar(Estado &e)
{
    // One statement, one round trip: families, products and users, each kind in the counter's order.
    Recordset rs = Bd().AbrirRecordset(QStringLiteral(
        "select * from (select 1 as tipo, idfamilia as id, 0 as idfamilia, nombre, 0 as precio1, 0 as "
        "precio2, 0 as activo from familias union all select 2, idproducto, idfamilia, nombre, precio1, "
        "precio2, activo from productos union all select 3, idusuario, 0, nombre, 0, 0, 0 from usuarios) "
        "t order by tipo, idfamilia, nombre collate espanol"));
    e = Estado{};
    for (; !rs.EOF_(); rs.MoveNext()) {
        const int tipo = rs.Campo(0).toInt();
        const int id = rs.Campo(1).toInt();
        const QVariant nombre = rs.Campo(3);
        if (tipo == 1) {
            e.familias.push_back({id, NuloABlanco(nombre)});
            e.nombresFamilia.insert(id, NuloABlanco(nombre));
        } else if (tipo == 2) {
            const QVariant activo = rs.Campo(6);
            e.indice.insert(id, int(e.productos.size()));
            e.productos.push_back({id, rs.Campo(2).toInt(), NuloABlanco(nombre), Val(NuloACero(rs.Campo(4))),
                                   Val(NuloACero(rs.Campo(5))), !activo.isNull() && activo.toInt() == 0});
        } else {
            e.usuarios.insert(id, NuloACero(nombre).trimmed());
        }
    }
    e.cargado = true;
    e.leido.start();
}

const Estado &Vigente(qint64 vigenciaServidorMs = VigenciaServidorMs)
{
    Estado &e = E();
    Conexion &c = Bd();
    bool viejo = !e.cargado || e.escrituras != Conexion::EscriturasMaestras();
    qint64 version = -1;
    if (c.motor() == Motor::SQLite) {
        version = c.AbrirRecordset(QStringLiteral("PRAGMA data_version")).Campo(0).toLongLong();
        viejo = viejo || version != e.versionDatos;
    } else {
        viejo = viejo || e.leido.elapsed() > vigenciaServidorMs;
    }
    if (viejo) {
        const quint64 escrituras = Conexion::EscriturasMaestras();
        try {
            Cargar(e);
        } catch (const ErrorBaseDatos &) {
            // A catalogue read before serves until the database answers again; the next use tries anew.
            if (!e.cargado)
                throw;
            qWarning("No se pudo volver a leer el catálogo: sigue el que había");
            return e;
        }
        e.escrituras = escrituras;
        e.versionDatos = version;
    }
    return e;
}

} // namespace

const std::vector<Familia> &Familias()
{
    return Vigente().familias;
}

std::vector<const Producto *> ProductosEnVenta(int idfamilia)
{
    std::vector<const Producto *> r;
    for (const Producto &p : Vigente().productos)
        if (p.idfamilia == idfamilia && p.enVenta)
            r.push_back(&p);
    return r;
}

const Producto *BuscarProducto(int idproducto)
{
    const Estado &e = Vigente();
    const auto i = e.indice.constFind(idproducto);
    return i == e.indice.cend() ? nullptr : &e.productos[size_t(*i)];
}

QString NombreFamilia(int idfamilia)
{
    return Vigente().nombresFamilia.value(idfamilia, QStringLiteral("??"));
}

QString NombreUsuario(int idusuario)
{
    return Vigente().usuarios.value(idusuario);
}

void Adelantar()
{
    if (!E().cargado)
        return;
    try {
        Vigente(VigenciaServidorMs - AdelantoMs);
    } catch (const ErrorBaseDatos &) {
        // The one in memory serves; the next use tries anew.
    }
}

void Olvidar()
{
    E().cargado = false;
}

} // namespace Catalogo
