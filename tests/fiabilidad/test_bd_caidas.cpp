// A counter killed (SIGKILL) at any moment of its work: finishing and handing over orders, paying
// a partner shop's debt, annulling an order, making a backup. The database opens again intact,
// everything it reported as done is there whole, the till agrees with the orders, a backup file
// is whole or recognisably unfinished, and the program starts normally. HILVAN_CAIDAS=1000 makes
// the long run (shared among the four kinds of work); HILVAN_SEMILLA repeats a run.
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "cash/CopiaSeguridad.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Programa.h"
#include "demo/Demo.h"

#include <QDir>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Four orders of the partner shop Boutique Lola (customer 3), handed over and not paid yet.
void DeudaDeTienda(BaseDePrueba &b)
{
    const qint64 n = b.Valor(u"select coalesce(max(idarreglo), 0) from arreglos"_s).toLongLong();
    for (qint64 i = n + 1; i <= n + 4; ++i) {
        b.conexion.Ejecutar(u"insert into arreglos (idarreglo, idusuario, idcliente, fecharealentrega, "
                            "entregadoacliente) values (%1, 1, 3, '2026-12-04 10:00:00', 1)"_s.arg(i));
        b.conexion.Ejecutar(
            u"insert into arreglos_detalles (idarreglo, idproducto, precio, referenciaprenda) "
            "values (%1, 1, %2, '%1.1')"_s.arg(i)
                .arg(6 + i % 5));
    }
}

} // namespace

class PruebaCaidas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matarEnCualquierMomento_data()
    {
        QTest::addColumn<QString>("accion");
        for (const char *a : {"arreglos", "pagos", "anulaciones", "copias"})
            QTest::newRow(a) << QString::fromLatin1(a);
    }

    void matarEnCualquierMomento()
    {
        QFETCH(QString, accion);
        Mostrador m; // the demo shop without its orders and cash
        BaseDePrueba &b = m.b;
        b.conexion.Cerrar();
        const bool servidor = BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
        const int caidas = std::max(1, NumeroDeEntorno("HILVAN_CAIDAS", servidor ? 16 : 32) / 4);
        // Half the seeds are above what an int holds: read as unsigned, or they could not be repeated.
        const QString pedida = qEnvironmentVariable("HILVAN_SEMILLA");
        const quint32 semilla = pedida.isEmpty() ? QRandomGenerator::global()->generate() : pedida.toUInt();
        qInfo("semilla %u; se repite con %sHILVAN_SEMILLA=%u %s matarEnCualquierMomento:%s", semilla,
              servidor ? "HILVAN_MOTOR=postgresql " : "", semilla,
              qPrintable(QCoreApplication::applicationName()), qPrintable(accion));
        QRandomGenerator azar(semilla);
        const QDir copias(b.dir.filePath(u"copiasseguridad"_s));

        // The last word the counter said about each order: 1 there, -1 gone, 0 either.
        QHash<QString, int> estado;
        QSet<QString> entregados, pagados;
        int hechas = 0;
        for (int k = 0; k < caidas; ++k) {
            // The counter is the only program on the shop when it is killed.
            AbrirOtraVez(b, b.conexion);
            if (accion != QLatin1String("arreglos") && accion != QLatin1String("anulaciones"))
                DeudaDeTienda(b);
            const auto huella = b.Contenido(); // what a backup must not change
            b.conexion.Cerrar();
            PuestoProceso p(QStringLiteral(HILVAN_PUESTO), b,
                            {u"--accion"_s, accion, u"--semilla"_s, QString::number(azar.generate())});
            QVERIFY(p.Listo());
            p.Empezar();
            // A backup on the server runs two client tools and takes longer than a finish.
            QThread::msleep(azar.bounded(20, accion == QLatin1String("copias") && servidor ? 3000 : 400));
            p.proceso.kill();
            QVERIFY(p.proceso.waitForFinished(10000));
            for (const QString &l : p.Lineas()) {
                QVERIFY2(!l.startsWith(QLatin1String("mensaje")), qPrintable(l));
                const QStringList w = l.split(QLatin1Char(' '));
                static const QHash<QString, int> dicho{
                    {u"acabado"_s, 1}, {u"anulado"_s, -1}, {u"anulando"_s, 0}};
                if (dicho.contains(w[0]))
                    estado[w.value(1)] = dicho.value(w[0]);
                else if (w[0] == QLatin1String("entregado"))
                    entregados.insert(w.value(1));
                else if (w[0] == QLatin1String("pagado"))
                    for (const QString &n : w.mid(1))
                        pagados.insert(n);
                // A whole debt paid at once is one payment per order.
                hechas +=
                    w[0] == QLatin1String("pagado") ? int(w.size()) - 1 : w[0] != QLatin1String("anulando");
            }

            AbrirOtraVez(b, b.conexion);
            const QString donde = u"%1, caída %2, semilla %3: "_s.arg(accion).arg(k).arg(semilla);
            const QStringList fallos = FallosDeIntegridad(b.conexion);
            QVERIFY2(fallos.isEmpty(), qPrintable(donde + fallos.join(u"; "_s)));
            const QStringList guardados = b.Columna(u"select idarreglo from arreglos"_s);
            for (auto it = estado.cbegin(); it != estado.cend(); ++it)
                QVERIFY2(it.value() == 0 || guardados.contains(it.key()) == (it.value() == 1),
                         qPrintable(donde + it.key()));
            for (const QString &n : std::as_const(entregados))
                QCOMPARE(b.Columna(u"select entregadoacliente from arreglos where idarreglo = "_s + n),
                         QStringList{u"1"_s});
            // A payment reported is in the till once, the whole of the order.
            for (const QString &n : std::as_const(pagados))
                QVERIFY2(b.Columna(u"select count(*) from caja where idarreglo = "_s + n)
                             == QStringList{u"1"_s},
                         qPrintable(donde + n));
            if (accion == QLatin1String("copias")) {
                QVERIFY2(b.Contenido() == huella, qPrintable(donde));
                // Each file left is a sound copy, or one that says it is unfinished (empty, ".parcial").
                for (const QFileInfo &f : copias.entryInfoList(QDir::Files)) {
                    if (f.size() > 0 && !f.fileName().contains(QLatin1String(".parcial")))
                        QVERIFY2(VerificarCopia(b.conexion, f.filePath()).isEmpty(),
                                 qPrintable(donde + f.fileName()));
                    QFile::remove(f.filePath());
                }
            }
        }
        QVERIFY2(hechas >= std::max(1, caidas / 4), "the counters hardly got anything done");

        // The program's own start-up on what is left.
        const QString ruta = b.dir.filePath(u"bdcostuaccess.dat"_s);
        EscribirConfiguracion(ruta, b.LineasConfiguracion());
        {
            frmPrincipal f;
            QVERIFY(f.CargarFormulario(ruta));
            QCOMPARE(b.dialogos.mensajes, QStringList());
        }
        std::printf("FIABILIDAD caidas %s %s %d %d %u\n", servidor ? "postgresql" : "sqlite",
                    qPrintable(accion), caidas, hechas, semilla);
    }
};

QTEST_GUILESS_MAIN(PruebaCaidas)
#include "test_bd_caidas.moc"
