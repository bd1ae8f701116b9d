// The screen that brings the old program's data into a new shop.
#include "intercambio/frmImportar.h"
#include "ui/common/PantallasQt.h"
#include "ui/intercambio/frmImportarVista.h"

void PantallasQt::ImportarDatos()
{
    Abrir<frmImportar, frmImportarVista>();
}
