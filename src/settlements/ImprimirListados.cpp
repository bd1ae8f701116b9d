#include "ImprimirListados.h"

#include "core/Dialogos.h"
#include "core/Programa.h"

void ImprimirGrid(const Grid &grid, const QString &titulo, bool apaisado)
{
    Q_UNUSED(grid);
    Q_UNUSED(titulo);
    Q_UNUSED(apaisado);
    // Until the paged listing printer is in, staff are told rather than left waiting for paper.
    Dlg().Mensaje(QString::fromUtf8("La impresión de listados todavía no está disponible."));
}
