#include "Combo.h"

#include "Consultas.h"
#include "Formato.h"

void Combo::AgregarDeConsulta(const QString &sql, const QString &campoTexto, const QString &campoDato)
{
    Recordset rs = AbrirRecordset(sql);
    for (; !rs.EOF_(); rs.MoveNext())
        AddItem(NuloABlanco(rs.Campo(campoTexto)).trimmed(), int(Val(NuloACero(rs.Campo(campoDato)))));
}
