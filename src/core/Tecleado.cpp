#include "Tecleado.h"

#include "Dialogos.h"
#include "Formato.h"
#include "Programa.h"

std::optional<double> ImporteTecleado(const QString &texto)
{
    QString motivo;
    const std::optional<double> importe = LeerImporte(texto, &motivo);
    if (!importe)
        Dlg().Mensaje(motivo);
    return importe;
}

bool TextoTecleado(const QString &texto, const QString &campo)
{
    const QString motivo = MotivoTextoNoAdmitido(texto, campo);
    if (!motivo.isEmpty())
        Dlg().Mensaje(motivo);
    return motivo.isEmpty();
}
