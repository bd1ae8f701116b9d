// hilvan-bench: times start-up, the counter and every listing on a shop's database.
#include "Arranque.h"
#include "DialogosGuion.h"
#include "GuardarMedida.h"
#include "Lejania.h"
#include "Listados.h"
#include "Medida.h"
#include "PantallaAsignacion.h"
#include "VentaMedida.h"
#include "cash/Caja.h"
#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Consultas.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
#include "core/Programa.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <sqlite3.h>

namespace {

struct Opciones {
    QStringList configs;
    int repeticiones = 5;
    bool arranque = true;
    bool venta = true;
    bool listados = true;
    bool plan = false;
    bool copia = true;
    bool recordset = true;
    QString solo;         // only the listings whose name holds this text
    QStringList salvo;    // and none whose name holds one of these
    QStringList sql;      // statements of one's own, timed like the listings
    QStringList pragmas;  // connection settings to try on the embedded database
    QString salida;       // also write the tables to this file
    double idaVuelta = 0; // a server's round trip added through a delaying proxy, in ms
};

struct Fila {
    explicit Fila(const QString &op, double objetivo = 0, Medida::Muestra medida = {-1, -1})
        : operacion(op), ms(medida.ms), cpuMs(medida.cpuMs), objetivoMs(objetivo)
    {
    }
    QString operacion;
    qint64 filas = -1;       // -1: not a listing
    double ms = -1;          // median; through the driver for a listing
    double cpuMs = -1;       // median CPU time of this process over the same runs
    double msRecordset = -1; // median through Conexion::AbrirRecordset, as a screen reads it
    double picoMb = 0;
    double objetivoMs = 0;
    QString nota;
};

// What the benchmark adds to the database, so that it can be taken away again.
struct Estado {
    qint64 maxArreglo = 0;
    qint64 maxMovimiento = 0;
    qint64 maxOperacion = 0;
    QStringList cierresAbiertos;
    bool copiaDeHoy = false; // the day's automatic copy made before the benchmark
};

QString N(qint64 n)
{
    return QString::number(n);
}

void Escribir(const QString &texto, QFile *archivo)
{
    std::fputs(qPrintable(texto), stdout);
    std::fflush(stdout);
    if (archivo)
        archivo->write(texto.toUtf8());
}

qint64 Numero(Conexion &c, const QString &sql)
{
    Recordset rs = c.AbrirRecordset(sql);
    return rs.HayFilas() ? rs.Campo(0).toLongLong() : 0;
}

QString Hoy()
{
    return ComillasSQL(QDate::currentDate().toString(Qt::ISODate));
}

Estado Anotar(Conexion &c)
{
    Estado e;
    e.maxArreglo = Numero(c, QStringLiteral("select max(idarreglo) from arreglos"));
    e.maxMovimiento = Numero(c, QStringLiteral("select max(idmovimiento) from caja"));
    e.maxOperacion = Numero(c, QStringLiteral("select max(idoperacion) from operaciones"));
    Recordset rs =
        c.AbrirRecordset(QStringLiteral("select distinct nombrecierre from caja where cerrado = 0"));
    for (; !rs.EOF_(); rs.MoveNext())
        e.cierresAbiertos.append(rs.Campo(0).toString());
    e.copiaDeHoy =
        Numero(c, QStringLiteral("select count(*) from copiasautomaticas where dia = ") + Hoy()) > 0;
    return e;
}

void Restaurar(Conexion &c, const Estado &e)
{
    Transaccion t(c);
    c.Ejecutar(QStringLiteral("delete from arreglos_detalles where idarreglo > ") + N(e.maxArreglo));
    c.Ejecutar(QStringLiteral("delete from arreglos where idarreglo > ") + N(e.maxArreglo));
    c.Ejecutar(QStringLiteral("delete from caja where idmovimiento > ") + N(e.maxMovimiento));
    c.Ejecutar(QStringLiteral("delete from operaciones where idoperacion > ") + N(e.maxOperacion));
    for (const QString &cierre : e.cierresAbiertos)
        c.Ejecutar(QStringLiteral("update caja set cerrado = 0 where nombrecierre = ") + ComillasSQL(cierre));
    // Each first start of the day makes the day's copy again (aside, as a shop's does).
    if (!e.copiaDeHoy)
        c.Ejecutar(QStringLiteral("delete from copiasautomaticas where dia = ") + Hoy());
    t.Confirmar();
}

bool Elegido(const QString &nombre, const Opciones &o)
{
    if (!o.solo.isEmpty() && !nombre.contains(o.solo, Qt::CaseInsensitive))
        return false;
    for (const QString &t : o.salvo)
        if (nombre.contains(t, Qt::CaseInsensitive))
            return false;
    return true;
}

// The listing straight through the driver: every value of every row read and thrown away.
qint64 PorMotor(Conexion &c, const Listado &l)
{
    if (l.pantalla)
        return l.pantalla();
    qint64 filas = 0;
    for (const QString &sql : l.sql) {
        QSqlQuery q(c.db());
        q.setForwardOnly(true);
        if (!q.exec(c.Traducir(sql)))
            throw ErrorBaseDatos(q.lastError().text(), sql);
        const int columnas = q.record().count();
        const int colArreglo = q.record().indexOf(QStringLiteral("IdArreglo"));
        std::vector<qint64> arreglos;
        while (q.next()) {
            for (int i = 0; i < columnas; ++i)
                q.value(i);
            ++filas;
            if (l.sumasCaja)
                arreglos.push_back(q.value(colArreglo).toLongLong());
        }
        // The server streams a forward-only result: the lookups wait until it is read.
        for (qint64 idarreglo : arreglos) {
            QSqlQuery s(c.db());
            s.setForwardOnly(true);
            const QString suma =
                QStringLiteral("select sum(importe) as suma from caja where idarreglo = ") + N(idarreglo);
            if (!s.exec(c.Traducir(suma)))
                throw ErrorBaseDatos(s.lastError().text(), suma);
            while (s.next())
                s.value(0);
        }
    }
    return filas;
}

// The listing as a screen gets it: a static record set, and the per-order lookups.
qint64 PorRecordset(Conexion &c, const Listado &l)
{
    qint64 filas = 0;
    for (const QString &sql : l.sql) {
        Recordset rs = c.AbrirRecordset(sql);
        filas += rs.Cuantos();
        if (l.sumasCaja)
            for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
                DimeSumaCajaArreglo(rs.Campo(QStringLiteral("IdArreglo")).toLongLong());
    }
    return filas;
}

void Plan(Conexion &c, const Listado &l)
{
    for (const QString &sql : l.sql) {
        const QString pregunta = (c.motor() == Motor::SQLite ? QStringLiteral("EXPLAIN QUERY PLAN ")
                                                             : QStringLiteral("EXPLAIN ANALYZE "))
                                 + c.Traducir(sql);
        QSqlQuery q(c.db());
        if (!q.exec(pregunta))
            throw ErrorBaseDatos(q.lastError().text(), pregunta);
        std::printf("\n-- %s\n%s;\n", qPrintable(l.nombre), qPrintable(c.Traducir(sql)));
        while (q.next()) {
            QStringList columnas;
            for (int i = 0; i < q.record().count(); ++i)
                columnas.append(q.value(i).toString());
            std::printf("   %s\n", qPrintable(columnas.join(QLatin1Char(' '))));
        }
    }
}

std::vector<Fila> MedirArranque(Conexion &c, const QString &config, const Opciones &o)
{
    std::vector<Fila> filas;
    const Estado estado = Anotar(c);
    auto medir = [&](bool nuevaCaja, const QString &nombre) {
        Fila f(nombre, 300);
        std::vector<Medida::Muestra> ms;
        for (int i = 0; i <= o.repeticiones; ++i) {
            const ResultadoArranque r = LanzarArranque(config, nuevaCaja);
            if (nuevaCaja)
                Restaurar(c, estado);
            if (r.ms < 0) {
                f.nota = r.error;
                break;
            }
            if (r.preguntas != (nuevaCaja ? 1 : 0))
                f.nota = QStringLiteral("preguntas hechas: ") + N(r.preguntas);
            if (i > 0) // the first launch only warms the caches
                ms.push_back({r.ms, r.cpuMs});
            f.picoMb = std::max(f.picoMb, r.picoMb);
        }
        if (!ms.empty()) {
            f.ms = Medida::Mediana(ms).ms;
            f.cpuMs = Medida::Mediana(ms).cpuMs;
        }
        filas.push_back(f);
    };
    medir(true, QStringLiteral("Arranque, primero del día (abre caja nueva)"));
    // A movement booked today: the next start-ups go on with the day's cash without asking.
    MeterMovimientoCaja(100, QStringLiteral("Inicio caja"), 1, 0, 0);
    medir(false, QStringLiteral("Arranque (caja del día ya abierta)"));
    Restaurar(c, estado);
    return filas;
}

EncargoMedido EncargoDePrueba(Conexion &c)
{
    EncargoMedido e;
    e.idcliente = int(Numero(
        c, QStringLiteral("select min(idcliente) from clientes where estienda = 0 or estienda is null")));
    e.entregado = 20;
    const QDate fecha = QDate::currentDate().addDays(7);
    // Five garments, twelve lines: 3 + 3 + 2 + 2 + 2.
    const int familias[] = {1, 2, 4, 5, 6};
    const int lineas[] = {3, 3, 2, 2, 2};
    for (int i = 0; i < 5; ++i) {
        EncargoMedido::Prenda p{familias[i],
                                QStringLiteral("-- ") + DimeNombreDeFamilia(familias[i])
                                    + QStringLiteral(" --"),
                                fecha,
                                {}};
        Recordset rs =
            c.AbrirRecordset(QStringLiteral("select idproducto, precio1 from productos where idfamilia = ")
                             + N(familias[i]) + QStringLiteral(" and activo = 0 order by idproducto"));
        for (int k = 0; k < lineas[i] && !rs.EOF_(); ++k, rs.MoveNext())
            p.lineas.push_back({rs.Campo(0).toInt(), Val(NuloACero(rs.Campo(1)))});
        e.prendas.push_back(p);
    }
    return e;
}

std::vector<Fila> MedirVenta(Conexion &c)
{
    std::vector<Fila> filas;
    const Estado estado = Anotar(c);
    G().NombreCierre = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    std::unique_ptr<VentaMedida> venta = CrearVentaMedida();
    const int familia = 1;
    const int producto = int(Numero(
        c, QStringLiteral("select min(idproducto) from productos where idfamilia = 1 and activo = 0")));

    auto repetir = [](int veces, const std::function<void()> &trabajo) {
        for (int i = 0; i < 5; ++i)
            trabajo();
        std::vector<Medida::Muestra> ms;
        for (int i = 0; i < veces; ++i)
            ms.push_back(Medida::Medir(trabajo));
        return Medida::Mediana(ms);
    };

    Medida::ReiniciarPico();
    Fila tocar(QStringLiteral("Tocar una familia (productos listados)"), 5,
               repetir(200, [&] { venta->TocarFamilia(familia); }));
    tocar.picoMb = Medida::PicoMb();
    filas.push_back(tocar);

    Fila linea(QStringLiteral("Añadir una línea de producto"), 5,
               repetir(200, [&] { venta->TocarProducto(producto); }));
    linea.picoMb = Medida::PicoMb();
    filas.push_back(linea);

    const EncargoMedido encargo = EncargoDePrueba(c);
    Medida::ReiniciarPico();
    std::vector<Medida::Muestra> guardar, tickets, total;
    bool guardado = true;
    for (int i = 0; i < 25; ++i) {
        qint64 n = 0;
        const Medida::Muestra g = Medida::Medir([&] { n = venta->AcabarEncargo(encargo); });
        guardado = guardado && n > 0;
        const Medida::Muestra t =
            Medida::Medir([&] { venta->ImprimirTickets(n, int(encargo.prendas.size())); });
        if (i >= 5) {
            guardar.push_back(g);
            tickets.push_back(t);
            total.push_back({g.ms + t.ms, g.cpuMs + t.cpuMs});
        }
    }
    const double pico = Medida::PicoMb();
    filas.emplace_back(QStringLiteral("Fin arreglo 5 prendas, 12 líneas: guardar y caja"), 0,
                       Medida::Mediana(guardar));
    filas.emplace_back(QStringLiteral("Fin arreglo: lecturas de los tickets"), 0, Medida::Mediana(tickets));
    filas.emplace_back(QStringLiteral("Fin arreglo: total"), 20, Medida::Mediana(total));
    // A finish the screen refused (a message instead of a save) would time nothing.
    for (size_t i = filas.size() - 3; i < filas.size(); ++i) {
        filas[i].picoMb = pico;
        if (!guardado)
            filas[i].nota = QStringLiteral("el arreglo no se guardó");
    }
    // The other saving operations, each on an order of its own saved as above.
    for (const GuardadoMedido &g : MedirGuardados(
             5, [&] { return venta->AcabarEncargo(encargo); }, [&] { Restaurar(c, estado); })) {
        filas.emplace_back(g.nombre, 0, g.medida);
        filas.back().nota = g.nota;
    }
    Restaurar(c, estado);
    return filas;
}

std::vector<Fila> MedirListados(Conexion &c, const Opciones &o)
{
    std::vector<Fila> filas;
    std::vector<Listado> listados;
    for (const QString &sql : o.sql)
        listados.push_back({sql.left(60), 0, {sql}});
    if (o.sql.isEmpty())
        listados = ListadosDeLaTienda(ElegirParametros(c));
    for (const Listado &l : listados) {
        if (!Elegido(l.nombre, o))
            continue;
        if (o.plan)
            Plan(c, l);
        Fila f(l.nombre, l.objetivoMs);
        Medida::ReiniciarPico();
        const double primera = Medida::Medir([&] { f.filas = PorMotor(c, l); }).ms;
        // Long listings are timed fewer times: their median settles quickly.
        const int veces = primera > 1000 ? 3 : o.repeticiones;
        std::vector<Medida::Muestra> motor, rs;
        std::vector<double> esperas;
        for (int i = 0; i < veces; ++i) {
            motor.push_back(Medida::Medir([&] { PorMotor(c, l); }));
            if (l.esperaMs && *l.esperaMs >= 0)
                esperas.push_back(*l.esperaMs);
        }
        // A screen row is timed once, through the screen: there is no separate record set to time.
        const bool conRecordset = o.recordset && !l.pantalla;
        for (int i = 0; i < veces && conRecordset; ++i)
            rs.push_back(Medida::Medir([&] { PorRecordset(c, l); }));
        f.ms = Medida::Mediana(motor).ms;
        f.cpuMs = Medida::Mediana(motor).cpuMs;
        f.msRecordset = conRecordset ? Medida::Mediana(rs).ms : -1;
        f.picoMb = Medida::PicoMb();
        if (l.liberar)
            l.liberar();
        filas.push_back(f);
        std::fprintf(stderr, "  %-70s %8.1f ms\n", qPrintable(l.nombre), f.ms);
        if (l.esperaMs && !esperas.empty())
            filas.emplace_back(l.nombre + QStringLiteral(": mayor espera del bucle de eventos"), 50,
                               Medida::Muestra{Medida::Mediana(esperas), -1});
    }
    return filas;
}

// The options menu's backup of the whole shop, into a folder of its own that is deleted again:
// the copy with its verification, and the verification alone.
std::vector<Fila> MedirCopia(Conexion &c)
{
    QTemporaryDir carpeta;
    Medida::ReiniciarPico();
    ResultadoCopia r;
    Fila total(QStringLiteral("Copia de seguridad: copia y verificación"), 0, Medida::Medir([&] {
                   r = HacerCopiaSeguridad(c, carpeta.path(), QDateTime::currentDateTime());
               }));
    total.nota = r.ok ? N(QFileInfo(r.archivo).size() / (1024 * 1024)) + QStringLiteral(" MB") : r.error;
    total.picoMb = Medida::PicoMb();
    Fila verificar(QStringLiteral("Copia de seguridad: verificación"), 0,
                   Medida::Medir([&] { VerificarCopia(c, r.archivo); }));
    return {total, verificar};
}

// "Ver todos los arreglos" on the real screen, each run in a fresh process (see PantallaAsignacion.h).
std::vector<Fila> MedirPantallaAsignacion(const QString &config, const Opciones &o)
{
    Fila primeras(QStringLiteral("Asignación: todos, pantalla, primeras filas pintadas"), 200);
    Fila completa(QStringLiteral("Asignación: todos, pantalla, lista completa"), 1000);
    Fila hueco(QStringLiteral("Asignación: todos, pantalla, mayor espera del bucle de eventos"), 50);
    if (!Elegido(primeras.operacion, o))
        return {};
    std::vector<Medida::Muestra> ms1, ms2, ms3;
    for (int i = 0; i <= std::min(o.repeticiones, 3); ++i) {
        const ResultadoPantalla r = LanzarPantallaAsignacion(config);
        if (r.primerasMs < 0) {
            primeras.nota = r.error;
            break;
        }
        if (i == 0) // the first run only warms the caches
            continue;
        ms1.push_back({r.primerasMs, -1});
        ms2.push_back({r.completaMs, r.cpuMs});
        ms3.push_back({r.huecoMs, -1});
        primeras.filas = completa.filas = r.filas;
        completa.picoMb = std::max(completa.picoMb, r.picoMb);
    }
    if (!ms1.empty()) {
        primeras.ms = Medida::Mediana(ms1).ms;
        completa.ms = Medida::Mediana(ms2).ms;
        completa.cpuMs = Medida::Mediana(ms2).cpuMs;
        hueco.ms = Medida::Mediana(ms3).ms;
        primeras.picoMb = completa.picoMb;
    }
    std::fprintf(stderr, "  %-70s %8.1f / %.1f ms, espera %.1f ms\n", "Asignación: todos, pantalla",
                 primeras.ms, completa.ms, hueco.ms);
    return {primeras, completa, hueco};
}

QString Ms(double ms)
{
    if (ms < 0)
        return QStringLiteral("—");
    return ms < 10    ? QString::number(ms, 'f', 2)
           : ms < 100 ? QString::number(ms, 'f', 1)
                      : QString::number(ms, 'f', 0);
}

QString Maquina()
{
    QString cpu;
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &linea : f.readAll().split('\n'))
            if (linea.startsWith("model name")) {
                cpu = QString::fromUtf8(linea.mid(linea.indexOf(':') + 1)).trimmed();
                break;
            }
    return cpu + QStringLiteral(", ") + N(QThread::idealThreadCount()) + QStringLiteral(" núcleos; Qt ")
           + QString::fromLatin1(qVersion()) + QStringLiteral(", SQLite ")
           + QString::fromLatin1(sqlite3_libversion());
}

QString Descripcion(Conexion &c, const Configuracion &cfg)
{
    QString motor;
    if (c.motor() == Motor::SQLite) {
        motor = QStringLiteral("SQLite, ") + QFileInfo(cfg.ArchivoBaseDatos()).fileName()
                + QStringLiteral(" (") + N(QFileInfo(cfg.ArchivoBaseDatos()).size() / (1024 * 1024))
                + QStringLiteral(" MB)");
    } else {
        Recordset rs = c.AbrirRecordset(QStringLiteral("show server_version"));
        motor = QStringLiteral("PostgreSQL ") + rs.Campo(0).toString() + QStringLiteral(", ")
                + cfg.Servidor().host + QLatin1Char('/') + cfg.Servidor().basedatos;
    }
    return motor + QStringLiteral(": ") + N(Numero(c, QStringLiteral("select count(*) from arreglos")))
           + QStringLiteral(" arreglos, ")
           + N(Numero(c, QStringLiteral("select count(*) from arreglos_detalles")))
           + QStringLiteral(" líneas, ") + N(Numero(c, QStringLiteral("select count(*) from clientes")))
           + QStringLiteral(" clientes, ") + N(Numero(c, QStringLiteral("select count(*) from caja")))
           + QStringLiteral(" movimientos de caja");
}

// Other programs running at the same time slow the wall clock down: the table says how busy
// the machine was.
QString Carga()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.readAll()).split(QLatin1Char(' ')).value(0);
}

QString Tabla(const QString &titulo, const std::vector<Fila> &filas)
{
    QString t = QStringLiteral("\n### ") + titulo
                + QStringLiteral("\n\n| Operación | Filas | ms | CPU ms | ms Recordset | "
                                 "Pico MB | Objetivo ms | |\n|---|--:|--:|--:|--:|--:|--:|:-:|\n");
    for (const Fila &f : filas) {
        const QString marca = f.objetivoMs <= 0 || f.ms < 0 ? QString()
                              : f.ms <= f.objetivoMs        ? QStringLiteral("sí")
                                                            : QStringLiteral("**NO**");
        t += QStringLiteral("| ") + f.operacion
             + (f.nota.isEmpty() ? QString() : QStringLiteral(" (") + f.nota + QLatin1Char(')'))
             + QStringLiteral(" | ") + (f.filas < 0 ? QString() : N(f.filas)) + QStringLiteral(" | ")
             + Ms(f.ms) + QStringLiteral(" | ") + Ms(f.cpuMs) + QStringLiteral(" | ")
             + (f.msRecordset < 0 ? QString() : Ms(f.msRecordset)) + QStringLiteral(" | ")
             + QString::number(f.picoMb, 'f', 0) + QStringLiteral(" | ")
             + (f.objetivoMs > 0 ? Ms(f.objetivoMs) : QString()) + QStringLiteral(" | ") + marca
             + QStringLiteral(" |\n");
    }
    return t;
}

int Uso()
{
    std::fputs(
        "Uso: hilvan-bench --config ARCHIVO [--config ARCHIVO ...] [--repeticiones N] [--sin-arranque]\n"
        "                  [--sin-venta] [--sin-listados] [--sin-recordset] [--sin-copia] [--solo TEXTO]\n"
        "                  [--salvo TEXTO ...] [--plan] [--sql SENTENCIA ...]\n"
        "                  [--pragma \"mmap_size=268435456\" ...] [--salida ARCHIVO.md]\n"
        "                  [--ida-vuelta MS]\n"
        "Mide el arranque, la venta y los listados sobre la base de datos de cada configuración\n"
        "(bdcostuaccess.dat). La base de datos queda como estaba.\n",
        stderr);
    return 2;
}

int Medir(const Opciones &o)
{
    QFile archivo(o.salida);
    if (!o.salida.isEmpty() && !archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "No se puede escribir %s\n", qPrintable(o.salida));
        return 1;
    }
    QFile *salida = o.salida.isEmpty() ? nullptr : &archivo;
    Escribir(QStringLiteral("Máquina: ") + Maquina() + QStringLiteral(". Medianas de ") + N(o.repeticiones)
                 + QStringLiteral(" ejecuciones tras una de calentamiento.\n"),
             salida);
    DialogosGuion dialogos;
    for (const QString &original : o.configs) {
        // A far server: the same one behind a proxy that delays every exchange.
        const Lejania lejania(original, o.idaVuelta);
        if (!lejania.Error().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(lejania.Error()));
            return 1;
        }
        const QString ruta = lejania.Config();
        const Configuracion cfg = LeerConfiguracion(ruta);
        if (!cfg.existe) {
            std::fprintf(stderr, "No existe la configuración %s\n", qPrintable(ruta));
            return 1;
        }
        Conexion c;
        G() = ValoresPrograma();
        G().dialogos = &dialogos;
        AbrirSegunConfiguracion(c, cfg);
        if (c.motor() == Motor::SQLite)
            for (const QString &pragma : o.pragmas)
                c.Ejecutar(QStringLiteral("PRAGMA ") + pragma);
        // What one exchange with the server costs, as measured now: on a busy machine the proxy and
        // the server wait for a core too, and each round trip costs more than the delay added.
        QString titulo = Descripcion(c, cfg);
        if (c.motor() == Motor::PostgreSQL) {
            std::vector<Medida::Muestra> vueltas;
            for (int i = 0; i < 21; ++i)
                vueltas.push_back(Medida::Medir([&] { c.AbrirRecordset(QStringLiteral("select 1")); }));
            titulo += (ruta == original ? QString()
                                        : QStringLiteral(", ida y vuelta añadida ")
                                              + QString::number(o.idaVuelta) + QStringLiteral(" ms"))
                      + QStringLiteral(", una sentencia ida y vuelta ") + Ms(Medida::Mediana(vueltas).ms)
                      + QStringLiteral(" ms");
        }
        const QString cargaAntes = Carga();
        std::fprintf(stderr, "%s\n", qPrintable(titulo));
        std::vector<Fila> filas;
        auto anadir = [&filas](std::vector<Fila> nuevas) {
            filas.insert(filas.end(), nuevas.begin(), nuevas.end());
        };
        if (o.arranque)
            anadir(MedirArranque(c, QFileInfo(ruta).absoluteFilePath(), o));
        if (o.venta)
            anadir(MedirVenta(c));
        if (o.listados)
            anadir(MedirListados(c, o));
        if (o.copia)
            anadir(MedirCopia(c));
        if (o.listados && o.sql.isEmpty())
            anadir(MedirPantallaAsignacion(QFileInfo(ruta).absoluteFilePath(), o));
        Escribir(Tabla(titulo, filas) + QStringLiteral("\nCarga media de la máquina (1 min): ") + cargaAntes
                     + QStringLiteral(" al empezar, ") + Carga() + QStringLiteral(" al acabar.\n"),
                 salida);
        G() = ValoresPrograma();
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    PrepararZonaHoraria();
    if (argc == 5 && qstrcmp(argv[1], "--arranque-hijo") == 0)
        return ArranqueHijo(argc, argv, QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong(),
                            qstrcmp(argv[4], "si") == 0);

    if (argc == 3 && qstrcmp(argv[1], "--asignacion-hijo") == 0)
        return PantallaAsignacionHijo(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    Opciones o;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--config") && i + 1 < args.size())
            o.configs.append(args[++i]);
        else if (a == QLatin1String("--repeticiones") && i + 1 < args.size())
            o.repeticiones = std::max(1, args[++i].toInt());
        else if (a == QLatin1String("--sin-arranque"))
            o.arranque = false;
        else if (a == QLatin1String("--sin-venta"))
            o.venta = false;
        else if (a == QLatin1String("--sin-listados"))
            o.listados = false;
        else if (a == QLatin1String("--sin-recordset"))
            o.recordset = false;
        else if (a == QLatin1String("--sin-copia"))
            o.copia = false;
        else if (a == QLatin1String("--plan"))
            o.plan = true;
        else if (a == QLatin1String("--sql") && i + 1 < args.size())
            o.sql.append(args[++i]);
        else if (a == QLatin1String("--pragma") && i + 1 < args.size())
            o.pragmas.append(args[++i]);
        else if (a == QLatin1String("--solo") && i + 1 < args.size())
            o.solo = args[++i];
        else if (a == QLatin1String("--salvo") && i + 1 < args.size())
            o.salvo.append(args[++i]);
        else if (a == QLatin1String("--salida") && i + 1 < args.size())
            o.salida = args[++i];
        else if (a == QLatin1String("--ida-vuelta") && i + 1 < args.size())
            o.idaVuelta = std::max(0.0, args[++i].toDouble());
        else
            return Uso();
    }
    if (o.configs.isEmpty())
        return Uso();
    try {
        return Medir(o);
    } catch (const ErrorBaseDatos &e) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(e.Mensaje()), qPrintable(e.Sql().left(400)));
        return 1;
    }
}
