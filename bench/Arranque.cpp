#include "Arranque.h"

#include "DialogosGuion.h"
#include "Medida.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "ui/common/Estilo.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmInicioVista.h"
#include "ui/counter/frmPrincipalVista.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <cstdio>

int ArranqueHijo(int argc, char **argv, const QString &config, qint64 lanzadoNs, bool nuevaCaja)
{
    // The same steps as the program's main(), with scripted answers instead of windows.
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Estilo::Aplicar();

    DialogosGuion dialogos;
    dialogos.siNo = {nuevaCaja ? 6 : 7};
    dialogos.pad = {QStringLiteral("100")};
    PantallasQt pantallas;
    G().dialogos = &dialogos;
    G().pantallas = &pantallas;

    frmPrincipal principal;
    frmInicioVista splash(principal.inicio);
    principal.inicio.Repintar = [&splash] { splash.Repintar(); };
    splash.show();
    splash.Repintar();
    if (!principal.CargarFormulario(config)) {
        std::printf("error %s\n", qPrintable(dialogos.mensajes.join(QLatin1Char(' ')).simplified()));
        return 1;
    }
    frmPrincipalVista venta(principal);
    splash.close();
    venta.show();
    QApplication::processEvents();
    const double ms = double(Medida::AhoraNs() - lanzadoNs) / 1e6;
    std::printf("arranque %.3f %.3f %.1f %lld\n", ms, Medida::CpuMs(), Medida::PicoMb(),
                qlonglong(dialogos.preguntas.size()));
    std::fflush(stdout);
    G().dialogos = nullptr;
    G().pantallas = nullptr;
    return 0;
}

ResultadoArranque LanzarArranque(const QString &config, bool nuevaCaja)
{
    ResultadoArranque r;
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    if (!entorno.contains(QStringLiteral("QT_QPA_PLATFORM")))
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(entorno);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 lanzado = Medida::AhoraNs();
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--arranque-hijo"), config, QString::number(lanzado),
             nuevaCaja ? QStringLiteral("si") : QStringLiteral("no")});
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.error = QStringLiteral("el arranque no terminó en dos minutos");
        return r;
    }
    const QString salida = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString &linea : salida.split(QLatin1Char('\n'))) {
        const QStringList t = linea.split(QLatin1Char(' '));
        if (t.value(0) == QLatin1String("arranque") && t.size() >= 5) {
            r.ms = t[1].toDouble();
            r.cpuMs = t[2].toDouble();
            r.picoMb = t[3].toDouble();
            r.preguntas = t[4].toInt();
            return r;
        }
    }
    r.error = (salida + QString::fromUtf8(p.readAllStandardError())).simplified().left(300);
    return r;
}
