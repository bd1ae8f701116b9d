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
        // Rounded to cents before it is written, so that both backends keep the same figure.
        MeterMovimientoCaja(1234.567, QStringLiteral("Arreglo de D'Angelo"), QStringLiteral("20261205"), 1, 40, 0);
        MeterMovimientoCaja(0.004, QStringLiteral("Nada"), QStringLiteral("20261205"), 1, 0, 0);
        QCOMPARE(b.Columna(QStringLiteral("select importe from caja order by idmovimiento")),
                 (QStringList{QStringLiteral("-12.5"), QStringLiteral("20"), QStringLiteral("1234.57")}));
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja where importe > 1000")),
                 QStringLiteral("Arreglo de D'Angelo"));
        QCOMPARE(b.Valor(QStringLiteral("select cerrado from caja where importe < 0")), QStringLiteral("0"));
        QCOMPARE(DimeSumaCajaArreglo(40), 1254.57);
    }

    void retirada()
    {
        BaseDePrueba b;
        G().NombreCierre = QStringLiteral("20261205");
        b.dialogos.pad = {QStringLiteral("12.5"), QStringLiteral("0"), QString(), QStringLiteral("abc")};
        cmdSacarDinero_Click();
        cmdSacarDinero_Click();
        cmdSacarDinero_Click();
        cmdSacarDinero_Click();
        QCOMPARE(b.dialogos.titulosPad.first(), QString::fromUtf8("¿Cantidad a sacar de la caja?"));
        // A withdrawal of 0 books nothing but is still confirmed; no answer, no message; a figure
        // that is no amount is refused.
        QCOMPARE(b.dialogos.mensajes,
                 (QStringList{QString::fromUtf8("Se ha registrado una retirada de 12.50 € de la caja"),
                              QString::fromUtf8("Se ha registrado una retirada de 0.00 € de la caja"),
                              QString::fromUtf8("«abc» no es un importe válido.")}));
        QCOMPARE(b.Columna(QStringLiteral("select importe from caja")), QStringList{QStringLiteral("-12.5")});
        QCOMPARE(b.Valor(QStringLiteral("select concepto from caja")), QStringLiteral("Retirado de caja"));
        QCOMPARE(b.Valor(QStringLiteral("select nombrecierre from caja")), QStringLiteral("20261205"));

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
            QCOMPARE(e.Mensaje(), QString::fromUtf8("Error en la base de datos.\r\nLa base de datos no tiene la "
                                                    "estructura que el programa espera (falta una tabla o una columna)."));
        }
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("0"));
        // The connection is usable afterwards.
        MeterMovimientoCaja(5, QStringLiteral("Ref. 2"), QStringLiteral("20261205"), 1, 2, 0);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from caja")), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(PruebaCaja)
#include "test_bd_caja.moc"
