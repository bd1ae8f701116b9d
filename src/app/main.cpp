// hilvan: the counter program.
#include "capturas/Capturas.h"
#include "core/Configuracion.h"
#include "core/InstanciaUnica.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "counter/frmPrincipal.h"
#include "ui/common/Escala.h"
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
#include <cstdio>

int main(int argc, char **argv)
{
    PrepararZonaHoraria();
    QString capturas, config, tamano = QStringLiteral("1024x768");
    bool ventana = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--ventana") == 0)
            ventana = true;
        else if (i + 1 == argc)
            break;
        else if (qstrcmp(argv[i], "--capturas") == 0)
            capturas = QString::fromLocal8Bit(argv[i + 1]);
        else if (qstrcmp(argv[i], "--config") == 0)
            config = QString::fromLocal8Bit(argv[i + 1]);
        else if (qstrcmp(argv[i], "--tamano") == 0)
            tamano = QString::fromLocal8Bit(argv[i + 1]);
    }
    const QString rutaConfig = RutaConfiguracion(config);
    const QSize captura = Escala::LeerTamano(tamano);
    if (!capturas.isEmpty() && !captura.isValid()) {
        std::fprintf(stderr, "--tamano: escriba ANCHOxALTO, por ejemplo 1920x1080\n");
        return 2;
    }
    // The counter fills the screen it is given; a back-office PC may keep a window.
    ventana = capturas.isEmpty() && (ventana || LeerConfiguracion(rutaConfig).Ventana());
    Escala::PrepararPantalla(argc, argv, ventana, capturas.isEmpty() ? QSize() : captura);

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

    qInfo("Pantalla %dx%d, escala %.3f, %s", Escala::Lienzo().width(), Escala::Lienzo().height(),
          Escala::FactorElegido(), Escala::PantallaCompleta() ? "pantalla completa" : "ventana");
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
        if (Escala::PantallaCompleta()) {
            venta.setWindowFlag(Qt::FramelessWindowHint);
            venta.showFullScreen();
        } else {
            venta.resize(1024, 768);
            venta.show();
        }
    });
    app.setQuitOnLastWindowClosed(false);
    return app.exec();
}
