#include "PantallaAsignacion.h"

#include "DialogosGuion.h"
#include "Medida.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "ui/common/Estilo.h"
#include "ui/workshop/frmAsigancionVista.h"
#include "workshop/frmAsigancion.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cstdio>

namespace {

// Notes the first paint of the list's rows after the touch.
class PrimeraPintura : public QObject
{
public:
    explicit PrimeraPintura(QTableView *t) : tabla_(t) {}
    qint64 desdeNs = 0;
    qint64 pintadaNs = 0;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && desdeNs != 0 && pintadaNs == 0 && tabla_->model()->rowCount() > 0)
            pintadaNs = Medida::AhoraNs();
        return QObject::eventFilter(o, e);
    }

private:
    QTableView *tabla_;
};

} // namespace

int PantallaAsignacionHijo(int argc, char **argv, const QString &config)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Estilo::Aplicar();
    DialogosGuion dialogos;
    G().dialogos = &dialogos;
    Conexion c;
    AbrirSegunConfiguracion(c, LeerConfiguracion(config));

    frmAsigancion asignacion;
    int estado = 1;
    asignacion.CargarFormulario([&] {
        frmAsigancionVista vista(asignacion);
        vista.resize(1024, 768);
        vista.show();
        QApplication::processEvents();
        PrimeraPintura pintura(vista.tabla());
        vista.tabla()->viewport()->installEventFilter(&pintura);
        QEventLoop espera;
        qint64 completaNs = 0;
        QObject::connect(&vista, &frmAsigancionVista::ListaCompleta, &espera, [&] {
            completaNs = Medida::AhoraNs();
            espera.quit();
        });
        Medida::ReiniciarPico();
        const double cpuAntes = Medida::CpuMs();
        pintura.desdeNs = Medida::AhoraNs();
        QTimer::singleShot(0, vista.Boton(QStringLiteral("Ver todos los arreglos")), &QPushButton::click);
        espera.exec();
        // The grid is filled once the last rows are painted too.
        vista.tabla()->scrollToBottom();
        QApplication::processEvents();
        const qint64 finNs = Medida::AhoraNs();
        if (pintura.pintadaNs == 0 || completaNs == 0)
            return;
        std::printf("asignacion %.3f %.3f %.3f %.1f %d\n", double(pintura.pintadaNs - pintura.desdeNs) / 1e6,
                    double(finNs - pintura.desdeNs) / 1e6, Medida::CpuMs() - cpuAntes, Medida::PicoMb(),
                    vista.tabla()->model()->rowCount());
        std::fflush(stdout);
        estado = 0;
    });
    G().dialogos = nullptr;
    return estado;
}

ResultadoPantalla LanzarPantallaAsignacion(const QString &config)
{
    ResultadoPantalla r;
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    if (!entorno.contains(QStringLiteral("QT_QPA_PLATFORM")))
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(entorno);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--asignacion-hijo"), config});
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        r.error = QStringLiteral("la lista no terminó en cinco minutos");
        return r;
    }
    const QString salida = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString &linea : salida.split(QLatin1Char('\n'))) {
        const QStringList t = linea.split(QLatin1Char(' '));
        if (t.value(0) == QLatin1String("asignacion") && t.size() >= 6) {
            r.primerasMs = t[1].toDouble();
            r.completaMs = t[2].toDouble();
            r.cpuMs = t[3].toDouble();
            r.picoMb = t[4].toDouble();
            r.filas = t[5].toLongLong();
            return r;
        }
    }
    r.error = (salida + QString::fromUtf8(p.readAllStandardError())).simplified().left(300);
    return r;
}
