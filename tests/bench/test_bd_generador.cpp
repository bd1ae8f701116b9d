#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/HistoriaTienda.h"

#include <QtTest>
#include <cmath>
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

int Cuenta(BaseDePrueba &b, const QString &sql)
{
    return b.Valor(sql).toInt();
}

bool Igual(double a, double b)
{
    return std::fabs(a - b) < 0.005;
}

// What two generations must share to be the same history.
QString Huella(BaseDePrueba &b)
{
    QStringList h;
    for (const char *sql :
         {"select idcliente from arreglos order by idarreglo",
          "select fechaarreglo from arreglos order by idarreglo",
          "select referenciaprenda from arreglos_detalles order by idarreglodetalle",
          "select precio from arreglos_detalles order by idarreglodetalle",
          "select idcosturera from arreglos_detalles order by idarreglodetalle",
          "select importe from caja order by idmovimiento", "select nombre from clientes order by idcliente"})
        h += b.Columna(QString::fromLatin1(sql)).join(QLatin1Char(','));
    return h.join(QLatin1Char('|'));
}

} // namespace

class PruebaGenerador : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogoYPersonas()
    {
        BaseDePrueba b;
        const ResumenHistoria r = Generar(b);
        QCOMPARE(int(r.arreglos), 200);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from familias")), 40);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from productos")), 400);
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from productos where activo = 1")) > 0);
        // The sale screen dates the garment of product 21 for the same day.
        QCOMPARE(b.Valor(QStringLiteral("select nombre from productos where idproducto = 21")),
                 QString::fromUtf8("Urgente (entrega en el día)"));
        QCOMPARE(
            Cuenta(b, QStringLiteral("select count(*) from productos where nombre = 'Productos mercería'")),
            1);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from costureras")), 30);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from costureras where desactivado = 1")), 8);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from clientes")), int(r.clientes));
        QVERIFY(r.tiendas >= 3);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from clientes where estienda = 1")),
                 int(r.tiendas));
        QCOMPARE(Cuenta(b, QStringLiteral("select count(distinct telefono) from clientes")), int(r.clientes));
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from usuarios")), 5);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from parametros")), 1);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from formaspago where idformapago = 1")), 1);
    }

    void lineasYReferencias()
    {
        BaseDePrueba b;
        const ResumenHistoria r = Generar(b);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos")), 200);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles")), int(r.lineas));
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where idarreglo not in "
                                          "(select idarreglo from arreglos)")),
                 0);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos where idarreglo not in "
                                          "(select idarreglo from arreglos_detalles)")),
                 0);

        // Lines come in order and garment; a garment's lines share its label, date and workshop state.
        Recordset rs = b.conexion.AbrirRecordset(QStringLiteral(
            "select idarreglo, referenciaprenda, nombreprenda, fechaentrega, idcosturera, listoparaentrega "
            "from arreglos_detalles order by idarreglodetalle"));
        qint64 arreglo = 0;
        int prenda = 0, lineas = 0;
        QString clave;
        for (; !rs.EOF_(); rs.MoveNext()) {
            const qint64 n = rs.Campo(QStringLiteral("idarreglo")).toLongLong();
            const QString ref = rs.Campo(QStringLiteral("referenciaprenda")).toString();
            const QString estaClave = rs.Campo(QStringLiteral("nombreprenda")).toString()
                                      + rs.Campo(QStringLiteral("fechaentrega")).toString()
                                      + rs.Campo(QStringLiteral("idcosturera")).toString()
                                      + rs.Campo(QStringLiteral("listoparaentrega")).toString();
            if (n != arreglo) {
                QVERIFY2(n == arreglo + 1, qPrintable(QString::number(n)));
                arreglo = n;
                prenda = 0;
            }
            if (ref != QString::number(n) + QLatin1Char('.') + QString::number(prenda)) {
                QCOMPARE(ref, QString::number(n) + QLatin1Char('.') + QString::number(prenda + 1));
                ++prenda;
                QVERIFY(prenda <= 5);
                lineas = 0;
                clave = estaClave;
            }
            QVERIFY(++lineas <= 4);
            QCOMPARE(estaClave, clave);
        }
        QCOMPARE(arreglo, qint64(200));
    }

    void cajaYAbonado()
    {
        BaseDePrueba b;
        const ResumenHistoria r = Generar(b);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from caja")), int(r.movimientos));

        // What each order has in the journal is its deposit, then what was paid when it was
        // handed over; a partner shop pays nothing at the counter and all at its settlement.
        Recordset rs = b.conexion.AbrirRecordset(QStringLiteral(
            "select arreglos.idarreglo, arreglos.entregado, arreglos.entregadoacliente, clientes.estienda, "
            "(select sum(precio) from arreglos_detalles where arreglos_detalles.idarreglo = "
            "arreglos.idarreglo) "
            "as total, (select sum(importe) from caja where caja.idarreglo = arreglos.idarreglo) as pagado "
            "from arreglos inner join clientes on arreglos.idcliente = clientes.idcliente"));
        int abiertos = 0, entregados = 0, tiendasSaldadas = 0, tiendasPendientes = 0;
        for (; !rs.EOF_(); rs.MoveNext()) {
            const double entregado = rs.Campo(QStringLiteral("entregado")).toDouble();
            const double total = rs.Campo(QStringLiteral("total")).toDouble();
            const double pagado = rs.Campo(QStringLiteral("pagado")).toDouble();
            const bool tienda = rs.Campo(QStringLiteral("estienda")).toInt() == 1;
            const QString n = rs.Campo(QStringLiteral("idarreglo")).toString();
            if (rs.Campo(QStringLiteral("entregadoacliente")).toInt() != 1) {
                ++abiertos;
                QVERIFY2(Igual(pagado, entregado), qPrintable(n));
                QVERIFY2(pagado <= total + 0.005, qPrintable(n));
            } else if (!tienda) {
                ++entregados;
                QVERIFY2(Igual(pagado, total), qPrintable(n));
            } else {
                QVERIFY2(Igual(entregado, 0), qPrintable(n));
                QVERIFY2(Igual(pagado, total) || Igual(pagado, 0), qPrintable(n));
                if (Igual(pagado, 0))
                    ++tiendasPendientes;
                else
                    ++tiendasSaldadas;
            }
        }
        QVERIFY(abiertos > 0);
        QVERIFY(entregados > 0);
        QVERIFY(tiendasSaldadas + tiendasPendientes > 0);

        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from caja where importe = 0")), 0);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from caja where idarreglo <> 0 and concepto <> "
                                          "'Ref. ' || cast(idarreglo as varchar(20))")),
                 0);
        // Each settlement is booked and taken out again: the pairs leave the till as it was.
        QCOMPARE(
            b.Valor(QStringLiteral("select count(*) from caja where concepto = 'Retirado caja P.T.'")),
            b.Valor(QStringLiteral("select count(*) from caja k where idarreglo <> 0 and exists (select 1 "
                                   "from caja p where p.idmovimiento = k.idmovimiento + 1 and p.concepto = "
                                   "'Retirado caja P.T.' and p.importe = -k.importe)")));
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from caja where concepto = 'Mercería'")) > 0);
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from caja where concepto = 'Retirado de caja' and "
                                         "importe < 0"))
                > 0);
    }

    void diasDeCaja()
    {
        BaseDePrueba b;
        const ResumenHistoria r = Generar(b);
        QVERIFY(r.ultimoDia < b.reloj.Ahora().date());
        QCOMPARE(Cuenta(b, QStringLiteral("select count(distinct nombrecierre) from caja")), r.dias);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from caja where concepto = 'Inicio caja'")),
                 r.dias);

        // One opening float first thing each day, movements in the order of their time, and only
        // the last day still open.
        Recordset rs = b.conexion.AbrirRecordset(
            QStringLiteral("select fecha, nombrecierre, concepto, cerrado from caja order by idmovimiento"));
        QString dia;
        QDateTime antes;
        const QString ultimo = r.ultimoDia.toString(QStringLiteral("yyyyMMdd"));
        for (; !rs.EOF_(); rs.MoveNext()) {
            const QDateTime fecha = rs.Campo(QStringLiteral("fecha")).toDateTime();
            const QString cierre = rs.Campo(QStringLiteral("nombrecierre")).toString();
            QCOMPARE(cierre, fecha.toString(QStringLiteral("yyyyMMdd")));
            QVERIFY(!antes.isValid() || fecha >= antes);
            antes = fecha;
            if (cierre != dia) {
                QCOMPARE(rs.Campo(QStringLiteral("concepto")).toString(), QStringLiteral("Inicio caja"));
                dia = cierre;
            }
            QCOMPARE(rs.Campo(QStringLiteral("cerrado")).toInt(), cierre == ultimo ? 0 : 1);
        }
        QCOMPARE(dia, ultimo);
    }

    void estadosDeLasPrendas()
    {
        BaseDePrueba b;
        Generar(b);
        // A delivered order has its date, and every line back in the shop and assigned.
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos where entregadoacliente = 1 and "
                                          "fecharealentrega is null")),
                 0);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos where entregadoacliente is null and "
                                          "fecharealentrega is not null")),
                 0);
        QCOMPARE(Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles d inner join arreglos a on "
                                          "a.idarreglo = d.idarreglo where a.entregadoacliente = 1 and "
                                          "(d.listoparaentrega is null or d.listoparaentrega <> 1 or "
                                          "d.idcosturera is null)")),
                 0);
        QCOMPARE(
            Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where listoparaentrega = 1 and "
                                     "idcosturera is null")),
            0);
        QCOMPARE(
            Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where (idcosturera is null) <> "
                                     "(fechaasignaciontrabajador is null)")),
            0);
        QCOMPARE(
            Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where pagadoatrabajador = 1 and "
                                     "(listoparaentrega is null or listoparaentrega <> 1)")),
            0);
        QCOMPARE(
            Cuenta(b, QStringLiteral("select count(*) from arreglos where fechaprevistaentrega < "
                                     "(select max(fechaentrega) from arreglos_detalles d where d.idarreglo = "
                                     "arreglos.idarreglo)")),
            0);

        // Every state is there: taken in, with a worker, back in the shop, delivered, paid to the worker.
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where idcosturera is null"))
                > 0);
        QVERIFY(Cuenta(b, QStringLiteral(
                              "select count(*) from arreglos_detalles where idcosturera is not null and "
                              "(listoparaentrega is null or listoparaentrega = 0)"))
                > 0);
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles d inner join arreglos a on "
                                         "a.idarreglo = d.idarreglo where d.listoparaentrega = 1 and "
                                         "a.entregadoacliente is null"))
                > 0);
        QVERIFY(Cuenta(b, QStringLiteral("select count(*) from arreglos where entregadoacliente = 1")) > 0);
        QVERIFY(
            Cuenta(b, QStringLiteral("select count(*) from arreglos_detalles where pagadoatrabajador = 1"))
            > 0);

        // The open work is the last weeks' work.
        const QString haceTresSemanas =
            b.reloj.Ahora().addDays(-21).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QCOMPARE(Cuenta(b, QStringLiteral(
                               "select count(*) from arreglos_detalles d inner join arreglos a on "
                               "a.idarreglo = d.idarreglo where d.idcosturera is null and a.fechaarreglo < '")
                               + haceTresSemanas + QStringLiteral("'")),
                 0);
    }

    void mismaSemillaMismaHistoria()
    {
        QString primera, segunda, otra;
        {
            BaseDePrueba b;
            Generar(b, 11);
            primera = Huella(b);
        }
        {
            BaseDePrueba b;
            Generar(b, 11);
            segunda = Huella(b);
        }
        {
            BaseDePrueba b;
            Generar(b, 12);
            otra = Huella(b);
        }
        QCOMPARE(segunda, primera);
        QVERIFY(otra != primera);
    }

    void noTocaUnaTiendaConDatos()
    {
        BaseDePrueba b;
        LlenarDemo(b.conexion, b.reloj.Ahora().date());
        const QString antes = Huella(b);
        QVERIFY_THROWS_EXCEPTION(ErrorBaseDatos, Generar(b));
        QCOMPARE(Huella(b), antes);
    }
};

QTEST_GUILESS_MAIN(PruebaGenerador)
#include "test_bd_generador.moc"
