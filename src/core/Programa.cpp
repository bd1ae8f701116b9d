#include "Programa.h"

#include "Reloj.h"

#include <ctime>

ValoresPrograma &G()
{
    static ValoresPrograma valores;
    return valores;
}

Reloj &RelojPrograma()
{
    static RelojSistema sistema;
    return G().reloj ? *G().reloj : sistema;
}

Dialogos &Dlg()
{
    Q_ASSERT(G().dialogos);
    return *G().dialogos;
}

void PrepararZonaHoraria()
{
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    tzset();
}

QString VersionPrograma()
{
    return QStringLiteral("%1.%2.%3")
        .arg(HILVAN_VERSION_MAJOR)
        .arg(HILVAN_VERSION_MINOR)
        .arg(HILVAN_VERSION_PATCH);
}
