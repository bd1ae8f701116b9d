// The registry of screens: one row per screen and per options-menu action. The options menu builds
// its buttons from it and guards them with the owner's PIN as it says; the screenshot command fails
// on a row without its picture; test_bd_propietario presses every button through it;
// test_bd_hostil, hilvan-bench and the screen index of docs/ARCHITECTURE.md are checked against it.
//
// A row: {form model, what staff call it, area, view, menu column (-1: off the menu), menu button's
// name or what opens it, flags (PideClave, EsListado, SeTeclea), what the menu button does, picture's name,
// the function that makes the picture (nullptr: its area's Ventanas<Area>() makes it)}.
#include "ui/menu/RegistroPantallas.h"

#include "cash/CopiaSeguridad.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "cash/frmRegistroOperaciones.h"
#include "core/Consultas.h"
#include "core/Programa.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmParametrosGenerales.h"
#include "menu/FRMoPCIONES.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmListaCierresVista.h"
#include "ui/cash/frmRegistroOperacionesVista.h"
#include "ui/common/PantallasQt.h"
#include "ui/masterdata/frmDecProdVista.h"
#include "ui/masterdata/frmFamiliasVista.h"
#include "ui/masterdata/frmListaTrabajadoresVista.h"
#include "ui/masterdata/frmParametrosGeneralesVista.h"
#include "ui/settlements/frmPagosATrabajadoresVista.h"
#include "ui/settlements/frmPagosTiendasVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "ui/workshop/frmAtrasadosVista.h"
#include "ui/workshop/frmAvisosVista.h"
#include "ui/workshop/frmPendientesPorTrabajadorVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmAvisos.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QApplication>
#include <type_traits>
#include <utility>

namespace {

using M = FRMoPCIONES;

// A menu button that opens screen M in view V; an order the screen chose goes to the sale screen.
template <class M_, class V> ArregloParaVenta Pantalla(M &)
{
    if constexpr (std::is_same_v<decltype(Abrir<M_, V>()), ArregloParaVenta>)
        return Abrir<M_, V>();
    else {
        Abrir<M_, V>();
        return {};
    }
}

// A menu button that runs one of the menu's own actions.
template <void (M::*accion)()> ArregloParaVenta Accion(M &menu)
{
    (menu.*accion)();
    return {};
}

ArregloParaVenta CajaActual(M &)
{
    Abrir<frmHojaVenta, frmHojaVentaVista>(DimeUltimoCierre());
    return {};
}

ArregloParaVenta ListaClientes(M &)
{
    if (G().pantallas)
        G().pantallas->ListaClientes();
    return {};
}

ArregloParaVenta Calculadora(M &)
{
    if (G().pantallas)
        G().pantallas->Calculadora();
    return {};
}

ArregloParaVenta Parametros(M &)
{
    frmParametrosGenerales parametros;
    parametros.CargarFormulario(MostrarVista<frmParametrosGeneralesVista>(parametros));
    // Leaving the event loop ends main(), which closes the connection on its way out; closing it
    // here would leave the screens still unwinding without a database.
    if (parametros.SalirDelPrograma)
        QApplication::exit(0);
    return {};
}

ArregloParaVenta Copia(M &)
{
    // A big shop's copy takes a while: the busy cursor shows it, and goes before the message
    // (or the error) is shown.
    bool ocupado = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto libre = [&ocupado] {
        if (std::exchange(ocupado, false))
            QApplication::restoreOverrideCursor();
    };
    try {
        ::CopiaSeguridad(libre);
    } catch (...) {
        libre();
        throw;
    }
    return {};
}

} // namespace

const std::vector<FichaPantalla> &RegistroPantallas()
{
    // clang-format off
    static const std::vector<FichaPantalla> registro = {
        // The options menu, column by column, in the order of its buttons.
        {"frmAsigancion", "Asignar arreglos a trabajadores", "workshop", "workshop/frmAsigancionVista", 0, "cmdAsignarArreglos", EsListado | SeTeclea, Pantalla<frmAsigancion, frmAsigancionVista>, "frmAsigancion", nullptr},
        {"frmPendientesPorTrabajador", "Pendiente por trabajador", "workshop", "workshop/frmPendientesPorTrabajadorVista", 0, "cmdPendientePorTrabajador", EsListado, Pantalla<frmPendientesPorTrabajador, frmPendientesPorTrabajadorVista>, "frmPendientesPorTrabajador", nullptr},
        {"", "Entrada desde trabajadores", "menu", "", 0, "cmdEntregaTerminados", SeTeclea, Accion<&M::cmdEntregaTerminados_Click>, "", nullptr},
        {"", "Modificar arreglo", "menu", "", 0, "cmdModificarArreglo", SeTeclea, Accion<&M::cmdModificarArreglo_Click>, "", nullptr},
        {"", "Anular arreglo", "menu", "", 0, "cmdAnularArreglo", PideClave | SeTeclea, Accion<&M::cmdAnularArreglo_Click>, "", nullptr},
        {"frmPagosATrabajadores", "Pagos a trabajadores", "settlements", "settlements/frmPagosATrabajadoresVista", 0, "cmdPagosTrabajadores", PideClave | EsListado, Pantalla<frmPagosATrabajadores, frmPagosATrabajadoresVista>, "frmPagosATrabajadores", nullptr},
        {"frmAtrasados", "Arreglos atrasados", "workshop", "workshop/frmAtrasadosVista", 0, "cmdAtrasados", EsListado | SeTeclea, Pantalla<frmAtrasados, frmAtrasadosVista>, "frmAtrasados", nullptr},
        {"frmAvisos", "Avisos: arreglos listos sin recoger", "workshop", "workshop/frmAvisosVista", 0, "cmdAvisos", EsListado | SeTeclea, Pantalla<frmAvisos, frmAvisosVista>, "frmAvisos", frmAvisosVista::Captura},
        {"frmPagosTiendas", "Cobros a tiendas", "settlements", "settlements/frmPagosTiendasVista", 0, "cmdCobrostiendas", PideClave | EsListado | SeTeclea, Pantalla<frmPagosTiendas, frmPagosTiendasVista>, "frmPagosTiendas", nullptr},
        {"frmDecProd", "Arreglos en prendas", "masterdata", "masterdata/frmDecProdVista", 1, "cmdNuevoArreglo", PideClave, Pantalla<frmDecProd, frmDecProdVista>, "frmDecProd", nullptr},
        {"frmFamilias", "Tipos de prenda", "masterdata", "masterdata/frmFamiliasVista", 1, "cmdTiposFamilias", PideClave, Pantalla<frmFamilias, frmFamiliasVista>, "frmFamilias", nullptr},
        {"frmListaTrabajadores", "Trabajadores", "masterdata", "masterdata/frmListaTrabajadoresVista", 1, "Command4", PideClave, Pantalla<frmListaTrabajadores, frmListaTrabajadoresVista>, "frmListaTrabajadores", nullptr},
        {"frmListaClientes", "Lista de clientes", "masterdata", "masterdata/frmListaClientesVista", 1, "cmdListaCleintes", EsListado | SeTeclea, ListaClientes, "frmListaClientes", nullptr},
        {"CopiaSeguridad", "Copia de seguridad", "cash", "", 1, "cmdCopiaSeguridad", PideClave, Copia, "", nullptr},
        {"frmImportar", "Traer los datos del programa anterior", "intercambio", "intercambio/frmImportarVista", 1, "cmdImportarDatos", PideClave, Accion<&M::cmdImportarDatos_Click>, "frmImportar", nullptr},
        {"frmHojaVenta", "Caja actual", "cash", "cash/frmHojaVentaVista", 2, "cmdHojaVenta", PideClave | EsListado, CajaActual, "frmHojaVenta", nullptr},
        {"frmListaCierres", "Histórico de cajas", "cash", "cash/frmListaCierresVista", 2, "cmdHistoricoCajas", PideClave | EsListado, Pantalla<frmListaCierres, frmListaCierresVista>, "frmListaCierres", nullptr},
        {"", "Sacar dinero de caja", "menu", "", 2, "cmdSacarDinero", PideClave | SeTeclea, Accion<&M::cmdSacarDinero_Click>, "", nullptr},
        {"", "Abrir cajón", "menu", "", 2, "cmdAbrirCajon", 0, Accion<&M::cmdAbrirCajon_Click>, "", nullptr},
        {"frmCalculadora2", "Calculadora", "counter", "counter/frmCalculadora2Vista", 2, "Command2", 0, Calculadora, "frmCalculadora2", nullptr},
        {"frmParametrosGenerales", "Parámetros configuración", "masterdata", "masterdata/frmParametrosGeneralesVista", 2, "cmdConfig", PideClave | SeTeclea, Parametros, "frmParametrosGenerales", nullptr},
        {"frmRegistroOperaciones", "Registro de operaciones", "cash", "cash/frmRegistroOperacionesVista", 2, "cmdRegistroOperaciones", PideClave, Pantalla<frmRegistroOperaciones, frmRegistroOperacionesVista>, "frmRegistroOperaciones", nullptr},
        {"", "Cerrar programa", "menu", "", 2, "Command1", 0, Accion<&M::Command1_Click>, "", nullptr},
        // Screens other screens open.
        {"frmInicio", "Hilván: arrancando", "counter", "counter/frmInicioVista", -1, "main()", 0, nullptr, "frmInicio", nullptr},
        {"frmPrincipal", "Pantalla de venta", "counter", "counter/frmPrincipalVista", -1, "main()", SeTeclea, nullptr, "frmPrincipal", nullptr},
        {"FRMoPCIONES", "Opciones", "menu", "menu/FRMoPCIONESVista", -1, "Opciones", 0, nullptr, "FRMoPCIONES", nullptr},
        {"frmAsignarBArras", "Asignar con código de barras", "workshop", "workshop/PantallaBarrasVista", -1, "AsignarBarras", SeTeclea, nullptr, "frmAsignarBArras", nullptr},
        {"frmEntradaPrendasBarras", "Entrada con código de barras", "workshop", "workshop/PantallaBarrasVista", -1, "EntradaBarras", SeTeclea, nullptr, "frmEntradaPrendasBarras", nullptr},
        {"frmListaEntregar", "Prendas del arreglo: entrega", "workshop", "workshop/PrendasArregloVista", -1, "ListaEntregar", 0, nullptr, "frmListaEntregar", nullptr},
        {"frmLista", "Prendas del arreglo", "workshop", "workshop/PrendasArregloVista", -1, "ListaPrendas", 0, nullptr, "frmLista", nullptr},
        {"frmDetalleReferencia", "Detalles de arreglos de prenda", "workshop", "workshop/frmDetalleReferenciaVista", -1, "DetalleReferencia", SeTeclea, nullptr, "frmDetalleReferencia", nullptr},
        {"frmListaArreglosCliente", "Lista de arreglos del cliente", "workshop", "workshop/frmListaArreglosClienteVista", -1, "ArreglosCliente", EsListado, nullptr, "frmListaArreglosCliente", nullptr},
        {"frmFIchaCliente", "Ficha del cliente", "masterdata", "masterdata/frmFIchaClienteVista", -1, "FichaCliente", SeTeclea, nullptr, "frmFIchaCliente", nullptr},
        {"frmNuevoTrabajador", "Ficha del trabajador", "masterdata", "masterdata/frmNuevoTrabajadorVista", -1, "NuevoTrabajador", SeTeclea, nullptr, "frmNuevoTrabajador", nullptr},
        {"frmTrabajadores", "Elegir trabajador", "masterdata", "dialogs/SelectorVista", -1, "Dialogos::Trabajador", 0, nullptr, "frmTrabajadores", nullptr},
        {"frmNuevaFamilia", "Nueva familia", "masterdata", "masterdata/frmNuevaFamiliaVista", -1, "NuevaFamilia", SeTeclea, nullptr, "frmNuevaFamilia", nullptr},
        {"frmListadoProductos", "Lista de productos por familia", "masterdata", "masterdata/frmListadoProductosVista", -1, "ListadoProductos", EsListado, nullptr, "frmListadoProductos", nullptr},
        {"frmMantProductos", "Mantenimiento de productos", "masterdata", "masterdata/frmMantProductosVista", -1, "MantProductos", SeTeclea, nullptr, "frmMantProductos", nullptr},
        {"frmColores", "Colores", "masterdata", "masterdata/frmColoresVista", -1, "Colores", 0, nullptr, "frmColores", nullptr},
        {"frmNuevoColor", "Nuevo color", "masterdata", "masterdata/frmNuevoColorVista", -1, "NuevoColor", SeTeclea, nullptr, "frmNuevoColor", nullptr},
        {"frmPadNumerico", "Teclado numérico", "dialogs", "dialogs/frmPadNumericoVista", -1, "Dialogos::PadNumerico", 0, nullptr, "frmPadNumerico", nullptr},
        {"frmCalendar", "Fecha de entrega", "dialogs", "dialogs/frmCalendarVista", -1, "Dialogos::Calendario", 0, nullptr, "frmCalendar", nullptr},
        {"frmUsuario", "Usuario", "dialogs", "dialogs/SelectorVista", -1, "Dialogos::Usuario", 0, nullptr, "frmUsuario", nullptr},
        {"frmFormaPago", "Forma de pago", "dialogs", "dialogs/SelectorVista", -1, "Dialogos::FormaPago", 0, nullptr, "frmFormaPago", nullptr},
        {"frmImprimir", "Imprimir", "dialogs", "dialogs/SelectorVista", -1, "Dialogos::ElegirImpresion", 0, nullptr, "frmImprimir", nullptr},
        {"Mensaje", "Mensaje", "dialogs", "dialogs/MensajeVista", -1, "Dialogos::Mensaje", 0, nullptr, "Mensaje", nullptr},
        {"frmMensajeSiNo", "Pregunta", "dialogs", "dialogs/MensajeVista", -1, "Dialogos::MensajeSiNo", 0, nullptr, "frmMensajeSiNo", nullptr},
        {"ImprimirListado", "Vista previa del listado", "printing", "printing/SalidaListadosImpresora", -1, "SalidaListados", 0, nullptr, "VistaPreviaListado", nullptr},
        {"TicketsArreglo", "Ticket", "printing", "printing/VistaPreviaTicket", -1, "SalidaTickets", 0, nullptr, "ticketCliente", nullptr},
    };
    // clang-format on
    return registro;
}

const FichaPantalla *BuscarPantalla(const QString &modeloONombre)
{
    for (const FichaPantalla &f : RegistroPantallas())
        if ((*f.modelo ? QString::fromLatin1(f.modelo) : QString::fromUtf8(f.nombre)) == modeloONombre)
            return &f;
    return nullptr;
}

QString IndicePantallas()
{
    QString indice = QStringLiteral(
        "| form model | what staff call it | area | view | opened by | PIN |\n|---|---|---|---|---|---|\n");
    for (const FichaPantalla &f : RegistroPantallas()) {
        if (!*f.modelo)
            continue;
        const QString vista =
            *f.vista ? QStringLiteral("`ui/%1`").arg(QLatin1String(f.vista)) : QStringLiteral("—");
        const QString abre = f.columna >= 0 ? QStringLiteral("menu: `%1`").arg(QLatin1String(f.abre))
                                            : QStringLiteral("`%1`").arg(QLatin1String(f.abre));
        indice += QStringLiteral("| `%1` | \"%2\" | %3 | %4 | %5 | %6 |\n")
                      .arg(QLatin1String(f.modelo), QString::fromUtf8(f.nombre), QLatin1String(f.area), vista,
                           abre, (f.rasgos & PideClave) ? QStringLiteral("yes") : QString());
    }
    return indice;
}
