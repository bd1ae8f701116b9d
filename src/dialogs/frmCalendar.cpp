#include "frmCalendar.h"

#include "core/Consultas.h"
#include "core/Dialogos.h"
#include "core/Fechas.h"
#include "core/Programa.h"
#include "core/Reloj.h"

void frmCalendar::CargarFormulario(QString &fecha)
{
    Hoy = FechaDeTexto(DimeFechaServidor()).date();
    Cal1 = Hoy;
    fecha_.clear();
    Mostrar();
    fecha = fecha_;
}

void frmCalendar::cmdAceptar_Click()
{
    fecha_ = QStringLiteral("%1/%2/%3").arg(Cal1.day()).arg(Cal1.month()).arg(Cal1.year());
    if (Cal1.daysTo(FechaDeTexto(DimeFechaServidor()).date()) < 1) {
        Descargar();
        return;
    }
    const QString pregunta = QString::fromUtf8("La fecha introducida es anterior a la fecha de hoy")
                             + QStringLiteral("\r\n") + QString::fromUtf8("¿Desea continuar?");
    if (Dlg().MensajeSiNo(pregunta) == Dialogos::Si)
        Descargar();
    else
        fecha_.clear(); // a past date the user refused must not come back through the close box
}

void frmCalendar::cmdDias_Click(int dias)
{
    Cal1 = Hoy.addDays(dias);
    cmdAceptar_Click();
}

void frmCalendar::cmdCancelar_Click()
{
    fecha_.clear();
    Descargar();
}
