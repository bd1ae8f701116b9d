#include "frmDecProd.h"

#include "core/Pantallas.h"
#include "core/Programa.h"

void frmDecProd::CargarFormulario(const std::function<void()> &mostrar)
{
    eleccion = Eleccion::Ninguna;
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
    if (!G().pantallas)
        return;
    if (eleccion == Eleccion::NuevoArreglo)
        G().pantallas->MantProductos(0);
    else if (eleccion == Eleccion::ModificarDatos)
        G().pantallas->ListadoProductos();
}

void frmDecProd::cmdAsignar_Click()
{
    eleccion = Eleccion::NuevoArreglo;
    Abierto = false;
}

void frmDecProd::cmdVerArreglo_Click()
{
    eleccion = Eleccion::ModificarDatos;
    Abierto = false;
}
