#include "OrdenesTienda.h"

#include "cash/CopiaSeguridad.h"
#include "cash/RegistroOperaciones.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Parametros.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "core/Reloj.h"
#include "menu/ClavePropietario.h"
#include "printing/DecodificadorTicket.h"
#include "printing/DireccionImpresora.h"
#include "printing/SalidaMemoria.h"
#include "printing/TicketPrueba.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

const char *const UsoOrdenesTienda =
    "  hilvan-admin copia [--config ARCHIVO]\n"
    "      Hace una copia de seguridad comprobada en la carpeta copiasseguridad (para cron).\n"
    "  hilvan-admin restaurar [--config ARCHIVO] COPIA\n"
    "      Vuelve a poner una copia; antes guarda la base de datos actual como otra copia.\n"
    "      El programa tiene que estar cerrado en todos los mostradores.\n"
    "  hilvan-admin restaurar --probar [--config ARCHIVO] COPIA\n"
    "      Simulacro: pone la copia en una base de datos de prueba y la compara tabla por tabla,\n"
    "      sin tocar la de la tienda.\n"
    "  hilvan-admin actualizar [--config ARCHIVO]\n"
    "      Pone la base de datos al día con esta versión del programa (antes hace una copia).\n"
    "  hilvan-admin pin [--config ARCHIVO] [--quitar | --olvidado]\n"
    "      Pone o cambia el PIN del propietario (de 4 a 8 cifras, leído dos veces de la entrada,\n"
    "      sin verse en la pantalla) y da su código de recuperación, o lo quita con --quitar;\n"
    "      con un PIN puesto, pide antes el actual. Con --olvidado pide en su lugar el código de\n"
    "      recuperación y pone un PIN nuevo.\n"
    "  hilvan-admin prueba-impresora [--config ARCHIVO] [--impresora COMn|/dev/...|tcp://HOST[:PUERTO]]\n"
    "      Imprime un ticket de prueba en la impresora de los parámetros (o en la indicada).\n"
    "  hilvan-admin leer-ticket ARCHIVO\n"
    "      Muestra como texto lo que imprimiría una impresora con los bytes del archivo.\n";

namespace {

void Escribir(FILE *f, const QString &texto)
{
    std::fputs(qPrintable(texto + QLatin1Char('\n')), f);
}

void MostrarTicket(const QByteArray &bytes)
{
    for (const LineaImpresa &l : DecodificarTicket(bytes)) {
        switch (l.tipo) {
        case LineaImpresa::Texto: {
            QString marcas;
            if (l.rojo)
                marcas += QStringLiteral(" [rojo]");
            if (l.dobleAlto && l.dobleAncho)
                marcas += QStringLiteral(" [doble tamaño]");
            else if (l.dobleAlto)
                marcas += QStringLiteral(" [doble alto]");
            else if (l.dobleAncho)
                marcas += QStringLiteral(" [doble ancho]");
            Escribir(stdout, QStringLiteral("|") + l.texto + QStringLiteral("|") + marcas);
            break;
        }
        case LineaImpresa::CodigoBarras:
            Escribir(stdout, QString::fromUtf8("[código de barras EAN-13 %1]").arg(l.texto));
            break;
        case LineaImpresa::Corte:
            Escribir(stdout, QStringLiteral("[corte del papel]"));
            break;
        case LineaImpresa::Cajon:
            Escribir(stdout, QString::fromUtf8("[apertura del cajón]"));
            break;
        }
    }
}

// The printer named on the command line, in the same words as the parameters screen's choices.
bool LeerImpresora(const QString &texto, DireccionImpresora &d)
{
    if (texto.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) {
        bool ok = false;
        const int n = texto.mid(3).toInt(&ok);
        if (!ok || n < 1)
            return false;
        const QString ajustes =
            d.tipo == DireccionImpresora::Serie ? d.ajustes : QStringLiteral("9600,n,8,1");
        d = DireccionImpresora::Leer(QString::number(n), ajustes);
        return true;
    }
    d = DireccionImpresora::Leer(QStringLiteral("0"), texto);
    return d.tipo != DireccionImpresora::Pantalla;
}

int PruebaImpresora(const QString &impresora)
{
    ValoresPrograma &g = G();
    if (!LeerParametros(g))
        Escribir(stderr,
                 QString::fromUtf8("Aviso: la tienda no tiene parámetros; el ticket sale sin cabecera."));
    if (g.AnchuraTicket == 0)
        g.AnchuraTicket = 40;
    DireccionImpresora d = DireccionImpresora::Leer(g.puertocom, g.parametrospuerto);
    if (!impresora.isEmpty() && !LeerImpresora(impresora, d)) {
        Escribir(stderr,
                 QString::fromUtf8("No entiendo la impresora %1: escriba COMn, la ruta del dispositivo "
                                   "(/dev/usb/lp0) o tcp://HOST[:PUERTO].")
                     .arg(impresora));
        return 2;
    }
    if (d.tipo == DireccionImpresora::Pantalla) {
        SalidaMemoria memoria;
        g.salidaTickets = &memoria;
        ImprimirTicketPrueba();
        g.salidaTickets = nullptr;
        Escribir(stdout, QString::fromUtf8(
                             "La impresora de los parámetros es la vista previa en pantalla (puerto 0). "
                             "Así saldría el ticket de prueba:"));
        MostrarTicket(memoria.Bytes());
        return 0;
    }
    auto salida = CrearSalidaImpresora(d);
    g.salidaTickets = salida.get();
    ImprimirTicketPrueba();
    g.salidaTickets = nullptr;
    if (salida->LineasPerdidas() == 0) {
        Escribir(stdout, QString::fromUtf8("La impresora (%1) aceptó el ticket de prueba: %2 bytes.")
                             .arg(d.Descripcion())
                             .arg(salida->BytesAceptados()));
        return 0;
    }
    Escribir(stdout, QString::fromUtf8(
                         "La impresora (%1) no aceptó %2 líneas del ticket de prueba (aceptó %3 bytes). "
                         "Compruebe que está encendida, con papel y conectada, y la dirección en "
                         "Parámetros configuración.")
                         .arg(d.Descripcion())
                         .arg(salida->LineasPerdidas())
                         .arg(salida->BytesAceptados()));
    return 1;
}

// A line typed on the terminal without showing it; any other standard input is read as it is.
QString LeerSinEco(const char *pregunta)
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios antes{};
    if (terminal) {
        std::fputs(pregunta, stderr);
        ::tcgetattr(STDIN_FILENO, &antes);
        termios sinEco = antes;
        sinEco.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &sinEco);
    }
    char linea[64] = {};
    const bool leida = std::fgets(linea, sizeof linea, stdin) != nullptr;
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &antes);
        std::fputs("\n", stderr);
    }
    return leida ? QString::fromUtf8(linea).trimmed() : QString();
}

// Changing or removing a set PIN takes the current one (counted with the keypad's wrong tries),
// or, for a forgotten one, the recovery code handed out with it.
int PonerPin(bool quitar, bool olvidado)
{
    const QString quien = QStringLiteral("hilvan-admin");
    const bool puesto = !ClavePropietario::Guardado().isEmpty();
    if (olvidado) {
        if (!puesto) {
            Escribir(stderr, QString::fromUtf8("No hay ningún PIN puesto."));
            return 1;
        }
        if (!ClavePropietario::TieneCodigoRecuperacion()) {
            Escribir(stderr, QString::fromUtf8("Este PIN se puso sin código de recuperación (con una versión "
                                               "anterior del programa). No se ha cambiado nada."));
            return 1;
        }
        if (!ClavePropietario::CodigoBueno(LeerSinEco("Código de recuperación: "))) {
            Escribir(stderr, QString::fromUtf8("El código de recuperación no es el bueno. No se ha "
                                               "cambiado nada."));
            return 1;
        }
    } else if (puesto) {
        QString aviso = ClavePropietario::AvisoBloqueo();
        const QString actual = aviso.isEmpty() ? LeerSinEco("PIN actual: ") : QString();
        if (aviso.isEmpty() && actual.isEmpty())
            aviso = QStringLiteral("Falta el PIN actual.");
        if (!aviso.isEmpty() || !ClavePropietario::Comprobar(actual, aviso, quien)) {
            Escribir(stderr, aviso + QString::fromUtf8(" No se ha cambiado nada."));
            return 1;
        }
    }
    if (quitar) {
        ClavePropietario::Guardar(QString(), quien);
        Escribir(stdout, QStringLiteral("PIN del propietario quitado."));
        return 0;
    }
    const QString pin = LeerSinEco("PIN nuevo (de 4 a 8 cifras): ");
    if (!ClavePropietario::Valido(pin)) {
        Escribir(stderr, QString::fromUtf8("El PIN debe tener de 4 a 8 cifras. No se ha cambiado nada."));
        return 1;
    }
    if (LeerSinEco("Repita el PIN: ") != pin) {
        Escribir(stderr, QString::fromUtf8("Los dos PIN no coinciden. No se ha cambiado nada."));
        return 1;
    }
    const QString codigo =
        ClavePropietario::Guardar(pin, quien, olvidado ? Operacion::PinRecuperado : Operacion::PinPuesto);
    Escribir(stdout, QStringLiteral("PIN del propietario guardado.\n")
                         + ClavePropietario::TextoCodigo(codigo).replace(QStringLiteral("\r\n"),
                                                                         QStringLiteral("\n")));
    return 0;
}

// restaurar --probar: the shop's database is not opened at all (a server's only to make and drop
// the scratch database beside it).
int Simulacro(const Configuracion &c, const QString &archivo)
{
    try {
        Conexion conexion;
        if (c.UsaServidor())
            conexion.AbrirPostgreSQL(c.Servidor());
        const PruebaCopia p = ProbarCopia(conexion, c.UsaServidor(), archivo);
        if (!p.como.isEmpty())
            Escribir(stdout, QString::fromUtf8("Copia %1 puesta %2:").arg(archivo, p.como));
        for (const QString &t : p.tablas)
            Escribir(stdout, QStringLiteral("  ") + t);
        if (!p.ok) {
            Escribir(stderr, p.error);
            return 1;
        }
        Escribir(stdout,
                 QString::fromUtf8("La copia se puede restaurar: tiene las mismas filas en cada tabla "
                                   "y abre con esta versión del programa. La base de datos de la "
                                   "tienda no se ha tocado."));
        return 0;
    } catch (const ErrorBaseDatos &e) {
        Escribir(stderr, e.Mensaje());
        return 1;
    }
}

} // namespace

int OrdenTienda(const QStringList &argumentos)
{
    QStringList args = argumentos;
    const QString orden = args.value(0);
    const QStringList ordenes = {
        QStringLiteral("copia"), QStringLiteral("restaurar"),        QStringLiteral("actualizar"),
        QStringLiteral("pin"),   QStringLiteral("prueba-impresora"), QStringLiteral("leer-ticket")};
    if (!ordenes.contains(orden))
        return -1;
    args.removeFirst();
    QString config, impresora, archivo;
    bool quitar = false, probar = false, olvidado = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--config") && i + 1 < args.size())
            config = args[++i];
        else if (orden == QLatin1String("restaurar") && args[i] == QLatin1String("--probar"))
            probar = true;
        else if (orden == QLatin1String("pin") && args[i] == QLatin1String("--quitar") && !olvidado)
            quitar = true;
        else if (orden == QLatin1String("pin") && args[i] == QLatin1String("--olvidado") && !quitar)
            olvidado = true;
        else if (orden == QLatin1String("prueba-impresora") && args[i] == QLatin1String("--impresora")
                 && i + 1 < args.size())
            impresora = args[++i];
        else if ((orden == QLatin1String("restaurar") || orden == QLatin1String("leer-ticket"))
                 && archivo.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            archivo = args[i];
        else
            return 2;
    }
    if (orden == QLatin1String("leer-ticket")) {
        QFile f(archivo);
        if (archivo.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            Escribir(stderr, QString::fromUtf8("No se puede leer el archivo %1.").arg(archivo));
            return 1;
        }
        MostrarTicket(f.readAll());
        return 0;
    }
    if (orden == QLatin1String("restaurar") && archivo.isEmpty())
        return 2;

    const Configuracion c = LeerConfiguracion(RutaConfiguracion(config));
    if (!c.existe || c.vacio) {
        Escribir(stderr,
                 QString::fromUtf8("Falta el archivo de configuración %1 (o está vacío).").arg(c.ruta));
        return 1;
    }
    if (orden != QLatin1String("prueba-impresora")) {
        // The database's and the tools' own words go to the support log; the person at the
        // terminal reads the Spanish message.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        Registro::Iniciar();
    }
    if (probar)
        return Simulacro(c, QFileInfo(archivo).absoluteFilePath());
    try {
        Conexion conexion;
        QString copiaAntes;
        const QStringList pasos = AbrirSegunConfiguracion(
            conexion, c, false, [&] { copiaAntes = CopiaAntesDeActualizar(conexion); });
        if (orden == QLatin1String("actualizar")) {
            for (const QString &paso : pasos)
                Escribir(stdout, paso);
            Escribir(stdout,
                     pasos.isEmpty()
                         ? QString::fromUtf8("La base de datos ya está al día (versión %1 de datos).")
                               .arg(VersionEsquemaPrograma())
                         : QString::fromUtf8("La base de datos está en la versión %1 de datos. Antes se "
                                             "hizo una copia de seguridad comprobada: %2")
                               .arg(VersionEsquemaPrograma())
                               .arg(copiaAntes));
        } else if (!pasos.isEmpty()) {
            Escribir(stdout, TextoActualizada(pasos, copiaAntes));
        }
        const QDateTime ahora = RelojPrograma().Ahora();
        int codigo = 0;
        if (orden == QLatin1String("copia")) {
            const ResultadoCopia r = HacerCopiaSeguridad(conexion, CarpetaCopias(), ahora);
            if (r.ok)
                Escribir(stdout, QStringLiteral("Copia de seguridad realizada: ") + r.archivo);
            else
                Escribir(stderr, r.error);
            codigo = r.ok ? 0 : 1;
        } else if (orden == QLatin1String("restaurar")) {
            const ResultadoCopia r =
                RestaurarCopia(conexion, QFileInfo(archivo).absoluteFilePath(), CarpetaCopias(), ahora);
            if (r.ok)
                Escribir(stdout, QString::fromUtf8(
                                     "Copia %1 restaurada. La base de datos anterior está guardada en %2.")
                                     .arg(r.archivo, r.apartada));
            else
                Escribir(stderr, r.error);
            codigo = r.ok ? 0 : 1;
        } else if (orden == QLatin1String("pin")) {
            codigo = PonerPin(quitar, olvidado);
        } else if (orden == QLatin1String("prueba-impresora")) {
            codigo = PruebaImpresora(impresora);
        }
        conexion.Cerrar();
        G().conexion = nullptr;
        return codigo;
    } catch (const ErrorBaseDatos &e) {
        G().conexion = nullptr;
        Escribir(stderr, e.Mensaje());
        return 1;
    }
}
