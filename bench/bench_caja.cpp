// bench_caja: the cash and follow-up lists end to end, as the user waits for them: the form
// model's query and fill, the screen built and shown, scrolled to the last row and painted.
// Prints the median and the worst of several openings, in ms, for each configuration given.
#include "DialogosGuion.h"
#include "Medida.h"
#include "cash/frmHojaVenta.h"
#include "cash/frmListaCierres.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Consultas.h"
#include "core/Programa.h"
#include "ui/cash/frmHojaVentaVista.h"
#include "ui/cash/frmListaCierresVista.h"
#include "ui/common/Estilo.h"
#include "ui/workshop/frmAtrasadosVista.h"
#include "ui/workshop/frmPendientesPorTrabajadorVista.h"
#include "workshop/frmAtrasados.h"
#include "workshop/frmPendientesPorTrabajador.h"

#include <QApplication>
#include <QLocale>
#include <QTableView>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Repeticiones = 7;

// With false the form model alone is timed: its query and its grid.
bool conPantalla = true;

// Shows a screen as exec() would, down to its last row, then closes it.
void Mostrar(VistaListado &v)
{
    if (!conPantalla)
        return;
    v.show();
    QApplication::processEvents();
    v.Tabla()->scrollToBottom();
    v.Tabla()->viewport()->repaint();
    QApplication::processEvents();
    v.hide();
}

void Medir(const char *nombre, const std::function<int()> &abrir)
{
    int filas = 0;
    Medida::Muestra m[2];
    for (int pantalla = 0; pantalla < 2; ++pantalla) {
        conPantalla = pantalla == 1;
        filas = abrir(); // warm-up
        std::vector<Medida::Muestra> muestras;
        for (int i = 0; i < Repeticiones; ++i)
            muestras.push_back(Medida::Medir([&] { filas = abrir(); }));
        m[pantalla] = Medida::Mediana(muestras);
    }
    std::printf("  %-40s %6d %8.1f %8.1f %8.1f %8.1f\n", nombre, filas, m[0].ms, m[0].cpuMs, m[1].ms,
                m[1].cpuMs);
}

int Busiest(Conexion &c)
{
    Recordset rs = c.AbrirRecordset(QStringLiteral(
        "select idcosturera, count(*) as n from arreglos_detalles where idcosturera is not null and "
        "(listoparaentrega is null or listoparaentrega = 0) group by idcosturera order by n desc"));
    return rs.HayFilas() ? rs.Campo(0).toInt() : 1;
}

} // namespace

int main(int argc, char **argv)
{
    PrepararZonaHoraria();
    // The offscreen platform warns on every window shown.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Estilo::Aplicar();
    QStringList configs;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--config"))
            configs.append(args[++i]);
    if (configs.isEmpty()) {
        std::fprintf(stderr, "Uso: bench_caja --config FICHERO [--config FICHERO]\n");
        return 2;
    }
    DialogosGuion dialogos;
    for (const QString &ruta : configs) {
        Conexion c;
        G() = ValoresPrograma();
        G().dialogos = &dialogos;
        AbrirSegunConfiguracion(c, LeerConfiguracion(ruta));
        G().conexion = &c;
        G().EsSqlServer = c.EsSqlServer();
        const QString cierre = DimeUltimoCierre();
        const int costurera = Busiest(c);
        std::printf("%s (%s), medianas de %d aperturas, ms\n  %-40s %6s %8s %8s %8s %8s\n", qPrintable(ruta),
                    c.motor() == Motor::PostgreSQL ? "PostgreSQL" : "SQLite", Repeticiones, "", "filas",
                    "modelo", "CPU", "pantalla", "CPU");

        Medir("Histórico de cajas", [] {
            frmListaCierres l;
            l.Llenar();
            frmListaCierresVista v(l);
            Mostrar(v);
            return l.gridCierres.Rows() - 1;
        });
        Medir("Hoja de venta (caja actual)", [&] {
            frmHojaVenta h;
            h.Llenar(cierre);
            frmHojaVentaVista v(h);
            Mostrar(v);
            return h.gridHojaVenta.Rows() - 1;
        });
        for (int id : {frmPendientesPorTrabajador::Todos, costurera}) {
            const QByteArray nombre = id == frmPendientesPorTrabajador::Todos
                                          ? QByteArray("Pendiente por trabajador: Todos")
                                          : QByteArray("Pendiente por trabajador: uno");
            Medir(nombre.constData(), [id] {
                frmPendientesPorTrabajador p;
                p.CargarFormulario({});
                for (size_t i = 0; i < p.cmbTrabajadores.elementos.size(); ++i)
                    if (p.cmbTrabajadores.ItemData(int(i)) == id)
                        p.cmbTrabajadores.Elegir(int(i));
                p.cmdAceptar_Click();
                frmPendientesPorTrabajadorVista v(p);
                Mostrar(v);
                return p.gridListaArreglos.Rows() - 1;
            });
        }
        Medir("Arreglos atrasados (15 días)", [] {
            frmAtrasados a;
            a.CargarFormulario({});
            frmAtrasadosVista v(a);
            Mostrar(v);
            return a.gridAtrasados.Rows() - 1;
        });
        Medir("Arreglos atrasados (0 días)", [] {
            frmAtrasados a;
            a.CargarFormulario({});
            a.cmbMeses.Elegir(0);
            a.cmdVer_Click();
            frmAtrasadosVista v(a);
            Mostrar(v);
            return a.gridAtrasados.Rows() - 1;
        });
        G() = ValoresPrograma();
    }
    return 0;
}
