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
    frmColores colores;
    return colores.CargarFormulario([&colores] {
        frmColoresVista vista(colores, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::NuevoColor()
{
    frmNuevoColor nuevo;
    nuevo.CargarFormulario([&nuevo] {
        frmNuevoColorVista vista(nuevo, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::Calculadora()
{
    frmCalculadora2Vista::Mostrar(QApplication::activeWindow());
}

int PantallasQt::AnchoTextoTwips(const QString &texto) const
{
    return QFontMetrics(frmPrincipalVista::FuenteGrid()).horizontalAdvance(texto) * Estilo::TwipsPorPixel;
}
