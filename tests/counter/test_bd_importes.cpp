#include "BaseDePrueba.h"
#include "cash/Caja.h"
#include "core/BaseDatos.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"

#include <QtTest>

namespace {

class PantallasFijas : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
};

const QString Refusal = QStringLiteral("refused");

} // namespace

// Every place staff type an amount, fed the same slips of the finger: what the screen then shows,
// what the cash journal keeps and what staff are told.
class PruebaImportes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void importesTecleados_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("leido");   // as shown, or Refusal
        QTest::addColumn<QString>("mensaje"); // what staff are told on a refusal

        const QString maximo = QString::fromUtf8(" pasa del máximo de 99,999.99 €.");
        const QString invalido = QString::fromUtf8(" no es un importe válido.");
        QTest::newRow("17 digits") << QStringLiteral("99999999999999999") << Refusal
                                   << QString::fromUtf8("El importe «99999999999999999»") + maximo;
        QTest::newRow("the largest") << QStringLiteral("99999.99") << QStringLiteral("99,999.99")
                                     << QString();
        QTest::newRow("grouped") << QStringLiteral("99,999.99") << QStringLiteral("99,999.99") << QString();
        QTest::newRow("one cent over")
            << QStringLiteral("100000") << Refusal << QString::fromUtf8("El importe «100000»") + maximo;
        QTest::newRow("grouped over")
            << QStringLiteral("100,000") << Refusal << QString::fromUtf8("El importe «100,000»") + maximo;
        QTest::newRow("exponent") << QStringLiteral("1e308") << Refusal
                                  << QString::fromUtf8("«1e308»") + invalido;
        QTest::newRow("negative") << QStringLiteral("-5") << Refusal
                                  << QString::fromUtf8("El importe no puede ser negativo: «-5».");
        QTest::newRow("two points") << QStringLiteral("1.2.3") << Refusal
                                    << QString::fromUtf8("«1.2.3»") + invalido;
        QTest::newRow("lone point") << QStringLiteral(".") << Refusal << QString::fromUtf8("«.»") + invalido;
        QTest::newRow("half a cent") << QStringLiteral(
            "0.005") << Refusal << QString::fromUtf8("Un importe lleva como mucho dos decimales: «0.005».");
        QTest::newRow("trailing zeros") << QStringLiteral("12.500") << QStringLiteral("12.50") << QString();
        QTest::newRow("cents only") << QStringLiteral(".5") << QStringLiteral("0.50") << QString();
    }

    void importesTecleados()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, leido);
        QFETCH(QString, mensaje);
        const bool aceptado = leido != Refusal;
        const QStringList avisos = aceptado ? QStringList() : QStringList{mensaje};

        BaseDePrueba b;
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        b.conexion.Ejecutar(QStringLiteral("delete from caja")); // only what this test books
        PantallasFijas pantallas;
        G().pantallas = &pantallas;
        G().salidaTickets = nullptr;
        G().NombreCierre = QStringLiteral("20261205");
        frmPrincipal p;
        p.ReiniciarVenta();
        for (Grid *g : {&p.gridFamilias, &p.gridProductos}) {
            for (int f = 1; f < g->Rows(); ++f)
                if (g->TextMatrix(f, 1) == QString::fromUtf8(g == &p.gridFamilias ? "Pantalón" : "Bajo"))
                    g->Row = f;
            g == &p.gridFamilias ? p.gridFamilias_Click() : p.gridProductos_Click();
        }
        QCOMPARE(p.txtTotal, QStringLiteral("8.00"));
        auto Caja = [&](const char *concepto) {
            QStringList r;
            for (const QString &v : b.Columna(QStringLiteral("select importe from caja where concepto = '%1'")
                                                  .arg(QString::fromUtf8(concepto))))
                r.append(FormatoImporte(Val(v)));
            return r;
        };
        auto Mensajes = [&] {
            const QStringList m = b.dialogos.mensajes;
            b.dialogos.mensajes.clear();
            return m;
        };

        // Handed over on the money keypad: the figures follow it, or stay as they were.
        b.dialogos.pad = {tecleado};
        p.cmdPendiente_Click();
        QCOMPARE(Mensajes(), avisos);
        QCOMPARE(p.txtEntregado, aceptado ? leido : QStringLiteral("0.00"));
        const double entregado = aceptado ? Val(leido) : 0;
        QCOMPARE(p.txtCambio, FormatoImporte(entregado > 8 ? entregado - 8 : 0));
        QCOMPARE(p.txtPendiente, FormatoImporte(entregado > 8 ? 0 : 8 - entregado));

        // A new price for the line.
        p.gridTPV.Row = 2;
        p.gridTPV.Col = frmPrincipal::ColImporte;
        b.dialogos.pad = {tecleado};
        p.gridTPV_Click();
        QCOMPARE(Mensajes(), avisos);
        QCOMPARE(p.gridTPV.TextMatrix(2, frmPrincipal::ColImporte),
                 aceptado ? leido : QStringLiteral("8.00"));

        // Haberdashery, confirmed: booked as read, or not at all.
        b.dialogos.pad = {tecleado};
        b.dialogos.siNo = {6, 7};
        p.cmdMerceria_Click();
        QCOMPARE(Mensajes(), avisos);
        QCOMPARE(Caja("Mercería"), aceptado ? QStringList{leido} : QStringList());

        // A withdrawal from the till.
        b.dialogos.pad = {tecleado};
        cmdSacarDinero_Click();
        QCOMPARE(Mensajes(), aceptado ? QStringList{QString::fromUtf8("Se ha registrado una retirada de ")
                                                    + leido + QString::fromUtf8(" € de la caja")}
                                      : avisos);
        QCOMPARE(Caja("Retirado de caja"), aceptado ? QStringList{QLatin1Char('-') + leido} : QStringList());
    }
};

QTEST_MAIN(PruebaImportes)
#include "test_bd_importes.moc"
