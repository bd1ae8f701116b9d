// hilvan-admin: creates a shop database and the configuration file that points at it.
#include "core/BaseDatos.h"
#include "core/Conexion.h"
#include "core/Configuracion.h"
#include "core/Programa.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

int Uso()
{
    std::fputs("Uso:\n"
               "  hilvan-admin init [--demo] [--config ARCHIVO] [--base ARCHIVO.db]\n"
               "      Crea una base de datos SQLite nueva y el archivo de configuración.\n"
               "  hilvan-admin init [--demo] [--config ARCHIVO] --servidor HOST[:PUERTO] BASEDATOS USUARIO CLAVE\n"
               "      Crea las tablas en una base de datos PostgreSQL existente y vacía.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() != QLatin1String("init"))
        return Uso();
    args.removeFirst();

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
        else if (a == QLatin1String("--servidor") && i + 4 < args.size())
            servidor = args.mid(i + 1, 4), i += 4;
        else
            return Uso();
    }
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
            std::fprintf(stderr, "La base de datos %s ya existe: no se toca.\n", qPrintable(c.ArchivoBaseDatos()));
            return 1;
        }
        QDir().mkpath(QFileInfo(config).absolutePath());
        Conexion conexion;
        AbrirSegunConfiguracion(conexion, c);
        CrearBaseDatos(conexion);
        if (demo)
            LlenarDemo(conexion, QDate::currentDate());
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
