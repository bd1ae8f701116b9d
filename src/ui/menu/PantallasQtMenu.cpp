// The options menu, full screen over the sale screen; its buttons open what the registry of
// screens says (RegistroPantallas).
#include "ui/common/PantallasQt.h"

#include "menu/FRMoPCIONES.h"
#include "ui/menu/FRMoPCIONESVista.h"

#include <QApplication>

ArregloParaVenta PantallasQt::Opciones(int arregloEnVenta)
{
    FRMoPCIONES menu;
    menu.ArregloEnVenta = arregloEnVenta;
    const ArregloParaVenta arreglo = menu.CargarFormulario([&menu] {
        FRMoPCIONESVista vista(menu, QApplication::activeWindow());
        vista.setWindowState(vista.windowState() | Qt::WindowFullScreen);
        vista.exec();
    });
    // "Cerrar programa": the connection is already closed; every open window goes at once.
    if (menu.TerminarPrograma)
        QCoreApplication::exit(0);
    return arreglo;
}
