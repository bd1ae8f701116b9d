#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "core/BaseDatos.h"
#include "demo/HistoriaTienda.h"

#include <QtTest>
#include <map>

namespace {

ResumenHistoria Generar(BaseDePrueba &b, quint32 semilla = 7)
{
    OpcionesHistoria o;
    o.arreglos = 200;
    o.semilla = semilla;
    o.hoy = b.reloj.Ahora().date();
    return GenerarHistoria(b.conexion, o);
}

} // namespace

class PruebaGenerador : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void historiaCoherente()
    {
        BaseDePrueba b;
        const ResumenHistoria r = Generar(b);
        QVERIFY(r.tiendas >= 3);
        QVERIFY(r.ultimoDia < b.reloj.Ahora().date());
        // What the summary reports is what was written; the rows the screens rely on are there.
        const std::pair<const char *, qint64> cuentas[] = {
            {"select count(*) from arreglos", 200},
            {"select count(*) from arreglos_detalles", r.lineas},
            {"select count(distinct telefono) from clientes", r.clientes},
            {"select count(*) from clientes where estienda = 1", r.tiendas},
            {"select count(*) from caja", r.movimientos},
            {"select count(distinct nombrecierre) from caja", r.dias},
            {"select count(*) from caja where concepto = 'Inicio caja'", r.dias},
            {"select count(*) from productos where nombre = 'Productos mercería'", 1},
            {"select count(*) from productos where idproducto = 21 and nombre = 'Urgente (entrega en el "
             "día)'",
             1},
        };
        for (const auto &[sql, n] : cuentas)
            QVERIFY2(b.Valor(QString::fromUtf8(sql)).toInt() == n, sql);

        // What never happens in a shop's history: the till and the orders agree, order by order.
        QCOMPARE(FallosDeIntegridad(b.conexion), QStringList());
        for (const char *sql : {
                 "select count(*) from caja where importe = 0",
                 // A delivered order has its date, and every line back in the shop and assigned.
                 "select count(*) from arreglos where entregadoacliente = 1 and fecharealentrega is null",
                 "select count(*) from arreglos where entregadoacliente is null and fecharealentrega is not "
                 "null",
                 "select count(*) from arreglos_detalles d inner join arreglos a on a.idarreglo = "
                 "d.idarreglo where a.entregadoacliente = 1 and (d.listoparaentrega is null or "
                 "d.listoparaentrega <> 1 or d.idcosturera is null)",
                 "select count(*) from arreglos_detalles where listoparaentrega = 1 and idcosturera is null",
                 "select count(*) from arreglos_detalles where (idcosturera is null) <> "
                 "(fechaasignaciontrabajador is null)",
                 "select count(*) from arreglos_detalles where pagadoatrabajador = 1 and (listoparaentrega "
                 "is null or listoparaentrega <> 1)",
                 "select count(*) from arreglos where fechaprevistaentrega < (select max(fechaentrega) from "
                 "arreglos_detalles d where d.idarreglo = arreglos.idarreglo)",
                 // The open work is the last weeks' work.
                 "select count(*) from arreglos_detalles d inner join arreglos a on a.idarreglo = "
                 "d.idarreglo where d.idcosturera is null and a.fechaarreglo < '2026-11-14 10:30:00'",
             })
            QVERIFY2(b.Valor(QString::fromUtf8(sql)).toInt() == 0, sql);

        // Every state is there: taken in, with a worker, back in the shop, delivered, paid to the
        // worker; haberdashery and withdrawals in the cash.
        for (const char *sql : {
                 "select count(*) from arreglos_detalles where idcosturera is null",
                 "select count(*) from arreglos_detalles where idcosturera is not null and (listoparaentrega "
                 "is "
                 "null or listoparaentrega = 0)",
                 "select count(*) from arreglos_detalles d inner join arreglos a on a.idarreglo = "
                 "d.idarreglo "
                 "where d.listoparaentrega = 1 and a.entregadoacliente is null",
                 "select count(*) from arreglos where entregadoacliente = 1",
                 "select count(*) from arreglos_detalles where pagadoatrabajador = 1",
                 "select count(*) from caja where concepto = 'Mercería'",
                 "select count(*) from caja where concepto = 'Retirado de caja' and importe < 0",
             })
            QVERIFY2(b.Valor(QString::fromUtf8(sql)).toInt() > 0, sql);

        // Lines come in order and garment; a garment's lines share its label, date and workshop state.
        Recordset rs = b.conexion.AbrirRecordset(QStringLiteral(
            "select idarreglo, referenciaprenda, nombreprenda, fechaentrega, idcosturera, listoparaentrega "
            "from arreglos_detalles order by idarreglodetalle"));
        qint64 arreglo = 0;
        int prenda = 0, lineas = 0;
        QString clave;
        for (; !rs.EOF_(); rs.MoveNext()) {
            const qint64 n = rs.Campo(0).toLongLong();
            const QString ref = rs.Campo(1).toString();
            const QString estaClave = rs.Campo(2).toString() + rs.Campo(3).toString() + rs.Campo(4).toString()
                                      + rs.Campo(5).toString();
            if (n != arreglo) {
                QVERIFY2(n == arreglo + 1, qPrintable(QString::number(n)));
                arreglo = n;
                prenda = 0;
            }
            if (ref != QString::number(n) + QLatin1Char('.') + QString::number(prenda)) {
                QCOMPARE(ref, QString::number(n) + QLatin1Char('.') + QString::number(++prenda));
                QVERIFY(prenda <= 5);
                lineas = 0;
                clave = estaClave;
            }
            QVERIFY(++lineas <= 4);
            QCOMPARE(estaClave, clave);
        }

        // One opening float first thing each day, movements in the order of their time, and only
        // the last day still open.
        rs = b.conexion.AbrirRecordset(
            QStringLiteral("select fecha, nombrecierre, concepto, cerrado from caja order by idmovimiento"));
        QString dia;
        QDateTime antes;
        const QString ultimo = r.ultimoDia.toString(QStringLiteral("yyyyMMdd"));
        for (; !rs.EOF_(); rs.MoveNext()) {
            const QDateTime fecha = rs.Campo(0).toDateTime();
            const QString cierre = rs.Campo(1).toString();
            QCOMPARE(cierre, fecha.toString(QStringLiteral("yyyyMMdd")));
            QVERIFY(!antes.isValid() || fecha >= antes);
            antes = fecha;
            if (cierre != dia) {
                QCOMPARE(rs.Campo(2).toString(), QStringLiteral("Inicio caja"));
                dia = cierre;
            }
            QCOMPARE(rs.Campo(3).toInt(), cierre == ultimo ? 0 : 1);
        }
        QCOMPARE(dia, ultimo);

        // The same seed gives the same history, another seed another; a shop with data is never touched.
        BaseDePrueba misma, otra;
        Generar(misma);
        Generar(otra, 8);
        QCOMPARE(misma.Contenido(), b.Contenido());
        const auto previo = otra.Contenido();
        QVERIFY(previo != b.Contenido());
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, Generar(otra));
        QCOMPARE(otra.Contenido(), previo);
    }
};

QTEST_GUILESS_MAIN(PruebaGenerador)
#include "test_bd_generador.moc"
