#include "capturas/CapturasMasterdata.h"

#include "core/Programa.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmNuevoColor.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmParametrosGenerales.h"
#include "masterdata/frmTrabajadores.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/masterdata/frmColoresVista.h"
#include "ui/masterdata/frmDecProdVista.h"
#include "ui/masterdata/frmFIchaClienteVista.h"
#include "ui/masterdata/frmFamiliasVista.h"
#include "ui/masterdata/frmListaClientesVista.h"
#include "ui/masterdata/frmListaTrabajadoresVista.h"
#include "ui/masterdata/frmListadoProductosVista.h"
#include "ui/masterdata/frmMantProductosVista.h"
#include "ui/masterdata/frmNuevaFamiliaVista.h"
#include "ui/masterdata/frmNuevoColorVista.h"
#include "ui/masterdata/frmNuevoTrabajadorVista.h"
#include "ui/masterdata/frmParametrosGeneralesVista.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasMasterdata()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    auto agregar = [&v](const char *nombre, std::unique_ptr<QWidget> w, QSize tam = {}) {
        if (tam.isValid())
            w->resize(tam);
        v.emplace_back(QString::fromLatin1(nombre), std::move(w));
    };

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

    static frmColores colores;
    colores.CargarFormulario({});
    colores.gridColores.Row = 4;
    colores.gridColores.Col = 3;
    v.emplace_back(QStringLiteral("frmColores"), std::make_unique<frmColoresVista>(colores));

    static frmNuevoColor nuevo;
    nuevo.txtColor = QStringLiteral("Azul d'Orsay");
    v.emplace_back(QStringLiteral("frmNuevoColor"), std::make_unique<frmNuevoColorVista>(nuevo));

    static frmParametrosGenerales parametros;
    parametros.CargarFormulario({});
    auto vista = std::make_unique<frmParametrosGeneralesVista>(parametros);
    vista->resize(1024, 768);
    v.emplace_back(QStringLiteral("frmParametrosGenerales"), std::move(vista));

    // The same screen with a network printer chosen.
    static frmParametrosGenerales red;
    red.CargarFormulario({});
    for (int i = 0; i < red.cmbComs.size(); ++i)
        if (red.cmbComs[i].dato == frmParametrosGenerales::ImpresoraRed)
            red.cmbComs_Click(i);
    auto vistaRed = std::make_unique<frmParametrosGeneralesVista>(red);
    vistaRed->resize(1024, 768);
    v.emplace_back(QStringLiteral("frmParametrosGenerales_red"), std::move(vistaRed));

    // The catalogue, on the demo shop (one product withdrawn).
    static frmFamilias familias;
    familias.CargarFormulario({});
    familias.gridFamilias.Row = 3;
    agregar("frmFamilias", std::make_unique<frmFamiliasVista>(familias));
    static frmNuevaFamilia nueva;
    nueva.CargarFormulario(5, {});
    agregar("frmNuevaFamilia", std::make_unique<frmNuevaFamiliaVista>(nueva));
    static frmListadoProductos productos;
    productos.CargarFormulario({});
    productos.gridProductos_Click(12);
    agregar("frmListadoProductos", std::make_unique<frmListadoProductosVista>(productos), QSize(1024, 768));
    static frmMantProductos producto;
    producto.CargarFormulario(2, {});
    agregar("frmMantProductos", std::make_unique<frmMantProductosVista>(producto));
    static frmDecProd menu;
    agregar("frmDecProd", std::make_unique<frmDecProdVista>(menu));

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
    return v;
}
