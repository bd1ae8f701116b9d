// The back office: the options menu, the workers, and the garments of one order.
#include "ui/common/PantallasQt.h"

#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "menu/FRMoPCIONES.h"
#include "ui/masterdata/frmListaTrabajadoresVista.h"
#include "ui/masterdata/frmNuevoTrabajadorVista.h"
#include "ui/menu/FRMoPCIONESVista.h"
#include "ui/workshop/PrendasArregloVista.h"
#include "ui/workshop/frmListaArreglosClienteVista.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

#include <QApplication>

void PantallasQt::Opciones()
{
    FRMoPCIONES menu;
    menu.CargarFormulario([&menu] {
        FRMoPCIONESVista vista(menu, QApplication::activeWindow());
        vista.setWindowState(vista.windowState() | Qt::WindowFullScreen);
        vista.exec();
    });
    // "Cerrar programa": the connection is already closed; every open window goes at once.
    if (menu.TerminarPrograma)
        QCoreApplication::exit(0);
}

void PantallasQt::ListaTrabajadores()
{
    Abrir<frmListaTrabajadores, frmListaTrabajadoresVista>();
}

void PantallasQt::NuevoTrabajador(int idcosturera)
{
    Abrir<frmNuevoTrabajador, frmNuevoTrabajadorVista>(idcosturera);
}

void PantallasQt::ListaEntregar(int idarreglo)
{
    frmListaEntregar lista;
    lista.CargarFormulario(idarreglo, MostrarVista<PrendasArregloVista>(lista, &lista));
}

void PantallasQt::ListaPrendas(int idarreglo)
{
    frmLista lista;
    lista.CargarFormulario(idarreglo, MostrarVista<PrendasArregloVista>(lista, nullptr));
}

void PantallasQt::ArreglosCliente(int idcliente)
{
    Abrir<frmListaArreglosCliente, frmListaArreglosClienteVista>(idcliente);
}
