// hilvan: the counter program.
#include "capturas/Capturas.h"
#include "core/Configuracion.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "counter/frmPrincipal.h"
#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"
#include "ui/common/PantallasQt.h"
#include "ui/counter/frmInicioVista.h"
#include "ui/counter/frmPrincipalVista.h"
#include "ui/dialogs/DialogosQt.h"
#include "ui/printing/SalidaListadosImpresora.h"
#include "ui/printing/SalidaTicketsPantalla.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char **argv)
{
    PrepararZonaHoraria();
    QString capturas, config;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--capturas") == 0)
            capturas = QString::fromLocal8Bit(argv[i + 1]);
        else if (qstrcmp(argv[i], "--config") == 0)
            config = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (!capturas.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("hilvan")));
    QGuiApplication::setDesktopFileName(QStringLiteral("hilvan"));
    // Month and day names in Spanish; numbers are never formatted through the locale.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Qt's own windows (print preview, printer choice) in Spanish too.
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduccionQt);
    Estilo::Aplicar();

    if (!capturas.isEmpty())
        return HacerCapturas(capturas);

    Registro::Iniciar();
    DialogosQt dialogos;
    PantallasQt pantallas;
    G().dialogos = &dialogos;
    G().pantallas = &pantallas;

    const QString rutaConfig = RutaConfiguracion(config);
    InstanciaUnica instancia(LeerConfiguracion(rutaConfig));
    if (!instancia.Tomar()) {
        dialogos.Mensaje(instancia.Motivo());
        return 1;
    }

    frmPrincipal principal;
    frmInicioVista splash(principal.inicio);
    principal.inicio.Repintar = [&splash] { splash.Repintar(); };
    splash.show();
    splash.Repintar();

    bool arrancado = false;
    Evento::Proteger([&] { arrancado = principal.CargarFormulario(rutaConfig); });
    if (!arrancado)
        return 1;

    frmPrincipalVista venta(principal);
    dialogos.FijarPadre(&venta);
    // Port 0 shows each ticket on screen; otherwise the serial, USB or network printer.
    const auto salidaTickets = CrearSalidaTickets(&venta);
    G().salidaTickets = salidaTickets.get();
    SalidaListadosImpresora salidaListados(&venta);
    G().salidaListados = &salidaListados;
    QTimer::singleShot(2000, &app, [&] {
        splash.close();
        venta.showMaximized();
    });
    app.setQuitOnLastWindowClosed(false);
    return app.exec();
}
