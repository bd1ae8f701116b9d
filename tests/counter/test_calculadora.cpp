#include "counter/frmCalculadora2.h"

#include <QtTest>

namespace {

// Types a sequence of keys as a person would, e.g. "12.5+7.5=".
QString Teclear(frmCalculadora2 &c, const QString &teclas)
{
    for (QChar k : teclas) {
        if (k.isDigit() || k == u'.')
            c.Digito(k);
        else if (k == u'=')
            c.Igual();
        else if (k == u'%')
            c.Porcentaje();
        else if (k == u'C')
            c.Borrar();
        else if (k == u'<')
            c.Retroceso();
        else
            c.Operacion(k);
    }
    return c.txtPantalla;
}

} // namespace

class PruebaCalculadora : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cuentas()
    {
        frmCalculadora2 c;
        QCOMPARE(Teclear(c, QStringLiteral("12.5+7.5=")), QStringLiteral("20"));
        QCOMPARE(Teclear(c, QStringLiteral("C0.1+0.2=")), QStringLiteral("0.3"));
        QCOMPARE(Teclear(c, QStringLiteral("C2+3*4=")), QStringLiteral("20")); // left to right, like a desk calculator
        QCOMPARE(Teclear(c, QStringLiteral("C10-4-3=")), QStringLiteral("3"));
        QCOMPARE(Teclear(c, QStringLiteral("C7/2=")), QStringLiteral("3.5"));
        QCOMPARE(Teclear(c, QStringLiteral("*2=")), QStringLiteral("7"));   // goes on from the result
        QCOMPARE(Teclear(c, QStringLiteral("C1..5")), QStringLiteral("1.5")); // one point only
        QCOMPARE(Teclear(c, QStringLiteral("C123<")), QStringLiteral("12"));
        QCOMPARE(Teclear(c, QStringLiteral("C5+-3=")), QStringLiteral("2")); // a second operator replaces the first
    }

    void porcentajeYErrores()
    {
        frmCalculadora2 c;
        QCOMPARE(Teclear(c, QStringLiteral("200+10%")), QStringLiteral("220"));
        QCOMPARE(Teclear(c, QStringLiteral("C200-15%")), QStringLiteral("170"));
        QCOMPARE(Teclear(c, QStringLiteral("C80*25%")), QStringLiteral("20"));
        QCOMPARE(Teclear(c, QStringLiteral("C50%")), QStringLiteral("0.5"));
        QCOMPARE(Teclear(c, QStringLiteral("C8/0=")), QStringLiteral("Error"));
        QCOMPARE(Teclear(c, QStringLiteral("+=")), QStringLiteral("Error")); // only C or a digit leaves the error
        QCOMPARE(Teclear(c, QStringLiteral("4+1=")), QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(PruebaCalculadora)
#include "test_calculadora.moc"
