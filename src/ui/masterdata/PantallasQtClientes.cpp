#include "ui/common/PantallasQt.h"

#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmListaClientesVista.h"

int PantallasQt::ListaClientes()
{
    // One list for the whole run: the chosen customer is kept between openings.
    static frmListaClientes lista;
    return lista.CargarFormulario(MostrarVista<frmListaClientesVista>(lista));
}

void PantallasQt::FichaCliente(const QString &telefono, int idcliente)
{
    Abrir<frmFIchaCliente, frmFIchaClienteVista>(telefono, idcliente);
}
