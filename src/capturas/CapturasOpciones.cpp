#include "capturas/CapturasOpciones.h"

#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmTrabajadores.h"
#include "menu/FRMoPCIONES.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/masterdata/frmListaTrabajadoresVista.h"
#include "ui/masterdata/frmNuevoTrabajadorVista.h"
#include "ui/menu/FRMoPCIONESVista.h"
#include "ui/workshop/PrendasArregloVista.h"
#include "ui/workshop/frmListaArreglosClienteVista.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasOpciones()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    static FRMoPCIONES menu;
    v.emplace_back(QStringLiteral("FRMoPCIONES"), std::make_unique<FRMoPCIONESVista>(menu));

    static frmListaTrabajadores trabajadores;
    trabajadores.CargarFormulario({});
    trabajadores.gridFamilias_Click(2);
    v.emplace_back(QStringLiteral("frmListaTrabajadores"),
                   std::make_unique<frmListaTrabajadoresVista>(trabajadores));

    // Editing the retired worker: her name and the ticked box.
    static frmNuevoTrabajador trabajador;
    trabajador.CargarFormulario(4, {});
    v.emplace_back(QStringLiteral("frmNuevoTrabajador"),
                   std::make_unique<frmNuevoTrabajadorVista>(trabajador));

    static frmTrabajadores picker;
    picker.CargarTrabajadores();
    auto vistaPicker = std::make_unique<SelectorVista>(picker);
    vistaPicker->Repintar();
    v.emplace_back(QStringLiteral("frmTrabajadores"), std::move(vistaPicker));

    // Demo order 3 has its garment back in the shop; order 2, a partner shop's, was delivered.
    static frmListaEntregar listo, entregado;
    listo.CargarFormulario(3, {});
    v.emplace_back(QStringLiteral("frmListaEntregar"), std::make_unique<PrendasArregloVista>(listo, &listo));
    entregado.CargarFormulario(2, {});
    v.emplace_back(QStringLiteral("frmListaEntregar_entregado"),
                   std::make_unique<PrendasArregloVista>(entregado, &entregado));
    static frmLista prendas;
    prendas.CargarFormulario(4, {});
    v.emplace_back(QStringLiteral("frmLista"), std::make_unique<PrendasArregloVista>(prendas, nullptr));

    static frmListaArreglosCliente cliente;
    cliente.CargarFormulario(3, {});
    v.emplace_back(QStringLiteral("frmListaArreglosCliente"),
                   std::make_unique<frmListaArreglosClienteVista>(cliente));

    // The hand-over of order 3 as the sale screen shows it, the rest of the money not yet typed.
    PantallasQt pantallas;
    Pantallas *antes = G().pantallas;
    G().pantallas = &pantallas;
    static frmPrincipal entrega;
    entrega.lblVersion = QStringLiteral("Versión de muestra");
    entrega.ReiniciarVenta();
    entrega.CargarArregloACargar({3, true});
    v.emplace_back(QStringLiteral("frmPrincipal_entregando"), std::make_unique<frmPrincipalVista>(entrega));
    G().pantallas = antes;
    return v;
}
