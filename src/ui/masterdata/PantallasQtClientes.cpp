#include "ui/common/PantallasQt.h"

#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmListaClientesVista.h"

#include <QApplication>

int PantallasQt::ListaClientes()
{
    // One list for the whole run: the chosen customer is kept between openings.
    static frmListaClientes lista;
    return lista.CargarFormulario([] {
        frmListaClientesVista vista(lista, QApplication::activeWindow());
        vista.exec();
    });
}

void PantallasQt::FichaCliente(const QString &telefono, int idcliente)
{
    frmFIchaCliente ficha;
    ficha.CargarFormulario(telefono, idcliente, [&ficha] {
        frmFIchaClienteVista vista(ficha, QApplication::activeWindow());
        vista.exec();
    });
}
