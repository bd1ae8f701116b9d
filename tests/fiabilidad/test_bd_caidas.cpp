// A counter killed (SIGKILL) at any moment while it finishes and hands over orders: the database
// opens again intact, every order it reported as finished is there whole, the till agrees with
// the orders and the program starts normally. HILVAN_CAIDAS=1000 makes the long run;
// HILVAN_SEMILLA repeats a run.
#include "Fiabilidad.h"
#include "Mostrador.h"
#include "core/BaseDatos.h"
#include "core/Configuracion.h"
#include "core/Programa.h"

#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <cstdio>

class PruebaCaidas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matarEnCualquierMomento()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        for (const char *tabla : {"caja", "arreglos_detalles", "arreglos"})
            b.conexion.Ejecutar(QStringLiteral("delete from ") + QString::fromLatin1(tabla));
        b.conexion.Cerrar();
        const bool servidor = BaseDePrueba::MotorPedido() == Motor::PostgreSQL;
        const int caidas = NumeroDeEntorno("HILVAN_CAIDAS", servidor ? 10 : 20);
        const quint32 semilla = qEnvironmentVariableIsSet("HILVAN_SEMILLA")
                                    ? quint32(qEnvironmentVariableIntValue("HILVAN_SEMILLA"))
                                    : QRandomGenerator::global()->generate();
        QRandomGenerator azar(semilla);

        QSet<QString> acabados, entregados;
        for (int k = 0; k < caidas; ++k) {
            PuestoProceso p(QStringLiteral(HILVAN_PUESTO), b,
                            {QStringLiteral("--entregas"), QStringLiteral("--semilla"),
                             QString::number(azar.generate())});
            QVERIFY(p.Listo());
            p.Empezar();
            QThread::msleep(azar.bounded(20, 400));
            p.proceso.kill();
            QVERIFY(p.proceso.waitForFinished(10000));
            for (const QString &l : p.Lineas()) {
                QVERIFY2(!l.startsWith(QLatin1String("mensaje")), qPrintable(l));
                (l.startsWith(QLatin1String("acabado")) ? acabados : entregados)
                    .insert(l.section(QLatin1Char(' '), 1, 1));
            }

            Conexion c;
            AbrirOtraVez(b, c);
            const QStringList fallos = FallosDeIntegridad(c);
            QVERIFY2(fallos.isEmpty(), qPrintable(QStringLiteral("caída %1, semilla %2: ").arg(k).arg(semilla)
                                                  + fallos.join(QStringLiteral("; "))));
            // What the counter reported (its tickets printed) was committed before: it is all there.
            const QSet<QString> guardados = [&c] {
                QSet<QString> r;
                for (Recordset rs = c.AbrirRecordset(QStringLiteral("select idarreglo from arreglos"));
                     !rs.EOF_(); rs.MoveNext())
                    r.insert(TextoDeValor(rs.Campo(0)));
                return r;
            }();
            QVERIFY(guardados.contains(acabados));
            for (const QString &n : std::as_const(entregados))
                QCOMPARE(TextoDeValor(
                             c.AbrirRecordset(QStringLiteral("select entregadoacliente from arreglos where "
                                                             "idarreglo = ")
                                              + n)
                                 .Campo(0)),
                         QStringLiteral("1"));
        }
        QVERIFY2(acabados.size() >= caidas / 2, "the counters hardly got to finish anything");
        QVERIFY(!entregados.isEmpty());

        // The program's own start-up on what is left.
        PantallasMostrador pantallas;
        G().pantallas = &pantallas;
        const QString ruta = b.dir.filePath(QStringLiteral("bdcostuaccess.dat"));
        if (servidor) {
            const DatosServidor d = BaseDePrueba::ServidorDePrueba(b.nombreBaseServidor);
            EscribirConfiguracion(ruta, {QString(), d.host + QLatin1Char(':') + QString::number(d.puerto),
                                         d.basedatos, d.usuario, QString()});
        } else {
            EscribirConfiguracion(ruta, {QStringLiteral("\"prueba.db\"")});
        }
        {
            frmPrincipal f;
            QVERIFY(f.CargarFormulario(ruta));
            QCOMPARE(b.dialogos.mensajes, QStringList());
        }
        std::printf("FIABILIDAD caidas %s %d %d %d 0\n", servidor ? "postgresql" : "sqlite", caidas,
                    int(acabados.size()), int(entregados.size()));
    }
};

QTEST_GUILESS_MAIN(PruebaCaidas)
#include "test_bd_caidas.moc"
