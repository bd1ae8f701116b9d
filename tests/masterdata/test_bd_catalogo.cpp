#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"

#include <QtTest>
#include <functional>

namespace {

// The screens the catalogue opens, run on their real form models with what the test types.
class PantallasCatalogo : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void NuevaFamilia(int idfamilia) override
    {
        frmNuevaFamilia f;
        f.CargarFormulario(idfamilia, [&] {
            leido = f.txtFamilia;
            f.txtFamilia = nombre;
            f.cmdAceptar_Click();
        });
    }
    void MantProductos(int idproducto) override
    {
        abiertos.append(QStringLiteral("producto ") + QString::number(idproducto));
        frmMantProductos f;
        f.CargarFormulario(idproducto, [&] {
            f.txtPVPPublico = precio;
            f.cmdAceptar_Click();
        });
    }
    void ListadoProductos() override { abiertos.append(QStringLiteral("lista")); }
    QString nombre, leido, precio;
    QStringList abiertos;
};

int IdFamilia(BaseDePrueba &b, const char *nombre)
{
    return b
        .Valor(QStringLiteral("select idfamilia from familias where nombre = '%1'")
                   .arg(QString::fromUtf8(nombre)))
        .toInt();
}

} // namespace

class PruebaCatalogo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fichaDeProducto()
    {
        BaseDePrueba b;
        b.Insertar("familias", "nombre", {"'Pantalón'", "'Falda'"});
        frmMantProductos f;
        f.CargarFormulario(0, nullptr);
        QCOMPARE(f.cmbFamilia.Text, QStringLiteral("Seleccione"));
        QCOMPARE(f.cmdAceptarCaption, QStringLiteral("Aceptar"));

        // A public price proposes a third of it as the worker's pay; anything else leaves the pay.
        const struct {
            const char *publico, *pago;
        } propuestas[] = {{"12", "4.00"}, {"10", "3.33"}, {"", "3.33"}, {"abc", "3.33"}, {"1,500", "500.00"}};
        for (const auto &p : propuestas) {
            f.txtPVPPublico = QString::fromLatin1(p.publico);
            f.txtPVPPublico_Change();
            QCOMPARE(f.txtPagoTrabajador, QString::fromLatin1(p.pago));
        }
        b.dialogos.pad = {QStringLiteral("12"), QString()};
        f.cmdPrecioPublico_Click();
        QCOMPARE(f.txtPVPPublico, QStringLiteral("12.00"));
        QCOMPARE(f.txtPagoTrabajador, QStringLiteral("4.00"));
        f.cmdPrecioEspecial_Click(); // cancelled: the box keeps what it had
        QCOMPARE(f.txtPrecioEspecial, QString());
        QCOMPARE(b.dialogos.titulosPad, QStringList({QString::fromUtf8("Introduzca el precio al público"),
                                                     "Introduzca el precio especial"}));

        // Each refusal in its turn, the card staying open with what was typed.
        f.txtPVPPublico = f.txtPrecioEspecial = f.txtPagoTrabajador = QString();
        const QStringList refusals = {
            "Seleccione una familia para el arreglo", "Ponga una descripcion al arreglo",
            "Ponga un precio al publico correcto", "Ponga un precio especial / a tiendas correcto",
            "Ponga un precio de pago al trabajador correcto"};
        const std::function<void()> arreglos[] = {
            [&] { f.cmbFamilia.ElegirTexto(QStringLiteral("Falda")); },
            [&] { f.txtDescripcion = QStringLiteral("Bajo d'Anna"); },
            [&] { f.txtPVPPublico = QStringLiteral("1,234.567"); },
            [&] { f.txtPrecioEspecial = QStringLiteral("9.5"); },
            [&] { f.txtPagoTrabajador = QStringLiteral("4"); },
        };
        f.Abierto = true;
        for (int i = 0; i < 5; ++i) {
            f.cmdAceptar_Click();
            QCOMPARE(b.dialogos.mensajes.last(), refusals[i]);
            QVERIFY(f.Abierto);
            arreglos[i]();
        }
        f.txtPagoTrabajador = QStringLiteral("4; drop table productos");
        f.cmdAceptar_Click();
        QCOMPARE(b.dialogos.mensajes.last(), refusals[4]);
        f.txtPagoTrabajador = QStringLiteral("4");
        f.cmdAceptar_Click();
        QCOMPARE(b.dialogos.mensajes.last(), QStringLiteral("Producto guardado"));
        QVERIFY(!f.Abierto);
        Recordset rs = b.conexion.AbrirRecordset(
            QStringLiteral("select idfamilia, nombre, precio1, precio2, precio3, activo from productos"));
        QCOMPARE(rs.Cuantos(), 1);
        QCOMPARE(rs.Campo(0).toInt(), IdFamilia(b, "Falda"));
        QCOMPARE(rs.Campo(1).toString(), QStringLiteral("Bajo d'Anna"));
        QCOMPARE(Val(rs.Campo(2).toString()), 1234.57);
        QCOMPARE(Val(rs.Campo(3).toString()), 9.5);
        QCOMPARE(Val(rs.Campo(4).toString()), 4.0);
        QCOMPARE(rs.Campo(5).toInt(), 0);
    }

    // A product withdrawn on its card: "*name" in the list, gone from the counter.
    void retirarYModificar()
    {
        BaseDePrueba b;
        PantallasCatalogo pantallas;
        G().pantallas = &pantallas;
        b.Insertar("familias", "nombre", {"'Pantalón'"});
        const int pantalon = IdFamilia(b, "Pantalón");
        for (const char *p : {"Bajo", "Meter cintura", "Zurcir"})
            b.conexion.Ejecutar(
                QStringLiteral("insert into productos (idfamilia, nombre, precio1, precio2, precio3, "
                               "activo) values (%1, '%2', 8, 6, 0, 0)")
                    .arg(pantalon)
                    .arg(QString::fromLatin1(p)));
        const QString cintura =
            b.Valor(QStringLiteral("select idproducto from productos where nombre = 'Meter cintura'"));

        frmMantProductos ficha;
        ficha.CargarFormulario(cintura.toInt(), [&] {
            QCOMPARE(ficha.cmbFamilia.Text, QString::fromUtf8("Pantalón"));
            QCOMPARE(ficha.txtDescripcion, QStringLiteral("Meter cintura"));
            QCOMPARE(ficha.txtPVPPublico, QStringLiteral("8.00"));
            QCOMPARE(ficha.cmdAceptarCaption, QStringLiteral("Actualizar"));
            ficha.chkActivo = true;
            ficha.cmdAceptar_Click();
        });
        QCOMPARE(b.dialogos.mensajes.last(), QStringLiteral("Producto actualizado"));

        frmListadoProductos lista;
        lista.CargarFormulario(nullptr);
        QCOMPARE(TextosColumna(lista.gridProductos, 2), QStringList({"Bajo", "*Meter cintura", "Zurcir"}));
        QCOMPARE(lista.gridProductos.TextMatrix(2, 3), QStringLiteral("8.00"));
        frmPrincipal mostrador;
        mostrador.LlenarProductos(pantalon);
        QCOMPARE(TextosColumna(mostrador.gridProductos, 1), QStringList({"Bajo", "Zurcir"}));

        // "Modificar datos" comes back to the same row, with the list read again.
        pantallas.precio = QStringLiteral("15");
        lista.gridProductos_Click(3);
        lista.cmdModificar_Click();
        QCOMPARE(pantallas.abiertos.last(),
                 QStringLiteral("producto ") + lista.gridProductos.TextMatrix(3, 0));
        QCOMPARE(lista.gridProductos.Row, 3);
        QCOMPARE(lista.gridProductos.TextMatrix(3, 3), QStringLiteral("15.00"));

        frmDecProd menu;
        menu.CargarFormulario([&] { menu.cmdAsignar_Click(); });
        menu.CargarFormulario([&] { menu.cmdVerArreglo_Click(); });
        menu.CargarFormulario([&] { menu.Form_KeyPress(27); });
        QCOMPARE(pantallas.abiertos.mid(1), QStringList({"producto 0", "lista"}));
    }

    void familias()
    {
        BaseDePrueba b;
        PantallasCatalogo pantallas;
        G().pantallas = &pantallas;
        frmFamilias f;
        f.CargarFormulario(nullptr);
        QCOMPARE(f.gridFamilias.Rows(), 1);

        for (const char *nombre : {"", "   ", "Camisa", "Abrigo d'Ana"}) {
            pantallas.nombre = QString::fromLatin1(nombre);
            f.cmdNuevo_Click();
        }
        QCOMPARE(TextosColumna(f.gridFamilias, 1), QStringList({"Abrigo d'Ana", "Camisa"}));

        frmNuevaFamilia vacia; // an empty name leaves the small window open and changes nothing
        vacia.CargarFormulario(IdFamilia(b, "Camisa"), [&] {
            vacia.txtFamilia.clear();
            vacia.cmdAceptar_Click();
            QVERIFY(vacia.Abierto);
        });

        f.gridFamilias.Row = 2;
        pantallas.nombre = QStringLiteral("Blusa");
        f.cmdEditarFamilia_Click();
        QCOMPARE(pantallas.leido, QStringLiteral("Camisa"));
        QCOMPARE(TextosColumna(f.gridFamilias, 1), QStringList({"Abrigo d'Ana", "Blusa"}));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from familias")), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(PruebaCatalogo)
#include "test_bd_catalogo.moc"
