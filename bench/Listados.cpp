#include "Listados.h"

#include "Medida.h"

#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/Conexion.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListadoProductos.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "ui/menu/RegistroPantallas.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmAvisos.h"
#include "workshop/frmListaArreglosCliente.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QDate>
#include <algorithm>
#include <memory>

namespace {

QString N(qint64 n)
{
    return QString::number(n);
}

// The worker-pay screen as staff use it: a listing button, and for "Todos" the pages that
// follow the first one until the last row is on screen.
Listado PantallaPagos(const QString &nombre, double objetivo, int costurera, int estado, int limite,
                      bool completa)
{
    auto f = std::make_shared<frmPagosATrabajadores>();
    Listado l{nombre, objetivo, {}};
    l.esperaMs = std::make_shared<double>(-1);
    l.pantalla = [f, costurera, estado, limite, completa, espera = l.esperaMs]() -> qint64 {
        if (f->cmbTrabajadores.ListCount() == 0)
            f->CargarFormulario(nullptr);
        f->cmbTrabajadores.Elegir(0);
        for (int i = 0; i < f->cmbTrabajadores.ListCount(); ++i)
            if (f->cmbTrabajadores.elementos[size_t(i)].dato == costurera)
                f->cmbTrabajadores.Elegir(i);
        f->cmbEstado.Elegir(estado);
        // The last run's list, still being read, is dropped before the touch is timed.
        f->cmdSalir_Click();
        *espera = Medida::Ms([&] {
            if (limite == 0)
                f->cmdTodos_Click();
            else
                f->cmdAceptar_Click();
        });
        // The view reads each further part in a turn of the event loop of its own: read aside
        // from the touch, even the first rows may come in a later turn.
        while (f->ListaIncompleta && f->gridPagos.Rows() < 2)
            *espera = std::max(*espera, Medida::Ms([&] { f->ContinuarLista(); }));
        while (completa && f->ListaIncompleta)
            *espera = std::max(*espera, Medida::Ms([&] { f->ContinuarLista(); }));
        return f->gridPagos.Rows() - 1;
    };
    l.liberar = [f] { f->DarTamanosGrid(); };
    return l;
}

// "Ver todos los arreglos" through the screen's form model alone, page after page to the last
// row: beside the screen's own row (PantallaAsignacion.h) it shows what the view adds.
Listado PantallaAsignacionModelo()
{
    auto f = std::make_shared<frmAsigancion>();
    Listado l{
        QStringLiteral("Asignar arreglos a trabajadores: todos, modelo de la pantalla hasta la última fila"),
        1000,
        {}};
    l.esperaMs = std::make_shared<double>(-1);
    l.pantalla = [f, espera = l.esperaMs]() -> qint64 {
        *espera = Medida::Ms([&] { f->cmdVerTodos_Click(); });
        while (f->QuedanPaginas())
            *espera = std::max(*espera, Medida::Ms([&] { f->LlenarSiguientePagina(); }));
        return f->gridListaArreglos.Rows() - 1;
    };
    l.liberar = [f] { f->DarTamanosGridArreglos(); };
    return l;
}

// The shop accounts' "Ver": the listing and its paid sums, part after part, to the totals.
Listado PantallaTiendas(const QString &nombre, int tienda, int ano, int mes)
{
    auto f = std::make_shared<frmPagosTiendas>();
    Listado l{nombre, 200, {}};
    l.esperaMs = std::make_shared<double>(-1);
    l.pantalla = [f, tienda, ano, mes, espera = l.esperaMs]() -> qint64 {
        if (f->cmbTienda.ListCount() == 0)
            f->CargarFormulario(nullptr);
        f->cmbTienda.Elegir(0);
        for (int i = 0; i < f->cmbTienda.ListCount(); ++i)
            if (f->cmbTienda.elementos[size_t(i)].dato == tienda)
                f->cmbTienda.Elegir(i);
        f->cmbMeses.Elegir(mes);
        f->cmbAno.ElegirTexto(QString::number(ano));
        *espera = Medida::Ms([&] { f->cmdAceptar_Click(); });
        // The view reads each further part in a turn of the event loop of its own.
        while (f->ListaIncompleta())
            *espera = std::max(*espera, Medida::Ms([&] { f->ContinuarLista(); }));
        return f->gridPagos.Rows() - 1;
    };
    l.liberar = [f] { f->DarTamanosGrid(); };
    return l;
}

// The customer list's search as its screen runs it, part after part, to the grid filled.
Listado PantallaClientes(const QString &nombre, const QString &texto)
{
    auto f = std::make_shared<frmListaClientes>();
    Listado l{nombre, 200, {}};
    l.esperaMs = std::make_shared<double>(-1);
    l.pantalla = [f, texto, espera = l.esperaMs]() -> qint64 {
        f->txtNombre = texto;
        *espera = Medida::Ms([&] {
            f->DarTamanosGrid();
            f->LlenarClientes(texto);
        });
        while (f->ListaIncompleta())
            *espera = std::max(*espera, Medida::Ms([&] { f->ContinuarLista(); }));
        return f->gridClientes.Rows() - 1;
    };
    l.liberar = [f] { f->DarTamanosGrid(); };
    return l;
}

// The call list as its screen opens it: the parameters' days, the statement, the grid filled.
Listado PantallaAvisos()
{
    auto f = std::make_shared<frmAvisos>();
    Listado l{QStringLiteral("Avisos: arreglos listos sin recoger, pantalla"), 200, {}};
    l.pantalla = [f]() -> qint64 {
        f->CargarFormulario(nullptr);
        return f->gridAvisos.Rows() - 1;
    };
    l.liberar = [f] { f->gridAvisos = Grid(); };
    return l;
}

// The product list as its screen opens it.
Listado PantallaProductos()
{
    auto f = std::make_shared<frmListadoProductos>();
    Listado l{QStringLiteral("Lista de productos por familia, pantalla"),
              200,
              {frmListadoProductos::SqlProductos(0)}};
    l.pantalla = [f]() -> qint64 {
        f->CargarFormulario(nullptr);
        return f->gridProductos.Rows() - 1;
    };
    l.liberar = [f] { f->DarTamanosGrid(); };
    return l;
}

int Primero(Conexion &c, const QString &sql, int siNo = 0)
{
    Recordset rs = c.AbrirRecordset(sql);
    return rs.HayFilas() ? rs.Campo(0).toInt() : siNo;
}

} // namespace

ParametrosListados ElegirParametros(Conexion &c)
{
    ParametrosListados p;
    p.costurera = Primero(c,
                          QStringLiteral("select idcosturera, count(*) as n from arreglos_detalles "
                                         "where idcosturera is not null and (listoparaentrega is null or "
                                         "listoparaentrega = 0) group by idcosturera order by n desc"),
                          1);
    p.tienda = Primero(
        c, QStringLiteral("select arreglos.idcliente, count(*) as n from arreglos inner join clientes "
                          "on arreglos.idcliente = clientes.idcliente where clientes.estienda = 1 "
                          "group by arreglos.idcliente order by n desc"));
    Recordset rs = c.AbrirRecordset(QStringLiteral("select idcliente, count(*) as n from arreglos group by "
                                                   "idcliente order by n desc"));
    if (rs.HayFilas()) {
        p.cliente = rs.Campo(0).toInt();
        p.clienteArreglos = rs.Campo(1).toLongLong();
    }
    p.ultimoArreglo = Primero(c, QStringLiteral("select max(idarreglo) as m from arreglos"));
    Recordset cierre = c.AbrirRecordset(QStringLiteral("select max(nombrecierre) as m from caja"));
    p.cierre = cierre.Campo(0).toString();
    const QDate dia = QDate::fromString(p.cierre, QStringLiteral("yyyyMMdd"));
    const QDate mesAnterior = dia.isValid() ? dia.addMonths(-1) : QDate::currentDate().addMonths(-1);
    p.ano = mesAnterior.year();
    p.mes = mesAnterior.month();
    return p;
}

namespace {

std::vector<Listado> ListadosDeLasPantallas(const ParametrosListados &p)
{
    const QString una = QStringLiteral(" (costurera ") + N(p.costurera) + QLatin1Char(')');
    const QString mes = N(p.mes) + QLatin1Char('/') + N(p.ano);
    return {
        {QStringLiteral("Asignar arreglos a trabajadores: no asignados"),
         200,
         {frmAsigancion::SqlListaArreglos()}},
        {QStringLiteral("Asignar arreglos a trabajadores: todos, una fila por línea"),
         1000,
         {frmAsigancion::SqlTodasLasLineas()}},
        {QStringLiteral("Asignar arreglos a trabajadores: todos, primera página de la pantalla"),
         200,
         {frmAsigancion::SqlTodasLasLineas(p.ultimoArreglo - frmAsigancion::OrdenesPrimeraPagina,
                                           p.ultimoArreglo)}},
        PantallaAsignacionModelo(),
        {QStringLiteral("Asignar arreglos a trabajadores: pendiente por trabajador") + una,
         200,
         {frmAsigancion::SqlArreglosPorTrabajador(p.costurera, true)}},
        {QStringLiteral("Asignar arreglos a trabajadores: histórico por trabajador") + una
             + QStringLiteral(", sin límite"),
         2000,
         {frmAsigancion::SqlArreglosPorTrabajador(p.costurera, false)}},
        {QStringLiteral("Pendiente por trabajador: Todos"),
         200,
         {frmPendientesPorTrabajador::SqlPendientes(999)}},
        {QStringLiteral("Pendiente por trabajador") + una,
         200,
         {frmPendientesPorTrabajador::SqlPendientes(p.costurera)}},
        {QStringLiteral("Arreglos atrasados (") + N(p.diasAtraso) + QStringLiteral(" días)"),
         200,
         {frmAtrasados::SqlAtrasados(p.diasAtraso)}},
        {QStringLiteral("Pagos a trabajadores: Ver (Todos, No pagado, 500)"),
         200,
         {frmPagosATrabajadores::SqlLista(999, 1, 500)}},
        {QStringLiteral("Pagos a trabajadores: Ver (Todos, Todos, 500)"),
         200,
         {frmPagosATrabajadores::SqlLista(999, 0, 500)}},
        {QStringLiteral("Pagos a trabajadores: Ver") + una + QStringLiteral(", No pagado, 500"),
         200,
         {frmPagosATrabajadores::SqlLista(p.costurera, 1, 500)}},
        {QStringLiteral("Pagos a trabajadores: Todos (Todos, Todos, sin límite)"),
         2000,
         {frmPagosATrabajadores::SqlLista(999, 0, 0)}},
        PantallaPagos(QStringLiteral("Pagos a trabajadores, pantalla: Ver (Todos, No pagado)"), 200, 999, 1,
                      500, true),
        PantallaPagos(QStringLiteral("Pagos a trabajadores, pantalla: Ver") + una + QStringLiteral(", Todos"),
                      200, p.costurera, 0, 500, true),
        PantallaPagos(QStringLiteral("Pagos a trabajadores, pantalla: Todos, primeras filas"), 200, 999, 0, 0,
                      false),
        PantallaPagos(QStringLiteral("Pagos a trabajadores, pantalla: Todos, hasta la última fila"), 2000,
                      999, 0, 0, true),
        {QStringLiteral("Cobros a tiendas: Todos, sin mes, con lo abonado"),
         200,
         {frmPagosTiendas::SqlLista(9999999, 0, 0)}},
        {QStringLiteral("Cobros a tiendas: una tienda, ") + mes + QStringLiteral(", con lo abonado"),
         200,
         {frmPagosTiendas::SqlLista(p.tienda, p.ano, p.mes)}},
        PantallaTiendas(QStringLiteral("Cobros a tiendas, pantalla: Todos, sin mes"), 9999999, p.ano, 0),
        PantallaTiendas(QStringLiteral("Cobros a tiendas, pantalla: Todos, ") + mes, 9999999, p.ano, p.mes),
        PantallaTiendas(QStringLiteral("Cobros a tiendas, pantalla: una tienda, ") + mes, p.tienda, p.ano,
                        p.mes),
        PantallaProductos(),
        {QStringLiteral("Caja actual: hoja de venta (caja ") + p.cierre + QLatin1Char(')'),
         200,
         {frmHojaVenta::SqlMovimientos(p.cierre, false), frmHojaVenta::SqlMovimientos(p.cierre, true)}},
        {QStringLiteral("Histórico de cajas"), 200, {frmListaCierres::SqlCierres()}},
        {QStringLiteral("Histórico de cajas: gráficos de 30 días y 12 meses"),
         200,
         {frmListaCierres::SqlRecaudacion(
             QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1).addMonths(-11))}},
        {QStringLiteral("Lista de clientes: búsqueda vacía"),
         200,
         {frmListaClientes::SqlClientes(QString())}},
        PantallaClientes(QStringLiteral("Lista de clientes, pantalla: búsqueda vacía"), QString()),
        {QStringLiteral("Lista de clientes: \"") + p.busqueda + QLatin1Char('"'),
         200,
         {frmListaClientes::SqlClientes(p.busqueda)}},
        {QStringLiteral("Avisos: arreglos listos sin recoger (") + N(frmAvisos::DiasPorDefecto)
             + QStringLiteral(" días)"),
         200,
         {frmAvisos::SqlAvisos(frmAvisos::DiasPorDefecto)}},
        PantallaAvisos(),
        {QStringLiteral("Lista de arreglos del cliente (") + N(p.clienteArreglos)
             + QStringLiteral(" arreglos)"),
         200,
         {frmListaArreglosCliente::SqlArreglos(p.cliente)}},
    };
}

} // namespace

std::vector<Listado> ListadosDeLaTienda(const ParametrosListados &p)
{
    std::vector<Listado> listados = ListadosDeLasPantallas(p);
    // Every listing of the registry of screens is measured here, its rows named after it.
    for (const FichaPantalla &f : RegistroPantallas()) {
        const QString nombre = QString::fromUtf8(f.nombre);
        if ((f.rasgos & EsListado)
            && std::none_of(listados.begin(), listados.end(),
                            [&nombre](const Listado &l) { return l.nombre.startsWith(nombre); }))
            qFatal("Sin medida en hilvan-bench: %s", f.nombre);
    }
    return listados;
}
