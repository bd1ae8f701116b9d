#include "ui/common/PantallasQt.h"

#include "cash/CopiaSeguridad.h"
#include "masterdata/frmParametrosGenerales.h"
#include "ui/masterdata/frmParametrosGeneralesVista.h"

#include <QApplication>
#include <utility>

void PantallasQt::ParametrosGenerales()
{
    frmParametrosGenerales parametros;
    parametros.CargarFomulario(MostrarVista<frmParametrosGeneralesVista>(parametros));
    // Leaving the event loop ends main(), which closes the connection on its way out; closing it
    // here would leave the screens still unwinding without a database.
    if (parametros.SalirDelPrograma)
        QApplication::exit(0);
}

void PantallasQt::CopiaSeguridad()
{
    // A big shop's copy takes a while: the busy cursor shows it, and goes before the message
    // (or the error) is shown.
    bool ocupado = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto libre = [&ocupado] {
        if (std::exchange(ocupado, false))
            QApplication::restoreOverrideCursor();
    };
    try {
        ::CopiaSeguridad(libre);
    } catch (...) {
        libre();
        throw;
    }
}
