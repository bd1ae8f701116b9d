#include "OrdenesIntercambio.h"

#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "intercambio/Exportar.h"
#include "intercambio/Importar.h"
#include "intercambio/OrigenImportacion.h"

#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <unistd.h>

const char *const UsoOrdenesIntercambio =
    "  hilvan-admin importar ORIGEN [--config ARCHIVO] [--omitir-erroneas [--informe ARCHIVO]]\n"
    "      Pasa los datos del programa anterior (archivo .mdb/.accdb o carpeta de CSV) a una base de\n"
    "      datos recién creada con init. Con --omitir-erroneas las filas que no se pueden tomar van al\n"
    "      informe (filas-omitidas.csv) y la importación sigue.\n"
    "  hilvan-admin exportar CARPETA [--config ARCHIVO]\n"
    "      Escribe cada tabla como CSV en la carpeta, tal como importar los lee.\n";

namespace {

void Escribir(FILE *f, const QString &texto)
{
    std::fputs(qPrintable(texto), f);
}

// One line per table that fills as it goes, with the rate; a pipe or a log gets only the end.
class BarraProgreso
{
public:
    void operator()(const QString &tabla, qint64 hechas, qint64 total)
    {
        if (tabla != tabla_) {
            tabla_ = tabla;
            reloj_.start();
            ultimo_ = -1000;
            terminada_ = false;
        }
        const bool final = hechas >= total;
        if (terminada_ || (!final && (!terminal_ || reloj_.elapsed() - ultimo_ < 100)))
            return;
        terminada_ = final;
        ultimo_ = reloj_.elapsed();
        const double segundos = std::max(0.001, reloj_.elapsed() / 1000.0);
        const int lleno = total > 0 ? int(30 * hechas / total) : 30;
        const QString linea = QStringLiteral("%1 [%2%3] %4 de %5  %6 filas/s")
                                  .arg(tabla.leftJustified(18))
                                  .arg(QString(lleno, QLatin1Char('#')))
                                  .arg(QString(30 - lleno, QLatin1Char('.')))
                                  .arg(hechas, 7)
                                  .arg(total)
                                  .arg(qint64(hechas / segundos));
        Escribir(stderr, (terminal_ ? QStringLiteral("\r") : QString()) + linea
                             + (final ? QStringLiteral("\n") : QString()));
        std::fflush(stderr);
    }

private:
    bool terminal_ = isatty(2);
    QString tabla_;
    QElapsedTimer reloj_;
    qint64 ultimo_ = 0;
    bool terminada_ = false;
};

} // namespace

int OrdenIntercambio(const QStringList &argumentos)
{
    const QString orden = argumentos.value(0);
    if (orden != QLatin1String("importar") && orden != QLatin1String("exportar"))
        return -1;
    const bool importar = orden == QLatin1String("importar");
    QString config, ruta;
    OpcionesImportar opciones;
    opciones.informe = QStringLiteral("filas-omitidas.csv");
    for (int i = 1; i < argumentos.size(); ++i) {
        const QString &a = argumentos[i];
        if (a == QLatin1String("--config") && i + 1 < argumentos.size())
            config = argumentos[++i];
        else if (importar && a == QLatin1String("--omitir-erroneas"))
            opciones.omitirErroneas = true;
        else if (importar && a == QLatin1String("--informe") && i + 1 < argumentos.size())
            opciones.informe = argumentos[++i];
        else if (ruta.isEmpty() && !a.startsWith(QLatin1String("--")))
            ruta = a;
        else
            return 2;
    }
    if (ruta.isEmpty())
        return 2;
    const Configuracion c = LeerConfiguracion(RutaConfiguracion(config));
    if (!c.existe || c.vacio) {
        Escribir(stderr,
                 QString::fromUtf8("Falta el archivo de configuración %1 (o está vacío): cree la base de "
                                   "datos con hilvan-admin init.\n")
                     .arg(c.ruta));
        return 1;
    }
    BarraProgreso barra;
    int codigo = 0;
    try {
        Conexion conexion;
        QString copiaAntes;
        const QStringList pasos = AbrirSegunConfiguracion(
            conexion, c, false, [&] { copiaAntes = CopiaAntesDeActualizar(conexion); });
        if (!pasos.isEmpty())
            Escribir(stdout, TextoActualizada(pasos, copiaAntes) + QLatin1Char('\n'));
        if (importar) {
            opciones.origen = ruta;
            opciones.progreso = [&barra](const AvanceImportar &a) {
                if (!a.tabla.isEmpty() && a.parte >= 0.5)
                    barra(a.tabla, a.guardadas, a.total);
            };
            const ResultadoImportar r = Importar(conexion, opciones);
            for (const QString &aviso : r.avisos)
                Escribir(stderr, QStringLiteral("Aviso: ") + aviso + QLatin1Char('\n'));
            if (!r.comprobaciones.empty())
                Escribir(stdout, TablaComprobaciones(r.comprobaciones));
            if (r.omitidas > 0)
                Escribir(stdout,
                         QString::fromUtf8("%1 filas no se han podido tomar: están en %2 con su motivo.\n")
                             .arg(r.omitidas)
                             .arg(QDir(opciones.informe).absolutePath()));
            for (const QString &t : r.omitidasPorTabla)
                Escribir(stdout, QString::fromUtf8("  omitidas en ") + t + QLatin1Char('\n'));
            Escribir(r.ok ? stdout : stderr,
                     r.ok ? QStringLiteral("Datos importados.\n") : r.error + QLatin1Char('\n'));
            codigo = r.ok ? 0 : 1;
        } else {
            qint64 filas = 0;
            for (const auto &[tabla, n] : Exportar(conexion, ruta, std::ref(barra)))
                filas += n;
            Escribir(
                stdout,
                QString::fromUtf8("%1 filas exportadas en %2.\n").arg(filas).arg(QDir(ruta).absolutePath()));
        }
        conexion.Cerrar();
    } catch (const ErrorIntercambio &e) {
        Escribir(stderr, e.Mensaje() + QLatin1Char('\n'));
        codigo = 1;
    } catch (const ErrorBaseDatos &e) {
        Escribir(stderr, e.Mensaje() + QLatin1Char('\n'));
        codigo = 1;
    }
    G().conexion = nullptr;
    return codigo;
}
