// Several counters finishing orders at the same moment on one database: every order gets its own
// number, the numbers are those one counter alone would give, nothing is lost, staff see no error.
// HILVAN_MOSTRADORES=8x500 makes the long run.
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "core/BaseDatos.h"
#include "demo/Demo.h"
#include "masterdata/frmFIchaCliente.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// N counters started at the same instant: every line they said, once all have ended (`segundos`
// from the start). A counter that did not come up, or whose exit code disagrees with what it said,
// is a "mensaje" line too.
QStringList ALaVez(BaseDePrueba &b, int n, const QStringList &opciones, double &segundos)
{
    std::vector<std::unique_ptr<PuestoProceso>> puestos;
    for (int i = 0; i < n; ++i)
        puestos.push_back(std::make_unique<PuestoProceso>(QStringLiteral(HILVAN_PUESTO), b, opciones));
    QStringList lineas;
    for (auto &p : puestos)
        if (!p->Listo())
            lineas << u"mensaje: no arrancó"_s;
    QElapsedTimer reloj;
    reloj.start();
    for (auto &p : puestos)
        p->Empezar();
    for (auto &p : puestos) {
        p->proceso.waitForFinished(-1);
        const QStringList suyas = p->Lineas();
        const bool dijo = !suyas.filter(QRegularExpression(u"^mensaje"_s)).isEmpty();
        if (p->proceso.exitStatus() != QProcess::NormalExit || p->proceso.exitCode() != (dijo ? 2 : 0))
            lineas << u"mensaje: salió con %1"_s.arg(p->proceso.exitCode());
        lineas += suyas;
    }
    segundos = reloj.elapsed() / 1000.0;
    return lineas;
}

} // namespace

class PruebaMostradores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variosMostradoresALaVez()
    {
        Mostrador tienda; // the demo shop without its orders and cash
        BaseDePrueba &b = tienda.b;
        const bool servidor = b.conexion.motor() == Motor::PostgreSQL;
        const int n = NumeroDeEntorno("HILVAN_MOSTRADORES", servidor ? 4 : 2, 0);
        const int m = NumeroDeEntorno("HILVAN_MOSTRADORES", 25, 1);

        double segundos = 0;
        QStringList mensajes, dichas; // "order|lines its counter saved"
        for (const QString &l : ALaVez(b, n, {u"--encargos"_s, QString::number(m)}, segundos)) {
            const QStringList partes = l.split(QLatin1Char(' '));
            if (partes.first() == QLatin1String("acabado"))
                dichas.append(partes.value(1) + u'|' + partes.value(2));
            else if (partes.first() == QLatin1String("mensaje"))
                mensajes.append(l);
        }
        QCOMPARE(mensajes, QStringList());

        // Numbered 1 to N*M with no gap, each order with exactly the lines its counter put on it.
        QStringList esperados;
        for (int i = 1; i <= n * m; ++i)
            esperados.append(QString::number(i));
        QStringList guardados = b.Columna(u"select idarreglo from arreglos order by idarreglo"_s);
        QCOMPARE(guardados, esperados);
        QStringList lineas =
            Filas(b, u"select idarreglo, count(*) from arreglos_detalles group by idarreglo"_s);
        lineas.sort();
        dichas.sort();
        QCOMPARE(lineas, dichas);
        QCOMPARE(FallosDeIntegridad(b.conexion), QStringList());
        std::printf("FIABILIDAD mostradores %s %d %d %d %d %.1f\n", servidor ? "postgresql" : "sqlite", n, m,
                    int(dichas.size()), int(QSet<QString>(guardados.begin(), guardados.end()).size()),
                    segundos);

        // Counters started together then hand those orders over: each is handed over and paid once
        // (the integrity check), and a counter that comes second is told so and books nothing.
        const int e = NumeroDeEntorno("HILVAN_ENTREGAS", 4, 0);
        const int k = NumeroDeEntorno("HILVAN_ENTREGAS", n * m, 1);
        int entregas = 0, tarde = 0;
        for (const QString &l :
             ALaVez(b, e, {u"--accion"_s, u"entregas"_s, u"--encargos"_s, QString::number(k)}, segundos)) {
            if (l.startsWith(QLatin1String("entregado")))
                ++entregas;
            else if (l.startsWith(QLatin1String("mensaje"))) {
                QVERIFY2(l.contains(u"en otro mostrador"_s), qPrintable(l));
                ++tarde;
            }
        }
        // Each of a counter's tries ends its own order handed over, by it or by another.
        QVERIFY(entregas >= std::min(k, n * m));
        QCOMPARE(b.Valor(u"select count(*) from arreglos where entregadoacliente = 1"_s),
                 QString::number(entregas));
        QCOMPARE(FallosDeIntegridad(b.conexion), QStringList());
        std::printf("FIABILIDAD entregas %s %d %d %d %d\n", servidor ? "postgresql" : "sqlite", e, n * m,
                    entregas, tarde);
    }

    // The database fails in the middle of a finish or a customer's card: a second program keeps
    // the embedded file's write lock (the finish waits for the busy timeout), the file cannot take
    // one more byte (a full disk, RLIMIT_FSIZE standing in for it, since the tests may run as root)
    // or cannot be written at all (PRAGMA query_only gives the engine's refusal of a read-only
    // file), or the server drops the counter's connection (as a restart does). Staff are told, the
    // screen keeps what it had, nothing is written, and the same action then works without
    // restarting the program.
    void laBaseFallaAMitad_data()
    {
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<bool>("cliente");
        QTest::addColumn<QString>("aviso");
        const QString disco = u"No se pudo escribir en el disco"_s;
        QTest::newRow("archivo ocupado") << u"ocupado"_s << false << u"ocupada por otro mostrador"_s;
        QTest::newRow("servidor perdido")
            << u"servidor"_s << false << u"No hay comunicación con el servidor"_s;
        QTest::newRow("disco lleno, fin de arreglo") << u"lleno"_s << false << disco;
        QTest::newRow("disco lleno, ficha de cliente") << u"lleno"_s << true << disco;
        QTest::newRow("solo lectura, fin de arreglo") << u"lectura"_s << false << disco;
        QTest::newRow("solo lectura, ficha de cliente") << u"lectura"_s << true << disco;
    }
    void laBaseFallaAMitad()
    {
        QFETCH(QString, fallo);
        QFETCH(bool, cliente);
        QFETCH(QString, aviso);
        if ((fallo == QLatin1String("servidor")) != (BaseDePrueba::MotorPedido() == Motor::PostgreSQL))
            QSKIP("the server queues writers and keeps its own disk; only a server can go away");
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.Entregado(u"10"_s);
        frmFIchaCliente ficha;
        ficha.Abierto = true;
        ficha.txtNombre = QString::fromUtf8("Lucía Pérez");
        ficha.txtTelefono = u"600999888"_s;
        const QString pantalla = m.Pantalla();
        const QString bd = m.Volcado() + m.Valor(u"select count(*) from clientes"_s);
        auto accion = [&] { cliente ? void(ficha.GuardarCliente()) : m.Acabar(1, {7, 7}); };

        Conexion otro;
        if (fallo == QLatin1String("ocupado") || fallo == QLatin1String("servidor"))
            AbrirOtraVez(m.b, otro);
        if (fallo == QLatin1String("ocupado")) {
            otro.ComenzarTransaccion();
            otro.Ejecutar(u"insert into colores (nombre) values ('Ocre')"_s);
        }
        if (fallo == QLatin1String("servidor"))
            m.dialogos.alElegirUsuario = [&, pid = m.Valor(u"select pg_backend_pid()"_s)] {
                otro.Ejecutar(u"select pg_terminate_backend("_s + pid + u", 5000)"_s);
            };
        // Whatever the journal held is in the file first, so that its next write starts the journal.
        if (fallo == QLatin1String("lleno") || fallo == QLatin1String("lectura"))
            m.b.conexion.Ejecutar(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
        rlimit limite{};
        ::getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit antes = limite;
        const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
        if (fallo == QLatin1String("lleno")) {
            limite.rlim_cur = 8 * 1024; // the journal's header and a page: the commit fails halfway
            ::setrlimit(RLIMIT_FSIZE, &limite);
        } else if (fallo == QLatin1String("lectura")) {
            m.b.conexion.Ejecutar(u"PRAGMA query_only = 1"_s);
        }
        QString dicho;
        try {
            accion();
        } catch (const ErrorBaseDatos &e) {
            dicho = e.Mensaje();
        }
        ::setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, sigxfsz);
        if (fallo == QLatin1String("lectura"))
            m.b.conexion.Ejecutar(u"PRAGMA query_only = 0"_s);
        if (fallo == QLatin1String("ocupado"))
            otro.DeshacerTransaccion();
        m.dialogos.alElegirUsuario = nullptr;

        QVERIFY2(dicho.contains(aviso), qPrintable(dicho));
        QCOMPARE(m.Pantalla(), pantalla);
        QVERIFY(ficha.Abierto && ficha.txtNombre == QString::fromUtf8("Lucía Pérez"));
        QCOMPARE(m.Volcado() + m.Valor(u"select count(*) from clientes"_s), bd);
        QCOMPARE(FallosDeIntegridad(m.b.conexion), QStringList());

        accion();
        if (cliente) {
            QCOMPARE(m.Valor(u"select nombre from clientes where telefono = '600999888'"_s),
                     QString::fromUtf8("Lucía Pérez"));
        } else {
            QCOMPARE(m.Columna(u"select idarreglo from arreglos"_s), QStringList{u"1"_s});
            QCOMPARE(m.Valor(u"select importe from caja where concepto = 'Ref. 1'"_s), u"10"_s);
            QVERIFY(m.PantallaVacia());
        }
    }

    // A finish's COMMIT lost after it reached the server (kept: tickets printed, nothing said), then
    // before (nothing written, told so); the server away and back: the order stays, saved once.
    void conexionPerdida()
    {
        if (BaseDePrueba::MotorPedido() != Motor::PostgreSQL)
            QSKIP("the embedded file has no connection to lose");
        Mostrador m;
        ServidorLejano lejos(m.b);
        m.b.conexion.AbrirPostgreSQL(lejos.datos);
        const QString dinero = u"select string_agg(idarreglo || ' ' || importe, ', ' order by 1) from caja"_s;
        lejos.Orden(u"cortar-tras-commit 1"_s);
        m.PedidoDeDosPrendas();
        m.Entregado(u"10"_s);
        m.Acabar(1, {6, 6});
        QVERIFY(m.PantallaVacia() && m.dialogos.mensajes.isEmpty() && m.impresora.Tickets().size() == 3);
        lejos.Orden(u"perder-commit 1"_s);
        m.PedidoDeDosPrendas();
        m.Entregado(u"5"_s);
        const QString pantalla = m.Pantalla();
        QString dicho;
        try {
            m.Acabar(1, {7, 7});
        } catch (const ErrorBaseDatos &e) {
            dicho = e.Mensaje();
        }
        QVERIFY2(dicho.contains(u"no se ha guardado nada"_s), qPrintable(dicho));
        QCOMPARE(m.Valor(dinero), u"1 10.00"_s);
        lejos.Orden(u"rechazar\ncortar"_s);
        QTRY_VERIFY_WITH_TIMEOUT((m.p.tmrConexion_Timer(), m.p.lblConexionPerdida), 10000);
        QCOMPARE(m.p.lblConexion, u"Sin conexión con el servidor: reintentando..."_s);
        // A touch while it is away: nothing reached it, and staff read so.
        try {
            m.Acabar(1, {7, 7});
            QFAIL("saved without a server");
        } catch (const ErrorBaseDatos &e) {
            QVERIFY2(e.Mensaje().contains(u"No se ha guardado nada y lo que hay en pantalla sigue ahí"_s),
                     qPrintable(e.Mensaje()));
        }
        lejos.Orden(u"aceptar"_s);
        QTRY_COMPARE_WITH_TIMEOUT((m.p.tmrConexion_Timer(), m.p.lblConexion), u"Conexión recuperada"_s,
                                  10000);
        QCOMPARE(m.Pantalla(), pantalla);
        m.Acabar(1, {7, 7});
        QCOMPARE(m.Valor(dinero), u"1 10.00, 2 5.00"_s);
    }
};

QTEST_GUILESS_MAIN(PruebaMostradores)
#include "test_bd_mostradores.moc"
