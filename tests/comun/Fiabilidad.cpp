#include "Fiabilidad.h"

#include "core/Configuracion.h"
#include "core/Formato.h"

#include <QHash>
#include <cmath>

PuestoProceso::PuestoProceso(const QString &programa, const BaseDePrueba &b, const QStringList &opciones)
{
    QStringList args =
        b.nombreBaseServidor.isEmpty()
            ? QStringList{QStringLiteral("--base"), b.dir.filePath(QStringLiteral("prueba.db"))}
            : QStringList{QStringLiteral("--servidor"), b.nombreBaseServidor};
    proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proceso.setWorkingDirectory(b.dir.path());
    proceso.start(programa, args + opciones);
}

PuestoProceso::~PuestoProceso()
{
    if (proceso.state() != QProcess::NotRunning) {
        proceso.kill();
        proceso.waitForFinished(5000);
    }
}

bool PuestoProceso::Listo()
{
    while (!salida_.contains('\n'))
        if (!proceso.waitForReadyRead(30000))
            return false;
        else
            salida_ += proceso.readAllStandardOutput();
    return salida_.startsWith("listo\n");
}

void PuestoProceso::Empezar()
{
    proceso.write("\n");
    proceso.waitForBytesWritten(1000);
}

QStringList PuestoProceso::Lineas()
{
    salida_ += proceso.readAllStandardOutput();
    QStringList r = QString::fromUtf8(salida_).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!r.isEmpty())
        r.removeFirst(); // "listo"
    return r;
}

int NumeroDeEntorno(const char *variable, int corto, int posicion)
{
    const QStringList partes = qEnvironmentVariable(variable).split(QLatin1Char('x'));
    const int n = partes.value(posicion).toInt();
    return n > 0 ? n : corto;
}

void AbrirOtraVez(const BaseDePrueba &b, Conexion &c)
{
    if (b.nombreBaseServidor.isEmpty())
        c.AbrirSQLite(b.dir.filePath(QStringLiteral("prueba.db")));
    else
        c.AbrirPostgreSQL(BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor));
}

QStringList FallosDeIntegridad(Conexion &c)
{
    QStringList fallos;
    auto ids = [&c](const char *sql) {
        QStringList r;
        for (Recordset rs = c.AbrirRecordset(QString::fromLatin1(sql)); !rs.EOF_(); rs.MoveNext())
            r.append(TextoDeValor(rs.Campo(0)));
        return r;
    };
    if (c.motor() == Motor::SQLite) {
        const QStringList ok = ids("pragma integrity_check");
        if (ok != QStringList{QStringLiteral("ok")})
            fallos.append(QStringLiteral("integrity_check: ") + ok.join(QLatin1Char(' ')));
    }
    const QStringList sinLineas = ids(
        "select idarreglo from arreglos where idarreglo not in (select idarreglo from arreglos_detalles)");
    if (!sinLineas.isEmpty())
        fallos.append(QStringLiteral("encargos sin líneas: ") + sinLineas.join(QLatin1Char(' ')));
    const QStringList huerfanas = ids("select idarreglodetalle from arreglos_detalles where idarreglo not in "
                                      "(select idarreglo from arreglos)");
    if (!huerfanas.isEmpty())
        fallos.append(QStringLiteral("líneas sin encargo: ") + huerfanas.join(QLatin1Char(' ')));

    // The till, order by order: every movement of an order under its own "Ref. N".
    struct Dinero {
        double suma = 0;
        int movimientos = 0;
    };
    QHash<qint64, Dinero> caja;
    for (Recordset rs = c.AbrirRecordset(QStringLiteral("select idarreglo, concepto, importe from caja "
                                                        "where idarreglo <> 0"));
         !rs.EOF_(); rs.MoveNext()) {
        const qint64 id = qint64(Val(TextoDeValor(rs.Campo(0))));
        if (TextoDeValor(rs.Campo(1)) != QStringLiteral("Ref. ") + QString::number(id))
            fallos.append(
                QStringLiteral("movimiento de %1 con concepto %2").arg(id).arg(TextoDeValor(rs.Campo(1))));
        caja[id].suma += Val(TextoDeValor(rs.Campo(2)));
        ++caja[id].movimientos;
    }
    Dinero deTiendas;
    Recordset rs = c.AbrirRecordset(QStringLiteral(
        "select a.idarreglo, a.entregado, a.entregadoacliente, sum(d.precio), max(k.estienda) from arreglos "
        "a, "
        "arreglos_detalles d, clientes k where a.idarreglo = d.idarreglo and a.idcliente = k.idcliente "
        "group by a.idarreglo, a.entregado, a.entregadoacliente"));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const qint64 id = qint64(Val(TextoDeValor(rs.Campo(0))));
        const double entregado = Val(NuloACero(rs.Campo(1)));
        const bool enCasa = Val(NuloACero(rs.Campo(2))) == 1;
        const double total = Val(NuloACero(rs.Campo(3)));
        const bool tienda = Val(NuloACero(rs.Campo(4))) == 1;
        const Dinero d = caja.take(id);
        if (tienda) {
            deTiendas.suma += d.suma;
            deTiendas.movimientos += d.movimientos;
        }
        const bool bien =
            tienda   ? (d.movimientos == 0 || (d.movimientos == 1 && std::abs(d.suma - total) < 0.005))
            : enCasa ? std::abs(d.suma - total) < 0.005 && d.movimientos <= 2
                     : std::abs(d.suma - entregado) < 0.005 && d.movimientos == (entregado != 0 ? 1 : 0);
        if (!bien)
            fallos.append(QStringLiteral("caja de %1: %2 en %3 movimientos; entregado %4, total %5%6")
                              .arg(id)
                              .arg(d.suma)
                              .arg(d.movimientos)
                              .arg(entregado)
                              .arg(total)
                              .arg(enCasa ? QStringLiteral(", entregado al cliente") : QString()));
    }
    for (auto it = caja.cbegin(); it != caja.cend(); ++it)
        fallos.append(QStringLiteral("dinero de un encargo que no existe: %1").arg(it.key()));

    // Every shop payment was taken out of the till again, in the same transaction.
    Recordset retirado = c.AbrirRecordset(
        QStringLiteral("select count(*), sum(importe) from caja where concepto = 'Retirado caja P.T.'"));
    const int retiradas = int(Val(NuloACero(retirado.Campo(0))));
    const double sumaRetirada = Val(NuloACero(retirado.Campo(1)));
    if (retiradas != deTiendas.movimientos || std::abs(sumaRetirada + deTiendas.suma) >= 0.005)
        fallos.append(QStringLiteral("pagos de tiendas: %1 en %2 movimientos, retirado %3 en %4")
                          .arg(deTiendas.suma)
                          .arg(deTiendas.movimientos)
                          .arg(sumaRetirada)
                          .arg(retiradas));
    return fallos;
}

int HilvanAdmin(const QString &programa, const BaseDePrueba &b, const QStringList &orden,
                const QByteArray &entrada, QString *dicho)
{
    const QString config = b.dir.filePath(QStringLiteral("bdcostuaccess.dat"));
    EscribirConfiguracion(config, b.LineasConfiguracion());
    QProcess admin;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("XDG_STATE_HOME"), b.dir.path());
    admin.setProcessEnvironment(entorno);
    admin.start(programa, QStringList{orden.value(0), QStringLiteral("--config"), config} + orden.mid(1));
    admin.write(entrada);
    admin.closeWriteChannel();
    admin.waitForFinished(120000);
    if (dicho)
        *dicho = QString::fromUtf8(admin.readAllStandardError() + admin.readAllStandardOutput());
    return admin.exitCode();
}
