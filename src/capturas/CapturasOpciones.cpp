#include "capturas/CapturasOpciones.h"

#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "demo/DatosCapturas.h"
#include "intercambio/frmImportar.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmTrabajadores.h"
#include "menu/FRMoPCIONES.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/intercambio/frmImportarVista.h"
#include "ui/masterdata/frmListaTrabajadoresVista.h"
#include "ui/masterdata/frmNuevoTrabajadorVista.h"
#include "ui/menu/FRMoPCIONESVista.h"
#include "ui/workshop/PrendasArregloVista.h"
#include "ui/workshop/frmListaArreglosClienteVista.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"

#include <QTemporaryDir>

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasOpciones()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    static FRMoPCIONES menu;
    v.emplace_back(QStringLiteral("FRMoPCIONES"), std::make_unique<FRMoPCIONESVista>(menu));

    // Bringing the old program's data: halfway through the order lines, and the end with its checks.
    static frmImportar importando, importado;
    importando.CargarFormulario({});
    importando.ElegirOrigen(QStringLiteral("/media/usb/TIENDA.MDB"));
    importando.lblTabla = QString::fromUtf8("Guardando arreglos_detalles: 46000 de 98204 filas");
    importando.barProgreso = 734;
    importando.cmdElegirEnabled = importando.cmdImportarEnabled = importando.cmdSalirEnabled = false;
    importando.cmdCancelarEnabled = true;
    v.emplace_back(QStringLiteral("frmImportar"), std::make_unique<frmImportarVista>(importando));
    static QTemporaryDir carpeta;
    importado.CargarFormulario({});
    importado.ElegirOrigen(QStringLiteral("/media/usb/TIENDA.MDB"));
    importado.MostrarResultado(ImportacionDemo(carpeta.path()));
    v.emplace_back(QStringLiteral("frmImportar_resultado"), std::make_unique<frmImportarVista>(importado));

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
    G().ArregloACargar = 3;
    G().ArregloACargarParaEntregar = true;
    entrega.CargarArregloACargar();
    G().EntregandoArreglo = false;
    v.emplace_back(QStringLiteral("frmPrincipal_entregando"), std::make_unique<frmPrincipalVista>(entrega));
    G().pantallas = antes;
    return v;
}
