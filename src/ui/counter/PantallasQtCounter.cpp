// The screens of the counter area: the calculator, and the sale screen's font for its grid.
#include "ui/common/PantallasQt.h"

#include "ui/common/Estilo.h"
#include "ui/counter/frmCalculadora2Vista.h"
#include "ui/counter/frmPrincipalVista.h"

#include <QApplication>
#include <QFontMetrics>

void PantallasQt::Calculadora()
{
    frmCalculadora2Vista::Mostrar(QApplication::activeWindow());
}

int PantallasQt::AnchoTextoTwips(const QString &texto) const
{
    return QFontMetrics(frmPrincipalVista::FuenteGrid()).horizontalAdvance(texto) * Estilo::TwipsPorPixel;
}
