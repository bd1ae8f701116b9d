#include "BaseDePrueba.h"
#include "cash/Caja.h"
#include "core/Consultas.h"
#include "core/Programa.h"

#include <QtTest>

class PruebaCaja : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void movimientos()
    {
        BaseDePrueba b;
        MeterMovimientoCaja(0, QStringLiteral("Nada"), QStringLiteral("20261205"), 1, 0, 0);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));

        MeterMovimientoCaja(-12.5, QStringLiteral("Retirado de caja"), QStringLiteral("20261205"), 1, 0, 0);
        MeterMovimientoCaja(20, QStringLiteral("Ref. 40"), QStringLiteral("20261205"), 2, 40, 0);
        MeterMovimientoCaja(1234.56, QStringLiteral("Arreglo de D'Angelo"), QStringLiteral("20261205"), 1, 40, 0);
        QCOMPARE(b.Columna(QStringLiteral("select importe from caja order by idmovimiento")),
                 (QStringList{QStringLiteral("-12.5"), QStringLiteral("20"), QStringLiteral("1234.56")}));
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja where importe > 1000")),
                 QStringLiteral("Arreglo de D'Angelo"));
        QCOMPARE(b.Valor(QStringLiteral("select cerrado from caja where importe < 0")), QStringLiteral("0"));
        QCOMPARE(DimeSumaCajaArreglo(40), 1254.56);
        QCOMPARE(DimeFechaUltimoMovimiento(), QStringLiteral("05/12/2026 10:30:00"));
        QCOMPARE(DimeUltimoCierre(), QStringLiteral("20261205"));
    }

    void transaccionQueFallaNoDejaNada()
    {
        BaseDePrueba b;
        try {
            Transaccion t(b.conexion);
            MeterMovimientoCaja(10, QStringLiteral("Ref. 1"), QStringLiteral("20261205"), 1, 1, 0);
            b.conexion.Ejecutar(QStringLiteral("insert into tabla_que_no_existe values (1)"));
            t.Confirmar();
            QFAIL("the bad statement must throw");
        } catch (const ErrorBaseDatos &e) {
            QVERIFY(e.Mensaje().startsWith(QStringLiteral("Error en la base de datos")));
        }
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));
        // The connection is usable afterwards.
        MeterMovimientoCaja(5, QStringLiteral("Ref. 2"), QStringLiteral("20261205"), 1, 2, 0);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(PruebaCaja)
#include "test_bd_caja.moc"
