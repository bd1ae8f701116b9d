#include "Parametros.h"

#include "Consultas.h"
#include "Formato.h"
#include "Programa.h"

bool LeerParametros(ValoresPrograma &g)
{
    Recordset rs = AbrirRecordset(QStringLiteral("select * from parametros"));
    return LeerParametros(g, rs);
}

bool LeerParametros(ValoresPrograma &g, const Recordset &rs)
{
    if (!rs.HayFilas())
        return false;
    auto campo = [&rs](const char *nombre) {
        return NuloABlanco(rs.Campo(QString::fromLatin1(nombre))).trimmed();
    };
    g.nombretienda = campo("nombretienda");
    g.nombre = campo("nombre");
    g.direccion = campo("direccion");
    g.nif = campo("nif");
    g.cp = campo("cp");
    g.localidad = campo("localidad");
    g.telefono = campo("telefono");
    g.pie1 = campo("pie1");
    g.pie2 = campo("pie2");
    g.pie3 = campo("pie3");
    g.pie4 = campo("pie4");
    g.pie5 = campo("pie5");
    g.pie6 = campo("pie6");
    g.pie7 = campo("pie7");
    g.puertocom = campo("puertocom");
    g.parametrospuerto = campo("parametrospuerto");
    g.anchuracarro = campo("anchuracarro");
    bool ok = false;
    const int anchura = g.anchuracarro.toInt(&ok);
    g.AnchuraTicket = ok && anchura > 0 ? anchura : 0;
    return true;
}
