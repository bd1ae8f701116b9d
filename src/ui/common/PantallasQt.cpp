#include "ui/common/PantallasQt.h"

#include "core/Conexion.h"
#include "core/Programa.h"

#include <QApplication>

void PantallasQt::TerminarPrograma()
{
    if (G().conexion)
        G().conexion->Cerrar();
    // Leaves every open window's loop, the options menu's included.
    QApplication::exit(0);
}
