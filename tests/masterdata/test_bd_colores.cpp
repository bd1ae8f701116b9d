#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmNuevoColor.h"

#include <QtTest>
#include <functional>

namespace {

// "Nuevo" opens the real small window, filled in by the test.
class PantallasColores : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void NuevoColor() override
    {
        frmNuevoColor nuevo;
        nuevo.CargarFormulario([&] {
            nuevo.txtColor = texto;
            nuevo.cmdAceptar_Click();
            sigueAbierto = nuevo.Abierto;
        });
    }
    QString texto;
    bool sigueAbierto = false;
};

void Colores(BaseDePrueba &b, int n)
{
    b.conexion.Ejecutar(QStringLiteral("delete from colores"));
    for (int i = 1; i <= n; ++i)
        b.conexion.Ejecutar(QStringLiteral("insert into colores (nombre) values ('Color %1')")
                                .arg(i, 2, 10, QLatin1Char('0')));
}

QString Nombre(int i)
{
    return QStringLiteral("Color %1").arg(i, 2, 10, QLatin1Char('0'));
}

} // namespace

class PruebaColores : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dieciochoPorColumna()
    {
        BaseDePrueba b;
        frmColores f;
        const struct {
            int colores, columnas;
        } casos[] = {{0, 2}, {9, 2}, {10, 4}, {18, 4}, {19, 4}, {27, 6}, {45, 6}, {46, 8}};
        for (const auto &c : casos) {
            Colores(b, c.colores);
            f.CargarColores();
            QVERIFY2(f.gridColores.Cols() == c.columnas, qPrintable(QString::number(c.colores)));
            QCOMPARE(f.gridColores.Rows(), 19);
            QVERIFY(f.gridColores.Cols() / 2 * 18 >= c.colores);
        }

        Colores(b, 19);
        f.CargarColores();
        QCOMPARE(f.gridColores.TextMatrix(18, 1), Nombre(18));
        QCOMPARE(f.gridColores.TextMatrix(1, 3), Nombre(19));
        QVERIFY(Val(f.gridColores.TextMatrix(1, 2)) > 0);
        QCOMPARE(f.gridColores.TextMatrix(2, 3), QString());
        QCOMPARE(f.gridColores.TextMatrix(0, 1), QStringLiteral("Color"));

        Colores(b, 27);
        f.CargarColores();
        QCOMPARE(f.gridColores.TextMatrix(9, 3), Nombre(27));
        QCOMPARE(f.gridColores.TextMatrix(1, 5), QString());
    }

    void elegir()
    {
        BaseDePrueba b;
        Colores(b, 20);
        frmColores f;
        const QString elegido = f.CargarFormulario([&f] {
            f.gridColores.Row = 2;
            f.gridColores.Col = 3;
            f.cmdAceptar_Click();
        });
        QCOMPARE(elegido, Nombre(20));
        QVERIFY(!f.Abierto);

        QCOMPARE(f.CargarFormulario([&f] {
                     f.gridColores.Row = 5;
                     f.gridColores.Col = 3;
                     f.cmdAceptar_Click();
                 }),
                 QString());
        QCOMPARE(f.CargarFormulario([&f] { f.cmdCancelar_Click(); }), QString());
        // Escape leaves the answer as it was.
        f.Resultado = Nombre(1);
        QCOMPARE(f.CargarFormulario([&f] { f.Form_KeyPress(27); }), Nombre(1));
    }

    void borrarConConfirmacion()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(QStringLiteral("insert into colores (nombre) values ('Azul')"));
        b.conexion.Ejecutar(QStringLiteral("insert into colores (nombre) values ('Rojo ')"));
        frmColores f;
        f.CargarFormulario({});
        f.gridColores.Row = 2;
        f.gridColores.Col = 1;
        b.dialogos.siNo = {7, 6};
        f.cmdBorrar_Click();
        QCOMPARE(b.dialogos.preguntas,
                 QStringList{QString::fromUtf8("Se va a eliminar el color ROJO de la lista de colores.\r\n"
                                               "¿Desea continuar?")});
        QCOMPARE(b.Columna(QStringLiteral("select nombre from colores")).size(), 2);
        f.cmdBorrar_Click();
        QCOMPARE(b.Columna(QStringLiteral("select nombre from colores")),
                 QStringList{QStringLiteral("Azul")});
        QCOMPARE(f.gridColores.TextMatrix(2, 1), QString());
        // An empty cell asks nothing.
        f.cmdBorrar_Click();
        QCOMPARE(b.dialogos.preguntas.size(), 2);
    }

    void nuevoColor()
    {
        BaseDePrueba b;
        PantallasColores pantallas;
        G().pantallas = &pantallas;
        frmColores f;
        f.CargarFormulario({});

        pantallas.texto = QStringLiteral("   ");
        f.cmdNuevo_Click();
        QVERIFY(pantallas.sigueAbierto);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from colores")), QStringLiteral("0"));

        pantallas.texto = QStringLiteral("Azul d'Orsay");
        f.cmdNuevo_Click();
        QVERIFY(!pantallas.sigueAbierto);
        QCOMPARE(b.Columna(QStringLiteral("select nombre from colores")),
                 QStringList{QStringLiteral("Azul d'Orsay")});
        QCOMPARE(f.gridColores.TextMatrix(1, 1), QStringLiteral("Azul d'Orsay"));
    }
};

QTEST_GUILESS_MAIN(PruebaColores)
#include "test_bd_colores.moc"
