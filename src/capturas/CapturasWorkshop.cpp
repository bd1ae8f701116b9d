#include "capturas/CapturasWorkshop.h"

#include "core/Conexion.h"
#include "demo/DatosCapturas.h"
#include "ui/workshop/PantallaBarrasVista.h"
#include "ui/workshop/PrendasArregloVista.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "ui/workshop/frmAtrasadosVista.h"
#include "ui/workshop/frmDetalleReferenciaVista.h"
#include "ui/workshop/frmListaArreglosClienteVista.h"
#include "ui/workshop/frmPendientesPorTrabajadorVista.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmDetalleReferencia.h"
#include "workshop/frmEntradaPrendasBarras.h"
#include "workshop/frmLista.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmListaEntregar.h"
#include "workshop/frmPendientesPorTrabajador.h"

namespace {

void Escanear(PantallaBarras &s, const QStringList &escaneos)
{
    for (const QString &e : escaneos) {
        s.txtBarras = e;
        s.Command1_Click();
    }
}

} // namespace

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasWorkshop()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;

    static frmAsigancion asignacion;
    asignacion.CargarFormulario({});
    asignacion.cmdVerTodos_Click();
    while (asignacion.QuedanPaginas())
        asignacion.LlenarSiguientePagina();
    asignacion.gridListaArreglos_Click(3);
    v.emplace_back(QStringLiteral("frmAsigancion"), std::make_unique<frmAsigancionVista>(asignacion));
    // As it opens: the list of garments not given to anybody, under its long name.
    static frmAsigancion sinAsignarNadie;
    sinAsignarNadie.CargarFormulario({});
    v.emplace_back(QStringLiteral("frmAsigancion_sin_asignar"),
                   std::make_unique<frmAsigancionVista>(sinAsignarNadie));

    static frmPendientesPorTrabajador pendientes;
    pendientes.CargarFormulario({});
    pendientes.cmdAceptar_Click();
    v.emplace_back(QStringLiteral("frmPendientesPorTrabajador"),
                   std::make_unique<frmPendientesPorTrabajadorVista>(pendientes));

    static frmAtrasados atrasados;
    atrasados.CargarFormulario({});
    atrasados.cmbMeses.Elegir(0);
    atrasados.cmdVer_Click();
    v.emplace_back(QStringLiteral("frmAtrasados"), std::make_unique<frmAtrasadosVista>(atrasados));

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

    // The scans write to the demo shop; the pictures must not change what other captures show.
    Transaccion t(Bd());
    const QStringList sinAsignar = EscaneosPrendas(EstadoPrenda::SinAsignar, 2);
    const QStringList conTrabajador = EscaneosPrendas(EstadoPrenda::ConTrabajador, 3);
    const QStringList enTienda = EscaneosPrendas(EstadoPrenda::EnTienda, 1);

    static frmAsignarBArras asignar;
    asignar.CargarFormulario({});
    Escanear(asignar, {sinAsignar.value(0), conTrabajador.value(0)});
    asignar.gridTrabajadores_Click(2);
    // The last read is a misread: the picture shows how the screen tells it.
    Escanear(asignar, {sinAsignar.value(1), sinAsignar.value(1).chopped(1)});
    v.emplace_back(QStringLiteral("frmAsignarBArras"),
                   std::make_unique<PantallaBarrasVista>(asignar, &asignar));

    static frmEntradaPrendasBarras entrada;
    entrada.CargarFormulario({});
    Escanear(entrada, {conTrabajador.value(1), enTienda.value(0), conTrabajador.value(2)});
    v.emplace_back(QStringLiteral("frmEntradaPrendasBarras"),
                   std::make_unique<PantallaBarrasVista>(entrada, nullptr));

    static frmDetalleReferencia detalle;
    detalle.CargarFormulario(asignacion.gridListaArreglos.TextMatrix(1, frmAsigancion::ColReferencia), {});
    v.emplace_back(QStringLiteral("frmDetalleReferencia"),
                   std::make_unique<frmDetalleReferenciaVista>(detalle));
    return v;
}
