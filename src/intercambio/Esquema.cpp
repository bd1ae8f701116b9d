#include "Esquema.h"

#include "core/BaseDatos.h"
#include <algorithm>

namespace {

// Read from a new database made in memory, schema steps included, so a column added to the
// schema is imported and exported too.
std::vector<TablaEsquema> LeerEsquema()
{
    Conexion memoria;
    memoria.AbrirSQLite(QStringLiteral(":memory:"), true);
    CrearBaseDatos(memoria);
    std::vector<TablaEsquema> tablas;
    // The version of the database's own layout belongs to the database, not to the shop's data:
    // it is neither exported nor imported.
    for (Recordset t = memoria.AbrirRecordset(
             QStringLiteral("select name, sql from sqlite_master where type = 'table' and name not like "
                            "'sqlite%' and name <> 'esquema' order by rowid"));
         !t.EOF_(); t.MoveNext()) {
        TablaEsquema tabla{t.Campo(0).toString(), {}, false, {}};
        for (Recordset c = memoria.AbrirRecordset(QStringLiteral("pragma table_info(%1)").arg(tabla.nombre));
             !c.EOF_(); c.MoveNext()) {
            const QString tipo = c.Campo(QStringLiteral("type")).toString().toLower();
            const TipoColumna tc = tipo == QLatin1String("integer")            ? TipoColumna::Entero
                                   : tipo.startsWith(QLatin1String("numeric")) ? TipoColumna::Importe
                                   : tipo == QLatin1String("timestamp")        ? TipoColumna::Fecha
                                                                               : TipoColumna::Texto;
            tabla.columnas.push_back({c.Campo(QStringLiteral("name")).toString(), tc});
            if (c.Campo(QStringLiteral("pk")).toInt() == 1) {
                tabla.clave = tabla.columnas.back().nombre;
                tabla.autonumerica = t.Campo(1).toString().contains(QLatin1String("autoincrement"));
            }
        }
        tablas.push_back(std::move(tabla));
    }
    // What other rows point at comes first; a table not named here goes last, in script order.
    static const QStringList orden = {QStringLiteral("usuarios"),          QStringLiteral("formaspago"),
                                      QStringLiteral("familias"),          QStringLiteral("productos"),
                                      QStringLiteral("costureras"),        QStringLiteral("colores"),
                                      QStringLiteral("clientes"),          QStringLiteral("arreglos"),
                                      QStringLiteral("arreglos_detalles"), QStringLiteral("caja")};
    auto puesto = [](const TablaEsquema &t) {
        const int i = int(orden.indexOf(t.nombre));
        return i < 0 ? int(orden.size()) : i;
    };
    std::stable_sort(tablas.begin(), tablas.end(),
                     [&](const TablaEsquema &a, const TablaEsquema &b) { return puesto(a) < puesto(b); });
    return tablas;
}

} // namespace

int TablaEsquema::Columna(const QString &n) const
{
    for (size_t i = 0; i < columnas.size(); ++i)
        if (columnas[i].nombre.compare(n, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const std::vector<TablaEsquema> &TablasEsquema()
{
    static const std::vector<TablaEsquema> tablas = LeerEsquema();
    return tablas;
}
