#include "capturas/CapturasClientes.h"

#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmListaClientes.h"
#include "ui/counter/frmCalculadora2Vista.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmListaClientesVista.h"

#include <QPushButton>

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasClientes()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    static frmListaClientes lista;
    lista.CargarFormulario({});
    lista.gridClientes_Click(2);
    auto vistaLista = std::make_unique<frmListaClientesVista>(lista);
    vistaLista->resize(1024, 768);
    v.emplace_back(QStringLiteral("frmListaClientes"), std::move(vistaLista));

    static frmFIchaCliente ficha;
    ficha.CargarFormulario(QString(), 1, {});
    auto vistaFicha = std::make_unique<frmFIchaClienteVista>(ficha);
    v.emplace_back(QStringLiteral("frmFIchaCliente"), std::move(vistaFicha));

    auto calculadora = std::make_unique<frmCalculadora2Vista>();
    for (const char *t : {"4", "5", "+", "1", "2", ".", "5", "="})
        calculadora->Boton(QString::fromLatin1(t))->click();
    v.emplace_back(QStringLiteral("frmCalculadora2"), std::move(calculadora));
    return v;
}
