#include "Esquema.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Read from the creation script itself, so a column added there is imported and exported too.
std::vector<TablaEsquema> LeerEsquema()
{
    QFile f(QStringLiteral(":/esquema/sqlite.sql"));
    f.open(QIODevice::ReadOnly);
    const QStringList lineas = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression reTabla(QStringLiteral(R"(^create table if not exists (\w+) \($)"));
    static const QRegularExpression reColumna(QStringLiteral(R"(^\s+(\w+) (\w+)(.*)$)"));
    std::vector<TablaEsquema> tablas;
    TablaEsquema *actual = nullptr;
    for (const QString &l : lineas) {
        if (const auto m = reTabla.match(l); m.hasMatch()) {
            // The version of the database's own layout belongs to the database, not to the shop's
            // data: it is neither exported nor imported.
            if (m.captured(1) == QLatin1String("esquema")) {
                actual = nullptr;
                continue;
            }
            tablas.push_back({m.captured(1), {}, false, {}});
            actual = &tablas.back();
        } else if (l.startsWith(QLatin1String(");"))) {
            actual = nullptr;
        } else if (const auto c = reColumna.match(l); actual && c.hasMatch()) {
            const QString tipo = c.captured(2);
            const TipoColumna t = tipo == QLatin1String("integer")     ? TipoColumna::Entero
                                  : tipo == QLatin1String("numeric")   ? TipoColumna::Importe
                                  : tipo == QLatin1String("timestamp") ? TipoColumna::Fecha
                                                                       : TipoColumna::Texto;
            actual->columnas.push_back({c.captured(1), t});
            if (c.captured(3).contains(QLatin1String("primary key"))) {
                actual->clave = c.captured(1);
                actual->autonumerica = c.captured(3).contains(QLatin1String("autoincrement"));
            }
        }
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
