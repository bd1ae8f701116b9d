// Several counters finishing orders at the same moment on one database: every order gets its own
// number, the numbers are those one counter alone would give, nothing is lost, staff see no error.
// HILVAN_MOSTRADORES=8x500 makes the long run.
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "core/BaseDatos.h"
#include "demo/Demo.h"
#include "masterdata/frmFIchaCliente.h"

#include <QSet>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

// The demo shop's catalogue, customers and workers, without its orders and cash.
void TiendaSinArreglos(BaseDePrueba &b)
{
    LlenarDemo(b.conexion, QDate(2026, 12, 5));
    for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
        b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
}

} // namespace

class PruebaMostradores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variosMostradoresALaVez()
    {
        BaseDePrueba b;
        TiendaSinArreglos(b);
        const bool servidor = b.conexion.motor() == Motor::PostgreSQL;
        const int n = NumeroDeEntorno("HILVAN_MOSTRADORES", servidor ? 4 : 2, 0);
        const int m = NumeroDeEntorno("HILVAN_MOSTRADORES", 25, 1);

        std::vector<std::unique_ptr<PuestoProceso>> puestos;
        for (int i = 0; i < n; ++i)
            puestos.push_back(std::make_unique<PuestoProceso>(
                QStringLiteral(HILVAN_PUESTO), b,
                QStringList{QStringLiteral("--encargos"), QString::number(m)}));
        for (auto &p : puestos)
            QVERIFY(p->Listo());
        QElapsedTimer reloj;
        reloj.start();
        for (auto &p : puestos)
            p->Empezar();

        QStringList mensajes;
        QHash<QString, int> lineas; // order number -> lines its counter saved
        int acabados = 0;
        for (auto &p : puestos) {
            QVERIFY(p->proceso.waitForFinished(-1));
            for (const QString &l : p->Lineas()) {
                const QStringList partes = l.split(QLatin1Char(' '));
                if (partes.first() == QLatin1String("acabado")) {
                    ++acabados;
                    lineas.insert(partes.value(1), partes.value(2).toInt());
                } else if (partes.first() == QLatin1String("mensaje")) {
                    mensajes.append(l);
                }
            }
            QCOMPARE(p->proceso.exitCode(), mensajes.isEmpty() ? 0 : 2);
        }
        const double segundos = reloj.elapsed() / 1000.0;
        QCOMPARE(mensajes, QStringList());
        QCOMPARE(acabados, n * m);
        QCOMPARE(lineas.size(), n * m);

        // Numbered 1 to N*M with no gap, each order with exactly the lines its counter put on it.
        QStringList esperados;
        for (int i = 1; i <= n * m; ++i)
            esperados.append(QString::number(i));
        QStringList guardados =
            b.Columna(QStringLiteral("select idarreglo from arreglos order by idarreglo"));
        QCOMPARE(guardados, esperados);
        for (Recordset rs = b.conexion.AbrirRecordset(
                 QStringLiteral("select idarreglo, count(*) from arreglos_detalles group by idarreglo"));
             !rs.EOF_(); rs.MoveNext())
            QCOMPARE(int(Val(TextoDeValor(rs.Campo(1)))), lineas.value(TextoDeValor(rs.Campo(0)), -1));
        QCOMPARE(FallosDeIntegridad(b.conexion), QStringList());
        std::printf("FIABILIDAD mostradores %s %d %d %d %d %.1f\n", servidor ? "postgresql" : "sqlite", n, m,
                    acabados, int(QSet<QString>(guardados.begin(), guardados.end()).size()), segundos);
    }

    // Counters started together hand over the same orders: each is handed over and paid once, and
    // a counter that comes second is told so and books nothing.
    void entregasALaVez()
    {
        BaseDePrueba b;
        TiendaSinArreglos(b);
        const bool servidor = b.conexion.motor() == Motor::PostgreSQL;
        const int n = NumeroDeEntorno("HILVAN_ENTREGAS", 4, 0);
        const int k = NumeroDeEntorno("HILVAN_ENTREGAS", 40, 1);
        for (int i = 1; i <= k; ++i) {
            const QString a = QString::number(i);
            b.conexion.Ejecutar(QStringLiteral("insert into arreglos (idarreglo, idusuario, idcliente, "
                                               "fechaprevistaentrega, entregado, pagado) values (%1, 1, 1, "
                                               "'2026-12-10 00:00:00', 2, 0)")
                                    .arg(a));
            b.conexion.Ejecutar(
                QStringLiteral("insert into arreglos_detalles (idarreglo, idproducto, precio, "
                               "nombreprenda, referenciaprenda, fechaentrega, listoparaentrega, "
                               "idcosturera) values (%1, 1, 10, 'Falda', '%1.1', "
                               "'2026-12-10 00:00:00', 1, 1)")
                    .arg(a));
            b.conexion.Ejecutar(
                QStringLiteral("insert into caja (importe, concepto, fecha, nombrecierre, cerrado, "
                               "formapago, idarreglo, idticket) values (2, 'Ref. %1', "
                               "'2026-12-01 10:00:00', '20261201', 1, 1, %1, 0)")
                    .arg(a));
        }
        std::vector<std::unique_ptr<PuestoProceso>> puestos;
        for (int i = 0; i < n; ++i)
            puestos.push_back(std::make_unique<PuestoProceso>(
                QStringLiteral(HILVAN_PUESTO), b,
                QStringList{QStringLiteral("--accion"), QStringLiteral("entregas"),
                            QStringLiteral("--encargos"), QString::number(k)}));
        for (auto &p : puestos)
            QVERIFY(p->Listo());
        for (auto &p : puestos)
            p->Empezar();
        int entregas = 0, segundos = 0;
        for (auto &p : puestos) {
            QVERIFY(p->proceso.waitForFinished(-1));
            for (const QString &l : p->Lineas()) {
                if (l.startsWith(QLatin1String("entregado")))
                    ++entregas;
                else if (l.startsWith(QLatin1String("mensaje"))) {
                    QVERIFY2(l.contains(QStringLiteral("en otro mostrador")), qPrintable(l));
                    ++segundos;
                }
            }
        }
        QCOMPARE(entregas, k);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from arreglos where entregadoacliente = 1")),
                 QString::number(k));
        // The deposit and one hand-over per order, adding up to its price.
        QCOMPARE(
            b.Columna(QStringLiteral("select count(*) || '/' || sum(importe) from caja group by idarreglo "
                                     "having count(*) <> 2 or sum(importe) <> 10")),
            QStringList());
        QCOMPARE(FallosDeIntegridad(b.conexion), QStringList());
        std::printf("FIABILIDAD entregas %s %d %d %d %d\n", servidor ? "postgresql" : "sqlite", n, k,
                    entregas, segundos);
    }

    // A second program keeps the embedded file's write lock: the finish waits for the busy timeout,
    // then tells staff, keeps the order on screen and writes nothing; once free, it saves.
    void archivoOcupado()
    {
        if (BaseDePrueba::MotorPedido() == Motor::PostgreSQL)
            QSKIP("the server queues writers itself");
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("10"));
        const QString pantalla = m.Pantalla();
        const QString bd = m.Volcado();
        Conexion otro;
        AbrirOtraVez(m.b, otro);
        otro.ComenzarTransaccion();
        otro.Ejecutar(QStringLiteral("insert into colores (nombre) values ('Ocre')"));
        QString aviso;
        try {
            m.Acabar(1, {6, 6});
        } catch (const ErrorBaseDatos &e) {
            aviso = e.Mensaje();
        }
        QVERIFY2(aviso.contains(QString::fromUtf8("ocupada por otro mostrador")), qPrintable(aviso));
        QCOMPARE(m.Pantalla(), pantalla);
        otro.DeshacerTransaccion();
        QCOMPARE(m.Volcado(), bd);

        m.Acabar(1, {7, 7});
        QCOMPARE(m.Columna(QStringLiteral("select idarreglo from arreglos")),
                 QStringList{QStringLiteral("1")});
        QVERIFY(m.PantallaVacia());
    }

    // The file cannot take one more byte (a full disk, RLIMIT_FSIZE standing in for it, since the
    // tests may run as root) or cannot be written at all (a read-only database, PRAGMA query_only
    // giving the engine's same refusal) while an order is finished or a customer saved: staff are
    // told, the screen keeps what it had, nothing is written, and afterwards the same action works.
    void discoLlenoOSoloLectura_data()
    {
        QTest::addColumn<bool>("lleno");
        QTest::addColumn<bool>("cliente");
        QTest::newRow("disco lleno, fin de arreglo") << true << false;
        QTest::newRow("disco lleno, ficha de cliente") << true << true;
        QTest::newRow("solo lectura, fin de arreglo") << false << false;
        QTest::newRow("solo lectura, ficha de cliente") << false << true;
    }

    void discoLlenoOSoloLectura()
    {
        if (BaseDePrueba::MotorPedido() == Motor::PostgreSQL)
            QSKIP("the server's disk is the server's");
        QFETCH(bool, lleno);
        QFETCH(bool, cliente);
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("10"));
        frmFIchaCliente ficha;
        ficha.Abierto = true;
        ficha.txtNombre = QString::fromUtf8("Lucía Pérez");
        ficha.txtTelefono = QStringLiteral("600999888");
        const QString pantalla = m.Pantalla();
        const QString bd = m.Volcado() + m.Valor(QStringLiteral("select count(*) from clientes"));
        auto accion = [&] { cliente ? void(ficha.GuardarCliente()) : m.Acabar(1, {7, 7}); };

        // Whatever the journal held is in the file first, so that its next write starts the journal.
        m.b.conexion.Ejecutar(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        rlimit limite{};
        ::getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit antes = limite;
        const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
        if (lleno) {
            limite.rlim_cur = 8 * 1024; // the journal's header and a page: the commit fails halfway
            ::setrlimit(RLIMIT_FSIZE, &limite);
        } else {
            m.b.conexion.Ejecutar(QStringLiteral("PRAGMA query_only = 1"));
        }
        QString aviso;
        try {
            accion();
        } catch (const ErrorBaseDatos &e) {
            aviso = e.Mensaje();
        }
        ::setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, sigxfsz);
        m.b.conexion.Ejecutar(QStringLiteral("PRAGMA query_only = 0"));

        QVERIFY2(aviso.contains(QString::fromUtf8("No se pudo escribir en el disco")), qPrintable(aviso));
        QCOMPARE(m.Pantalla(), pantalla);
        QVERIFY(ficha.Abierto && ficha.txtNombre == QString::fromUtf8("Lucía Pérez"));
        QCOMPARE(m.Volcado() + m.Valor(QStringLiteral("select count(*) from clientes")), bd);
        QCOMPARE(FallosDeIntegridad(m.b.conexion), QStringList());

        accion();
        if (cliente)
            QCOMPARE(m.Valor(QStringLiteral("select nombre from clientes where telefono = '600999888'")),
                     QString::fromUtf8("Lucía Pérez"));
        else
            QCOMPARE(m.Columna(QStringLiteral("select idarreglo from arreglos")),
                     QStringList{QStringLiteral("1")});
    }

    // The server drops the counter's connection in the middle of a finish (as a restart does):
    // staff are told, the order stays on screen, nothing is half-written, and the next try works
    // without restarting the program.
    void servidorPerdido()
    {
        if (BaseDePrueba::MotorPedido() != Motor::PostgreSQL)
            QSKIP("only a server can go away");
        Mostrador m;
        m.PedidoDeDosPrendas();
        m.Entregado(QStringLiteral("10"));
        const QString pantalla = m.Pantalla();
        const QString bd = m.Volcado();
        const QString pid = m.Valor(QStringLiteral("select pg_backend_pid()"));
        Conexion otro;
        AbrirOtraVez(m.b, otro);
        m.dialogos.alElegirUsuario = [&] {
            otro.Ejecutar(QStringLiteral("select pg_terminate_backend(") + pid + QStringLiteral(", 5000)"));
        };
        QString aviso;
        try {
            m.Acabar(1, {6, 6});
        } catch (const ErrorBaseDatos &e) {
            aviso = e.Mensaje();
        }
        QVERIFY2(aviso.contains(QString::fromUtf8("No hay comunicación con el servidor")), qPrintable(aviso));
        QCOMPARE(m.Pantalla(), pantalla);
        QCOMPARE(m.Volcado(), bd);

        m.Acabar(1, {7, 7});
        QCOMPARE(m.Columna(QStringLiteral("select idarreglo from arreglos")),
                 QStringList{QStringLiteral("1")});
        QCOMPARE(m.Valor(QStringLiteral("select importe from caja where concepto = 'Ref. 1'")),
                 QStringLiteral("10"));
        QVERIFY(m.PantallaVacia());
    }
};

QTEST_GUILESS_MAIN(PruebaMostradores)
#include "test_bd_mostradores.moc"
