#include "Simulacion.h"

#include "Invariantes.h"
#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "demo/Demo.h"
#include "menu/FRMoPCIONES.h"
#include "printing/TicketsArreglo.h"
#include "settlements/frmPagosATrabajadores.h"
#include "settlements/frmPagosTiendas.h"
#include "workshop/frmAsigancion.h"
#include "workshop/frmAsignarBArras.h"
#include "workshop/frmEntradaPrendasBarras.h"
#include "workshop/frmListaEntregar.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Comienzo(QDate(2026, 12, 5), QTime(9, 0, 0));

QString Euros(int centimos)
{
    return TextoNumero(centimos / 100.0);
}

QString Dia(int dias)
{
    return RelojPrograma().Ahora().date().addDays(dias).toString(u"d/M/yyyy"_s);
}

const std::pair<QString, int> Formas[] = {{u"Efectivo"_s, 1}, {u"Tarjeta"_s, 2}, {u"Bizum"_s, 3}};

} // namespace

void PantallasPuesto::Opciones()
{
    FRMoPCIONES menu;
    menu.CargarFormulario([&] {
        if (enMenu)
            std::exchange(enMenu, nullptr)(menu);
    });
}

void PantallasPuesto::ListaEntregar(int idarreglo)
{
    frmListaEntregar lista;
    lista.CargarFormulario(idarreglo, [&] { lista.cmdMarcarComoEntregado_Click(); });
}

Simulacion::Simulacion(int puestos)
{
    LlenarDemo(b_.conexion, Comienzo.date());
    // Each till has its own configuration file: the same database, the till's own name (its drawer).
    for (int i = 0; i < puestos; ++i) {
        puestos_.push_back(std::make_unique<Puesto>());
        puestos_.back()->configuracion = b_.dir.filePath(u"puesto%1.dat"_s.arg(i + 1));
        QFile f(puestos_.back()->configuracion);
        f.open(QIODevice::WriteOnly);
        f.write((Configuracion() + u"Mostrador %1\n"_s.arg(i + 1)).toUtf8());
    }
}

Simulacion::~Simulacion()
{
    for (auto &q : puestos_)
        Cerrar(*q);
    G() = ValoresPrograma();
}

QString Simulacion::Configuracion() const
{
    if (!EsServidor())
        return b_.dir.filePath(u"prueba.db"_s) + u"\n\n\n\n\n"_s;
    const DatosServidor d = BaseDePrueba::ServidorDePrueba(b_.nombreBaseServidor);
    return u"\n%1:%2\n%3\n%4\n\n"_s.arg(d.host).arg(d.puerto).arg(d.basedatos, d.usuario);
}

void Simulacion::Empezar()
{
    for (auto &q : puestos_)
        Cerrar(*q);
    Activar(*puestos_[0]);
    G().conexion = &b_.conexion;
    for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
        b_.conexion.Ejecutar(u"delete from "_s + QString::fromLatin1(tabla));
    Desactivar(*puestos_[0]);
    b_.reloj.Fijar(Comienzo);
    QDir(b_.dir.filePath(u"copiasseguridad"_s)).removeRecursively();
    cajasCerradas_.clear();
    anulados_.clear();
}

void Simulacion::Activar(Puesto &q)
{
    G() = q.valores;
    G().dialogos = &q.dialogos;
    G().pantallas = &q.pantallas;
    G().salidaTickets = &q.impresora;
    G().reloj = &b_.reloj;
    G().AnchuraTicket = 40;
}

void Simulacion::Desactivar(Puesto &q)
{
    q.valores = G();
    G() = ValoresPrograma();
}

QStringList Simulacion::En(int puesto, const std::function<void(Puesto &)> &accion)
{
    Puesto &q = *puestos_[size_t(puesto)];
    QStringList fallos;
    Activar(q);
    try {
        accion(q);
    } catch (const ErrorBaseDatos &e) {
        // What the event boundary shows staff.
        q.dialogos.mensajes.append(e.Mensaje());
    } catch (const std::exception &e) {
        fallos.append(u"excepción no prevista (la pantalla diría «No se pudo completar la operación»): "_s
                      + QString::fromUtf8(e.what()));
    }
    Desactivar(q);
    for (const QString &m : q.dialogos.mensajes + q.dialogos.preguntas)
        if (EnIngles(m))
            fallos.append(u"mensaje en inglés: "_s + m);
    q.dialogos = DialogosGuion();
    ++acciones;
    b_.reloj.Fijar(b_.reloj.Ahora().addSecs(60));
    fallos += Comprobar();
    return fallos;
}

QStringList Simulacion::Comprobar()
{
    // The checks read on their own connection, as a restarted program would.
    G() = ValoresPrograma();
    G().conexion = &b_.conexion;
    G().EsSqlServer = EsServidor() ? 1 : 0;
    G().reloj = &b_.reloj;
    DialogosGuion mudos;
    G().dialogos = &mudos;
    QStringList fallos = Invariantes(b_.conexion);
    ++comprobaciones;

    // A closed cash day keeps the movements it had when it closed; only an annulment takes an
    // order's money out of it.
    for (const QString &dia : CajasCerradas(b_.conexion))
        if (!cajasCerradas_.contains(dia))
            cajasCerradas_.insert(dia, MovimientosDeCaja(b_.conexion, dia, anulados_));
    for (auto it = cajasCerradas_.begin(); it != cajasCerradas_.end(); ++it) {
        const QString ahora = MovimientosDeCaja(b_.conexion, it.key(), anulados_);
        if (ahora != it.value())
            fallos.append(
                u"la caja cerrada %1 ha cambiado:\n%2\nahora:\n%3"_s.arg(it.key(), it.value(), ahora));
    }

    if (!copiaPendiente_.isEmpty()) {
        const QString restaurada = DatosDeCopia(b_.conexion, copiaPendiente_, b_.dir.path());
        if (restaurada != datosCopia_)
            fallos.append(u"la copia %1 no restaura los datos de su momento:\n%2\nrestaurada:\n%3"_s.arg(
                copiaPendiente_, datosCopia_, restaurada));
        copiaPendiente_.clear();
    }
    G() = ValoresPrograma();
    return fallos;
}

void Simulacion::Arrancar(Puesto &q, bool nuevaCaja, int centimosIniciales)
{
    if (q.p)
        return;
    q.dialogos.siNo = {nuevaCaja ? 6 : 7};
    q.dialogos.pad = {Euros(centimosIniciales)};
    auto p = std::make_unique<frmPrincipal>();
    if (p->CargarFormulario(q.configuracion))
        q.p = std::move(p);
}

void Simulacion::Cerrar(Puesto &q)
{
    if (!q.p)
        return;
    Activar(q);
    q.p.reset();
    Desactivar(q);
    q.valores = ValoresPrograma();
}

void Simulacion::NuevoArreglo(Puesto &q, const std::vector<Prenda> &prendas, bool urgente, int cliente,
                              int centimos, int formaPago)
{
    frmPrincipal &p = *q.p;
    p.cmdComenzar_Click();
    p.ElegirCliente(cliente);
    for (const Prenda &prenda : prendas)
        for (size_t i = 0; i < prenda.productos.size(); ++i)
            TocarFamilia(q, i == 0 ? prenda.familia : 0, prenda.productos[i], prenda.dias);
    if (urgente)
        TocarFamilia(q, 0, -1, 0);
    p.cmdVerFamilias_Click();
    Pagar(q, centimos, formaPago, false);
    Acabar(q);
}

// A family touched starts a garment (due in `dias`); family 0 adds to the garment on screen.
// Product -1 is the same-day service.
void Simulacion::TocarFamilia(Puesto &q, int familia, int producto, int dias)
{
    frmPrincipal &p = *q.p;
    // What the screen shows greyed (an order being handed over) cannot be touched.
    if (!p.gridFamiliasEnabled || !p.gridProductosEnabled)
        return;
    if (familia > 0) {
        p.cmdVerFamilias_Click();
        p.gridFamilias.Row = 1 + (familia - 1) % (p.gridFamilias.Rows() - 1);
        p.gridFamilias_Click();
    }
    if (!p.gridProductos.Visible || p.gridProductos.Rows() < 2)
        return;
    const int separador = [&] {
        for (int f = p.gridTPV.Rows() - 1; f >= 1; --f)
            if (p.EsSeparador(f))
                return f;
        return 0;
    }();
    if (producto < 0) {
        p.MeterProductoEnGridTPV(21);
    } else {
        p.gridProductos.Row = 1 + producto % (p.gridProductos.Rows() - 1);
        p.gridProductos_Click();
    }
    if (familia > 0 && separador > 0)
        TocarFecha(q, separador, dias);
}

void Simulacion::TocarBorrar(Puesto &q, int fila)
{
    frmPrincipal &p = *q.p;
    if (p.gridTPV.Rows() < 2)
        return;
    p.gridTPV.Row = 1 + fila % (p.gridTPV.Rows() - 1);
    p.gridTPV.Col = frmPrincipal::ColBorrar;
    p.gridTPV_Click();
}

void Simulacion::TocarFecha(Puesto &q, int fila, int dias)
{
    frmPrincipal &p = *q.p;
    if (fila < 1 || fila >= p.gridTPV.Rows() || !p.EsSeparador(fila))
        return;
    q.dialogos.calendario = {Dia(dias)};
    p.gridTPV.Row = fila;
    p.gridTPV.Col = frmPrincipal::ColFecha;
    p.gridTPV_Click();
}

void Simulacion::TocarPrecio(Puesto &q, int fila, int centimos)
{
    frmPrincipal &p = *q.p;
    if (p.gridTPV.Rows() < 2)
        return;
    q.dialogos.pad = {Euros(centimos)};
    p.gridTPV.Row = 1 + fila % (p.gridTPV.Rows() - 1);
    p.gridTPV.Col = frmPrincipal::ColImporte;
    p.gridTPV_Click();
}

void Simulacion::ElegirPrenda(Puesto &q, int prenda)
{
    frmPrincipal &p = *q.p;
    std::vector<int> separadores;
    for (int f = 1; f < p.gridTPV.Rows(); ++f)
        if (p.EsSeparador(f))
            separadores.push_back(f);
    if (separadores.empty())
        return;
    p.gridTPV.Row = separadores[size_t(prenda) % separadores.size()];
    p.gridTPV.Col = frmPrincipal::ColImporte;
    p.gridTPV_Click();
}

void Simulacion::AsignarDeLaLista(Puesto &q, bool todos, int fila, int trabajador)
{
    frmAsigancion s;
    s.CargarFormulario([&] {
        if (todos) {
            s.cmdVerTodos_Click();
            while (s.QuedanPaginas())
                s.LlenarSiguientePagina();
        }
        if (s.gridListaArreglos.Rows() < 2)
            return;
        s.gridListaArreglos_Click(1 + fila % (s.gridListaArreglos.Rows() - 1));
        // Staff leave a garment already handed over as it is.
        q.dialogos.siNo = {7};
        q.dialogos.trabajadores = {trabajador};
        s.cmdAsignar_Click();
    });
}

// The money handed over now (all that is owed when `todo`), by the method chosen.
void Simulacion::Pagar(Puesto &q, int centimos, int formaPago, bool todo)
{
    frmPrincipal &p = *q.p;
    const auto &forma = Formas[size_t(formaPago) % 3];
    q.dialogos.formasPago = {forma};
    p.cmdFormasPago_Click();
    const double debe = RedondearImporte(Val(p.txtTotal) - Val(p.txtSenal));
    q.dialogos.pad = {todo ? TextoNumero(std::max(debe, 0.0)) : Euros(centimos)};
    p.cmdPendiente_Click();
}

void Simulacion::Acabar(Puesto &q)
{
    // Who serves, "continue without a deposit", and no tickets.
    q.dialogos.usuarios = {1 + int(acciones % 3)};
    q.dialogos.siNo = {6, 7, 7};
    q.p->cmdAcabarEncargo_Click();
}

void Simulacion::DejarSiEntregado(Puesto &q)
{
    if (q.p && q.p->ArregloCargado && !q.p->EntregarAlAcabar && ArregloEntregado(q.p->IdArregloVenta))
        q.p->cmdComenzar_Click();
}

void Simulacion::Merceria(Puesto &q, int centimos)
{
    q.dialogos.pad = {Euros(centimos)};
    q.dialogos.siNo = {6, 7};
    q.p->cmdMerceria_Click();
}

void Simulacion::Modificar(Puesto &q, int idarreglo, bool aunEntregado)
{
    q.dialogos.pad = {QString::number(idarreglo)};
    q.dialogos.siNo = {aunEntregado ? 6 : 7};
    q.pantallas.enMenu = [](FRMoPCIONES &m) { m.cmdModificarArreglo_Click(); };
    q.p->cmdVerOpciones_Click();
}

void Simulacion::Entregar(Puesto &q, int idarreglo)
{
    q.dialogos.pad = {QString::number(idarreglo)};
    q.dialogos.siNo = {6};
    q.p->cmdEntregaarreglos_Click();
}

void Simulacion::Anular(Puesto &q, int idarreglo)
{
    q.dialogos.pad = {QString::number(idarreglo)};
    q.dialogos.siNo = {6, 6};
    q.pantallas.enMenu = [](FRMoPCIONES &m) { m.cmdAnularArreglo_Click(); };
    q.p->cmdVerOpciones_Click();
    if (!Bd().AbrirRecordset(u"select idarreglo from arreglos where idarreglo = "_s
                             + QString::number(idarreglo))
             .HayFilas())
        anulados_.insert(idarreglo);
}

namespace {

// Garment `prenda` of the order, or (0) every garment it may have, through the reader.
void Escanear(PantallaBarras &s, int idarreglo, int prenda)
{
    for (int k = prenda == 0 ? 1 : prenda; k <= (prenda == 0 ? 5 : prenda); ++k) {
        s.txtBarras = u"$"_s + CodigoBarrasPrenda(idarreglo, u"%1.%2"_s.arg(idarreglo).arg(k));
        s.Command1_Click();
    }
}

} // namespace

void Simulacion::AsignarEscaneando(Puesto &, int idarreglo, int prenda, int trabajador)
{
    frmAsignarBArras s;
    s.CargarFormulario([&] {
        s.gridTrabajadores_Click(1 + trabajador % std::max(1, s.gridTrabajadores.Rows() - 1));
        Escanear(s, idarreglo, prenda);
    });
}

void Simulacion::RecibirEscaneando(Puesto &, int idarreglo, int prenda)
{
    frmEntradaPrendasBarras s;
    s.CargarFormulario([&] { Escanear(s, idarreglo, prenda); });
}

void Simulacion::SacarDinero(Puesto &q, int centimos)
{
    q.dialogos.pad = {Euros(centimos)};
    q.pantallas.enMenu = [](FRMoPCIONES &m) { m.cmdSacarDinero_Click(); };
    q.p->cmdVerOpciones_Click();
}

void Simulacion::CobrarTienda(Puesto &q, int fila, bool todaLaDeuda)
{
    frmPagosTiendas s;
    s.CargarFormulario([&] {
        s.cmbMeses.Elegir(0);
        s.cmbTienda.Elegir(1 + fila % std::max(1, s.cmbTienda.ListCount() - 1));
        s.cmdAceptar_Click();
        if (todaLaDeuda) {
            q.dialogos.siNo = {6, 6};
            s.cmdCancelarDeuda_Click();
        } else if (s.gridPagos.Rows() > 1) {
            q.dialogos.siNo = {6};
            s.gridPagos_DblClick(1 + fila % (s.gridPagos.Rows() - 1));
        }
    });
}

void Simulacion::PagarTrabajador(Puesto &, int fila)
{
    frmPagosATrabajadores s;
    s.CargarFormulario([&] {
        s.cmbEstado.Elegir(0);
        s.cmdTodos_Click();
        s.CompletarLista();
        if (s.gridPagos.Rows() > 3)
            s.gridPagos_DblClick(1 + fila % (s.gridPagos.Rows() - 3));
    });
}

void Simulacion::CopiaSeguridad(Puesto &)
{
    datosCopia_ = DatosDeLaTienda(Bd());
    const ResultadoCopia r = HacerCopiaSeguridad(Bd(), CarpetaCopias(), RelojPrograma().Ahora());
    if (r.ok)
        copiaPendiente_ = r.archivo;
    else
        Dlg().Mensaje(r.error);
}

void Simulacion::CierreCaja(Puesto &q)
{
    // Closed without printing the summary; the program then ends on this till.
    q.dialogos.siNo = {6, 6, 7};
    q.pantallas.enMenu = [](FRMoPCIONES &m) { m.cmdCierreCaja_Click(); };
    q.pantallas.terminado = false;
    q.p->cmdVerOpciones_Click();
    if (q.pantallas.terminado)
        q.p.reset();
}

void Simulacion::CortarConexion(Puesto &q)
{
    if (!EsServidor() || q.p->gridTPV.Rows() < 2)
        return;
    const QString pid = TextoDeValor(Bd().AbrirRecordset(u"select pg_backend_pid()"_s).Campo(0));
    q.dialogos.alElegirUsuario = [this, pid] {
        b_.conexion.Ejecutar(u"select pg_terminate_backend("_s + pid + u", 5000)"_s);
    };
    q.p->IdUsuarioVenta = 0;
    Acabar(q);
}

void Simulacion::PasarDia()
{
    const QDate manana = b_.reloj.Ahora().date().addDays(1);
    b_.reloj.Fijar(QDateTime(manana, QTime(9, 0, 0)));
}
