#include "frmImportar.h"

#include "core/Conexion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/Parametros.h"
#include "core/Programa.h"
#include "intercambio/OrigenImportacion.h"
#include "printing/ImprimirListado.h"

#include <QFileInfo>
#include <atomic>
#include <mutex>
#include <thread>

struct frmImportar::Trabajo {
    std::mutex mutex;
    AvanceImportar avance;
    std::atomic<bool> cancelar = false, terminado = false;
    ResultadoImportar resultado;
    std::thread hilo;
};

namespace {

const char *const Cancelada = "Importación cancelada: la base de datos queda como estaba.";

} // namespace

frmImportar::frmImportar() = default;

frmImportar::~frmImportar()
{
    if (trabajo_ && trabajo_->hilo.joinable()) {
        trabajo_->cancelar = true;
        trabajo_->hilo.join();
    }
}

QString frmImportar::SqlTiendaVacia()
{
    // Asked at every start-up: one row of each table is enough to know, however large the shop.
    return QStringLiteral("(select count(*) from (select 1 as x from arreglos limit 1) a) + (select count(*) "
                          "from (select 1 as x from clientes limit 1) c)");
}

bool frmImportar::TiendaVacia()
{
    return NumeroDeValor(
               AbrirRecordset(QStringLiteral("select ") + SqlTiendaVacia() + QStringLiteral(" as n"))
                   .Campo(0))
           == 0;
}

void frmImportar::CargarFormulario(const std::function<void()> &mostrar)
{
    lblExplicacion = QString::fromUtf8(
        "Elija la base de datos del programa anterior (archivo .mdb o .accdb) o una carpeta con sus tablas "
        "en "
        "archivos CSV. Se traen los arreglos, los clientes, la caja, los trabajadores y los parámetros; el "
        "archivo no se modifica.");
    gridComprobaciones = Grid(1, 4);
    const QString cabeceras[] = {QString::fromUtf8("Comprobación"), QStringLiteral("Origen"),
                                 QStringLiteral("Base de datos"), QStringLiteral("Resultado")};
    const int anchos[] = {5600, 2300, 2300, 3200};
    for (int c = 0; c < 4; ++c) {
        gridComprobaciones.SetTextMatrix(0, c, cabeceras[c]);
        gridComprobaciones.SetColWidth(c, anchos[c]);
        gridComprobaciones.SetColAlignment(c, c == 1 || c == 2 ? Alineacion::Derecha : Alineacion::Izquierda);
    }
    Abierto = true;
    if (mostrar)
        mostrar();
    Abierto = false;
}

void frmImportar::ElegirOrigen(const QString &ruta)
{
    if (ruta.isEmpty() || Importando())
        return;
    txtOrigen = ruta;
    cmdImportarEnabled = !Importado;
}

bool frmImportar::Importando() const
{
    return trabajo_ && !trabajo_->terminado;
}

void frmImportar::cmdImportar_Click()
{
    if (txtOrigen.isEmpty() || Importando() || Importado)
        return;
    if (trabajo_ && trabajo_->hilo.joinable())
        trabajo_->hilo.join();
    trabajo_ = std::make_unique<Trabajo>();
    gridComprobaciones.Dimensionar(1, 4);
    lblResultado.clear();
    lblTabla = QString::fromUtf8("Leyendo ") + QFileInfo(txtOrigen).fileName();
    barProgreso = 0;
    cmdElegirEnabled = cmdImportarEnabled = cmdImprimirEnabled = cmdSalirEnabled = false;
    cmdCancelarEnabled = true;
    OpcionesImportar o;
    o.origen = txtOrigen;
    Trabajo *t = trabajo_.get();
    o.progreso = [t](const AvanceImportar &a) {
        {
            std::lock_guard bloqueo(t->mutex);
            t->avance = a;
        }
        if (t->cancelar)
            throw ErrorIntercambio(QString::fromUtf8(Cancelada));
    };
    t->hilo = std::thread([t, o, apertura = G().conexion->DimeApertura()] {
        ResultadoImportar r;
        try {
            Conexion propia;
            propia.Abrir(apertura);
            r = Importar(propia, o);
            propia.Cerrar();
        } catch (const ErrorBaseDatos &e) {
            r.ok = false;
            r.error = e.Mensaje();
        }
        std::lock_guard bloqueo(t->mutex);
        t->resultado = std::move(r);
        t->terminado = true;
    });
}

void frmImportar::tmrProgreso_Timer()
{
    if (!trabajo_ || cmdSalirEnabled)
        return;
    if (!trabajo_->terminado) {
        std::lock_guard bloqueo(trabajo_->mutex);
        const AvanceImportar &a = trabajo_->avance;
        if (a.tabla.isEmpty() && a.parte > 0) {
            lblTabla = QString::fromUtf8("Comprobando lo importado con el origen");
            barProgreso = -1;
        } else if (!a.tabla.isEmpty()) {
            lblTabla = a.parte < 0.5 ? QStringLiteral("Leyendo %1").arg(a.tabla)
                                     : QString::fromUtf8("Guardando %1: %2 de %3 filas")
                                           .arg(a.tabla)
                                           .arg(a.guardadas)
                                           .arg(a.total);
            barProgreso = int(a.parte * 1000);
        }
        return;
    }
    trabajo_->hilo.join();
    MostrarResultado(trabajo_->resultado);
}

void frmImportar::MostrarResultado(const ResultadoImportar &r)
{
    cmdCancelarEnabled = false;
    cmdSalirEnabled = true;
    gridComprobaciones.Dimensionar(1, 4);
    for (const Comprobacion &c : r.comprobaciones) {
        const int f = gridComprobaciones.AgregarFila(
            {c.que, c.origen, c.base,
             (c.Bien() ? QStringLiteral("bien") : QStringLiteral("NO COINCIDE"))
                 + (c.nota.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(c.nota))});
        if (!c.Bien())
            gridComprobaciones.SetCellFontBold(f, 3, true);
    }
    cmdImprimirEnabled = gridComprobaciones.Rows() > 1;
    if (!r.ok) {
        lblTabla.clear();
        barProgreso = 0;
        lblResultado = r.error;
        cmdElegirEnabled = cmdImportarEnabled = true;
        return;
    }
    Importado = true;
    cmdElegirEnabled = cmdImportarEnabled = false;
    lblTabla = QString::fromUtf8("Terminado");
    barProgreso = 1000;
    lblResultado =
        QString::fromUtf8("Datos importados: %1 arreglos y %2 clientes. Los tiques de prenda que "
                          "imprimió el programa anterior se siguen leyendo con el lector: los números "
                          "de arreglo son los mismos.")
            .arg(NuloACero(AbrirRecordset(QStringLiteral("select count(*) from arreglos")).Campo(0)),
                 NuloACero(AbrirRecordset(QStringLiteral("select count(*) from clientes")).Campo(0)));
    // The shop's name, address and ticket lines are now the old program's.
    LeerParametros(G());
}

void frmImportar::cmdCancelar_Click()
{
    if (!Importando())
        return;
    trabajo_->cancelar = true;
    cmdCancelarEnabled = false;
    lblTabla = QString::fromUtf8("Cancelando...");
}

void frmImportar::cmdImprimir_Click()
{
    if (gridComprobaciones.Rows() > 1)
        ImprimirListado(gridComprobaciones, QString::fromUtf8("Comprobaciones de la importación"), false);
}

void frmImportar::cmdSalir_Click()
{
    // Leaving halfway would leave the import running behind a closed window: it is cancelled first.
    if (Importando())
        return cmdCancelar_Click();
    Abierto = false;
}

void frmImportar::Form_KeyPress(int tecla)
{
    if (tecla == 27)
        cmdSalir_Click();
}
