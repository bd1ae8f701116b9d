#include "ui/common/PantallasQt.h"

#include "core/Conexion.h"
#include "core/Programa.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

QSize PantallasQt::TamanoPantalla() const
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

void PantallasQt::TerminarPrograma()
{
    if (G().conexion)
        G().conexion->Cerrar();
    // Leaves every open window's loop, the options menu's included.
    QApplication::exit(0);
}
