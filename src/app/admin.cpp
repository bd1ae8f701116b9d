// hilvan-admin: creates a shop database and the configuration file that points at it.
#include "OrdenesIntercambio.h"
#include "OrdenesTienda.h"
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "demo/Demo.h"
#include "demo/HistoriaTienda.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

int Uso()
{
    std::fputs(
        "Uso:\n"
        "  hilvan-admin init [--demo] [--config ARCHIVO] [--base ARCHIVO.db]\n"
        "      Crea una base de datos SQLite nueva y el archivo de configuración.\n"
        "  hilvan-admin init [--demo] [--config ARCHIVO] --servidor HOST[:PUERTO] BASEDATOS USUARIO CLAVE\n"
        "      Crea las tablas en una base de datos PostgreSQL existente y vacía.\n"
        "  hilvan-admin demo --orders N [--seed S] [--config ARCHIVO] (--base ARCHIVO.db | --servidor ...)\n"
        "      Como init, y llena la base de datos con la historia de una tienda de N arreglos\n"
        "      (150000 son unos diez años de trabajo). La misma semilla da los mismos datos.\n",
        stderr);
    std::fputs(UsoOrdenesTienda, stderr);
    std::fputs(UsoOrdenesIntercambio, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    PrepararZonaHoraria();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (const int codigo = OrdenTienda(args); codigo >= 0)
        return codigo == 2 ? Uso() : codigo;
    if (const int codigo = OrdenIntercambio(args); codigo >= 0)
        return codigo == 2 ? Uso() : codigo;
    if (args.isEmpty() || (args.first() != QLatin1String("init") && args.first() != QLatin1String("demo")))
        return Uso();
    const bool historia = args.first() == QLatin1String("demo");
    args.removeFirst();
    OpcionesHistoria opciones;
    opciones.arreglos = 0;
    opciones.hoy = QDate::currentDate();

    bool demo = false;
    QString config, base = QStringLiteral("hilvan.db");
    QStringList servidor;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--demo"))
            demo = true;
        else if (a == QLatin1String("--config") && i + 1 < args.size())
            config = args[++i];
        else if (a == QLatin1String("--base") && i + 1 < args.size())
            base = args[++i];
        else if (historia && a == QLatin1String("--orders") && i + 1 < args.size())
            opciones.arreglos = args[++i].toInt();
        else if (historia && a == QLatin1String("--seed") && i + 1 < args.size())
            opciones.semilla = args[++i].toUInt();
        else if (a == QLatin1String("--servidor") && i + 4 < args.size())
            servidor = args.mid(i + 1, 4), i += 4;
        else
            return Uso();
    }
    if (historia && opciones.arreglos <= 0)
        return Uso();
    config = RutaConfiguracion(config);

    QStringList lineas;
    if (servidor.isEmpty())
        lineas = {base, QString(), QString(), QString(), QString()};
    else
        lineas = QStringList{QString()} + servidor;

    try {
        Configuracion c;
        c.ruta = config;
        c.existe = true;
        c.lineas = lineas;
        if (servidor.isEmpty() && QFileInfo::exists(c.ArchivoBaseDatos())) {
            std::fprintf(stderr, "La base de datos %s ya existe: no se toca.\n",
                         qPrintable(c.ArchivoBaseDatos()));
            return 1;
        }
        QDir().mkpath(QFileInfo(config).absolutePath());
        Conexion conexion;
        AbrirSegunConfiguracion(conexion, c, true);
        CrearBaseDatos(conexion);
        if (historia) {
            QElapsedTimer reloj;
            reloj.start();
            const ResumenHistoria r = GenerarHistoria(conexion, opciones);
            std::printf(
                "%lld arreglos, %lld líneas, %lld clientes (%lld tiendas), %lld movimientos de caja en "
                "%d días, del %s al %s: %.1f s\n",
                r.arreglos, r.lineas, r.clientes, r.tiendas, r.movimientos, r.dias,
                qPrintable(r.primerDia.toString(QStringLiteral("dd/MM/yyyy"))),
                qPrintable(r.ultimoDia.toString(QStringLiteral("dd/MM/yyyy"))), reloj.elapsed() / 1000.0);
        } else if (demo) {
            LlenarDemo(conexion, QDate::currentDate());
        } else {
            SembrarMerceria(conexion);
        }
        conexion.Cerrar();
        EscribirConfiguracion(config, lineas);
        std::printf("Base de datos creada. Configuración: %s\n", qPrintable(config));
    } catch (const ErrorBaseDatos &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Mensaje()));
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
