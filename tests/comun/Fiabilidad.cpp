#include "Fiabilidad.h"

#include "core/Configuracion.h"
#include "core/Formato.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

PuestoProceso::PuestoProceso(const QString &programa, const BaseDePrueba &b, const QStringList &opciones)
{
    QStringList args = b.nombreBaseServidor.isEmpty()
                           ? QStringList{u"--base"_s, b.dir.filePath(u"prueba.db"_s)}
                           : QStringList{u"--servidor"_s, b.nombreBaseServidor};
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
    QStringList r = QString::fromUtf8(salida_).split(u'\n', Qt::SkipEmptyParts);
    if (!r.isEmpty())
        r.removeFirst(); // "listo"
    return r;
}

ServidorLejano::ServidorLejano(const BaseDePrueba &b)
    : datos(BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor))
{
    proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proceso.start(u"python3"_s, {QStringLiteral(HILVAN_PROXY), u"--escucha"_s, u"0"_s, u"--destino"_s,
                                 datos.host + u':' + QString::number(datos.puerto), u"--control"_s, u"-"_s});
    while (!proceso.canReadLine() && proceso.waitForReadyRead(10000)) {
    }
    datos.host = u"127.0.0.1"_s;
    datos.puerto = proceso.readLine().mid(11).trimmed().toInt(); // "escuchando PUERTO"
}

void ServidorLejano::Orden(const QString &orden)
{
    proceso.write(orden.toUtf8() + '\n');
    QByteArray dicho;
    while ((dicho += proceso.readAll()).count("hecho") <= orden.count(u'\n')
           && proceso.waitForReadyRead(10000)) {
    }
}

int NumeroDeEntorno(const char *variable, int corto, int posicion)
{
    const QStringList partes = qEnvironmentVariable(variable).split(u'x');
    const int n = partes.value(posicion).toInt();
    return n > 0 ? n : corto;
}

void AbrirOtraVez(const BaseDePrueba &b, Conexion &c)
{
    if (b.nombreBaseServidor.isEmpty())
        c.AbrirSQLite(b.dir.filePath(u"prueba.db"_s));
    else
        c.AbrirPostgreSQL(BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor));
}

QStringList FallosDeEstructura(Conexion &c)
{
    QStringList fallos;
    if (c.motor() == Motor::SQLite) {
        const QStringList ok = Filas(c, u"pragma integrity_check"_s);
        if (ok != QStringList{u"ok"_s})
            fallos.append(u"integrity_check: "_s + ok.join(u' '));
    }
    for (const auto &[falta, sql] :
         {std::pair{"encargos sin líneas: ", "select idarreglo from arreglos where idarreglo not in "
                                             "(select idarreglo from arreglos_detalles)"},
          std::pair{"líneas sin encargo: ", "select idarreglodetalle from arreglos_detalles where "
                                            "idarreglo not in (select idarreglo from arreglos)"},
          std::pair{"dinero de un encargo que no existe: ",
                    "select idarreglo from caja where coalesce(idarreglo, 0) <> 0 and idarreglo not in "
                    "(select idarreglo from arreglos)"}})
        if (const QStringList mal = Filas(c, QString::fromLatin1(sql)); !mal.isEmpty())
            fallos.append(QString::fromUtf8(falta) + mal.join(u' '));
    return fallos;
}

QStringList FallosDeIntegridad(Conexion &c)
{
    QStringList fallos = FallosDeEstructura(c);
    // The till, order by order: every movement of an order under its own "Ref. N".
    struct Dinero {
        double suma = 0;
        int movimientos = 0;
    };
    QHash<qint64, Dinero> caja;
    for (Recordset rs = c.AbrirRecordset(u"select idarreglo, concepto, importe from caja "
                                         "where idarreglo <> 0"_s);
         !rs.EOF_(); rs.MoveNext()) {
        const qint64 id = qint64(Val(TextoDeValor(rs.Campo(0))));
        if (TextoDeValor(rs.Campo(1)) != u"Ref. "_s + QString::number(id))
            fallos.append(u"movimiento de %1 con concepto %2"_s.arg(id).arg(TextoDeValor(rs.Campo(1))));
        caja[id].suma += Val(TextoDeValor(rs.Campo(2)));
        ++caja[id].movimientos;
    }
    Dinero deTiendas;
    Recordset rs = c.AbrirRecordset(
        u"select a.idarreglo, a.entregado, a.entregadoacliente, sum(d.precio), max(k.estienda) from arreglos "
        "a inner join arreglos_detalles d on a.idarreglo = d.idarreglo left join clientes k on a.idcliente = "
        "k.idcliente group by a.idarreglo, a.entregado, a.entregadoacliente"_s);
    for (; !rs.EOF_(); rs.MoveNext()) {
        const qint64 id = qint64(Val(TextoDeValor(rs.Campo(0))));
        const double entregado = Val(NuloACero(rs.Campo(1)));
        const bool enCasa = Val(NuloACero(rs.Campo(2))) == 1;
        const double total = Val(NuloACero(rs.Campo(3)));
        const bool tienda = Val(NuloACero(rs.Campo(4))) == 1;
        const Dinero d = caja.value(id);
        if (tienda) {
            deTiendas.suma += d.suma;
            deTiendas.movimientos += d.movimientos;
        }
        const bool bien =
            tienda   ? (d.movimientos == 0 || (d.movimientos == 1 && std::abs(d.suma - total) < 0.005))
            : enCasa ? std::abs(d.suma - total) < 0.005 && d.movimientos <= 2
                     : std::abs(d.suma - entregado) < 0.005 && d.movimientos == (entregado != 0 ? 1 : 0);
        if (!bien)
            fallos.append(QString::asprintf("caja de %lld: %g en %d movimientos; entregado %g, total %g%s",
                                            id, d.suma, d.movimientos, entregado, total,
                                            enCasa ? ", entregado al cliente" : ""));
    }
    // Every shop payment was taken out of the till again, in the same transaction.
    Recordset retirado =
        c.AbrirRecordset(u"select count(*), sum(importe) from caja where concepto = 'Retirado caja P.T.'"_s);
    const int retiradas = int(Val(NuloACero(retirado.Campo(0))));
    const double sumaRetirada = Val(NuloACero(retirado.Campo(1)));
    if (retiradas != deTiendas.movimientos || std::abs(sumaRetirada + deTiendas.suma) >= 0.005)
        fallos.append(QString::asprintf("pagos de tiendas: %g en %d movimientos, retirado %g en %d",
                                        deTiendas.suma, deTiendas.movimientos, sumaRetirada, retiradas));
    return fallos;
}

bool EnIngles(const QString &texto)
{
    static const QRegularExpression ingles(
        QStringLiteral(
            "\\b(the|failed|unable|cannot|could not|error:|connection|database|server closed|driver|"
            "invalid|unknown|timeout|terminat\\w*|syntax|constraint|violat\\w*|locked|denied|"
            "value too long|exception|QSQLITE|QPSQL|null character)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return ingles.match(texto).hasMatch();
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
