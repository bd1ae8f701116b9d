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

// The longest time the event loop went without a turn while the list filled: how long a touch
// on "Salir" or a scroll would have waited. A short timer notes when each of its turns comes.
class Hueco : public QObject
{
public:
    Hueco()
    {
        reloj_.setTimerType(Qt::PreciseTimer);
        reloj_.setInterval(2);
        QObject::connect(&reloj_, &QTimer::timeout, this, [this] {
            const qint64 ahora = Medida::AhoraNs();
            mayorNs = std::max(mayorNs, ahora - ultimaNs_);
            ultimaNs_ = ahora;
        });
    }
    void Empezar()
    {
        ultimaNs_ = Medida::AhoraNs();
        reloj_.start();
    }
    qint64 mayorNs = 0;

private:
    QTimer reloj_;
    qint64 ultimaNs_ = 0;
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
        Hueco hueco;
        QTimer::singleShot(0, vista.Boton(QStringLiteral("Ver todos los arreglos")), [&] {
            pintura.desdeNs = Medida::AhoraNs();
            hueco.Empezar();
            vista.Boton(QStringLiteral("Ver todos los arreglos"))->click();
        });
        espera.exec();
        // The grid is filled once the last rows are painted too.
        vista.tabla()->scrollToBottom();
        QApplication::processEvents();
        const qint64 finNs = Medida::AhoraNs();
        if (pintura.pintadaNs == 0 || completaNs == 0)
            return;
        std::printf("asignacion %.3f %.3f %.3f %.1f %d %.3f\n",
                    double(pintura.pintadaNs - pintura.desdeNs) / 1e6, double(finNs - pintura.desdeNs) / 1e6,
                    Medida::CpuMs() - cpuAntes, Medida::PicoMb(), vista.tabla()->model()->rowCount(),
                    double(hueco.mayorNs) / 1e6);
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
        if (t.value(0) == QLatin1String("asignacion") && t.size() >= 7) {
            r.primerasMs = t[1].toDouble();
            r.completaMs = t[2].toDouble();
            r.cpuMs = t[3].toDouble();
            r.picoMb = t[4].toDouble();
            r.filas = t[5].toLongLong();
            r.huecoMs = t[6].toDouble();
            return r;
        }
    }
    r.error = (salida + QString::fromUtf8(p.readAllStandardError())).simplified().left(300);
    return r;
}
