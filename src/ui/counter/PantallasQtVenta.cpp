// The screens the sale screen opens: the colours picker, the new-colour window, the calculator.
#include "ui/common/PantallasQt.h"

#include "masterdata/frmColores.h"
#include "masterdata/frmNuevoColor.h"
#include "ui/common/Estilo.h"
#include "ui/counter/frmCalculadora2Vista.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/masterdata/frmColoresVista.h"
#include "ui/masterdata/frmNuevoColorVista.h"

#include <QApplication>
#include <QFontMetrics>

QString PantallasQt::Colores()
{
    return Abrir<frmColores, frmColoresVista>();
}

void PantallasQt::NuevoColor()
{
    Abrir<frmNuevoColor, frmNuevoColorVista>();
}

void PantallasQt::Calculadora()
{
    frmCalculadora2Vista::Mostrar(QApplication::activeWindow());
}

int PantallasQt::AnchoTextoTwips(const QString &texto) const
{
    return QFontMetrics(frmPrincipalVista::FuenteGrid()).horizontalAdvance(texto) * Estilo::TwipsPorPixel;
}
