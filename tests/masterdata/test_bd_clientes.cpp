#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"

#include <QtTest>
#include <functional>

namespace {

// The card opened from the list is the real card, filled in by the test.
class PantallasFicha : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void FichaCliente(const QString &telefono, int idcliente) override
    {
        frmFIchaCliente ficha;
        ficha.CargarFormulario(telefono, idcliente, [&] { rellenar(ficha); });
        ++aperturas;
    }
    std::function<void(frmFIchaCliente &)> rellenar = [](frmFIchaCliente &) {};
    int aperturas = 0;
};

void Alta(BaseDePrueba &b, const QString &nombre, const QString &telefono, int tienda = 0)
{
    b.conexion.Ejecutar(
        QStringLiteral("insert into clientes (nombre, telefono, estienda) values (%1, %2, %3)")
            .arg(ComillasSQL(nombre), ComillasSQL(telefono), QString::number(tienda)));
}

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

class PruebaClientes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void busqueda()
    {
        BaseDePrueba b;
        Alta(b, QStringLiteral("Mariana Ruiz"), QStringLiteral("600000001"));
        Alta(b, QStringLiteral("Ana Belén"), QStringLiteral("600000002"));
        Alta(b, QStringLiteral("Moda"), QStringLiteral("910000000"), 1);
        Alta(b, QStringLiteral("Pedro"), QStringLiteral("600000003"));
        Alta(b, QStringLiteral("Juan O'Hara"), QStringLiteral("600000004"));

        frmListaClientes l;
        l.CargarFormulario({});
        QCOMPARE(TextosColumna(l.gridClientes, 1),
                 (QStringList{QStringLiteral("Ana Belén"), QStringLiteral("Juan O'Hara"),
                              QStringLiteral("Mariana Ruiz"), QStringLiteral("(*)Moda"),
                              QStringLiteral("Pedro")}));
        QCOMPARE(l.gridClientes.TextMatrix(1, 3), QStringLiteral("600000002"));

        l.txtNombre = QStringLiteral("ana");
        l.cmdBuscar_Click();
        QCOMPARE(TextosColumna(l.gridClientes, 1),
                 (QStringList{QStringLiteral("Ana Belén"), QStringLiteral("Mariana Ruiz")}));
        l.txtNombre = QStringLiteral("O'H");
        l.cmdBuscar_Click();
        QCOMPARE(TextosColumna(l.gridClientes, 1), QStringList{QStringLiteral("Juan O'Hara")});
        l.txtNombre = QStringLiteral("nadie");
        l.cmdBuscar_Click();
        QCOMPARE(l.gridClientes.Rows(), 1);
        l.gridClientes_Click(1); // a touch below the last row chooses nothing
        QCOMPARE(l.IdClienteElegido, 0);
    }

    void busquedaLiteral()
    {
        BaseDePrueba b;
        for (const char *nombre : {"Rebajas 50% Moda", "Rebajas 500 Moda", "Ana_Belen", "Ana Belen", "Hola!",
                                   "Hola", "Pilar", "Ñoño_%!"})
            Alta(b, QString::fromUtf8(nombre), QStringLiteral("600"));
        const struct {
            const char *buscado;
            QStringList hallados;
        } casos[] = {
            {"%", {QStringLiteral("Rebajas 50% Moda"), QString::fromUtf8("Ñoño_%!")}},
            {"50%", {QStringLiteral("Rebajas 50% Moda")}},
            {"a_b", {QStringLiteral("Ana_Belen")}},
            {"_", {QStringLiteral("Ana_Belen"), QString::fromUtf8("Ñoño_%!")}},
            {"!", {QStringLiteral("Hola!"), QString::fromUtf8("Ñoño_%!")}},
            {"ñoño_%!", {QString::fromUtf8("Ñoño_%!")}},
            {"hola", {QStringLiteral("Hola"), QStringLiteral("Hola!")}},
        };
        frmListaClientes l;
        l.CargarFormulario({});
        for (const auto &c : casos) {
            l.txtNombre = QString::fromUtf8(c.buscado);
            l.cmdBuscar_Click();
            QStringList hallados = TextosColumna(l.gridClientes, 1), esperados = c.hallados;
            hallados.sort();
            esperados.sort(); // the order of names is the collation's business, not this test's
            QCOMPARE(hallados, esperados);
        }
    }

    void ordenComoEnEspanol()
    {
        // Case and accents aside, ñ after n: the same order on both backends.
        BaseDePrueba b;
        const QStringList ordenados = {QString::fromUtf8("Andrés"), QString::fromUtf8("Ángela"),
                                       QStringLiteral("beatriz"),   QStringLiteral("Nuria"),
                                       QString::fromUtf8("Ñandú"),  QStringLiteral("Oliva"),
                                       QString::fromUtf8("Óscar"),  QStringLiteral("Zoe")};
        for (const int i : {7, 6, 2, 4, 0, 3, 1, 5})
            Alta(b, ordenados[i], QString::number(i));
        frmListaClientes l;
        l.CargarFormulario({});
        QCOMPARE(TextosColumna(l.gridClientes, 1), ordenados);
    }

    void clienteElegidoEntreAperturas()
    {
        BaseDePrueba b;
        PantallasFicha pantallas;
        G().pantallas = &pantallas;
        Alta(b, QStringLiteral("Ana"), QStringLiteral("1"));
        Alta(b, QStringLiteral("Bea"), QStringLiteral("2"));

        frmListaClientes l;
        int elegido = l.CargarFormulario([&] {
            l.gridClientes_Click(2);
            l.cmdCancelar_Click();
        });
        const QString idBea = b.Valor(QStringLiteral("select idcliente from clientes where nombre = 'Bea'"));
        QCOMPARE(QString::number(elegido), idBea);
        elegido = l.CargarFormulario([&] {
            l.txtNombre = QStringLiteral("Be");
            l.cmdBuscar_Click();
            l.cmdAceptar_Click();
        });
        QCOMPARE(QString::number(elegido), idBea);
        // Reopened, the search text and the rows agree.
        l.CargarFormulario({});
        QCOMPARE(l.txtNombre + QLatin1Char(':') + TextosColumna(l.gridClientes, 1).join(QLatin1Char(',')),
                 QStringLiteral("Be:Bea"));

        // "Nuevo" clears the choice; after the card the whole list is back, whatever was searched.
        pantallas.rellenar = [](frmFIchaCliente &f) {
            f.txtNombre = QStringLiteral("Carla");
            f.txtTelefono = QStringLiteral("3");
            f.cmdAceptar_Click();
        };
        elegido = l.CargarFormulario([&] {
            l.txtNombre = QStringLiteral("Bea");
            l.cmdBuscar_Click();
            QCOMPARE(l.gridClientes.Rows(), 2);
            l.cmdNuevo_Click();
            QCOMPARE(l.gridClientes.Rows(), 4);
            l.Form_KeyPress(27);
        });
        QCOMPARE(elegido, 0);
        QCOMPARE(pantallas.aperturas, 1);

        // A double touch opens the card of that customer.
        pantallas.rellenar = [](frmFIchaCliente &f) {
            QCOMPARE(f.txtNombre, QStringLiteral("Ana"));
            QVERIFY(f.cmdVerArreglosVisible);
            f.txtNombre = QStringLiteral("Ana María");
            f.cmdAceptar_Click();
        };
        l.CargarFormulario([&] { l.gridClientes_DblClick(1); });
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from clientes where nombre = 'Ana María'")),
                 QStringLiteral("1"));
    }

    void ficha()
    {
        BaseDePrueba b;
        Alta(b, QStringLiteral("Ana"), QStringLiteral("600111222"));

        // A new customer with a telephone already known is refused, whatever the name.
        frmFIchaCliente nueva;
        nueva.CargarFormulario(QStringLiteral("600111222"), 0, [&] {
            QCOMPARE(nueva.txtTelefono, QStringLiteral("600111222"));
            QVERIFY(!nueva.cmdVerArreglosVisible);
            nueva.txtNombre = QStringLiteral("Otra persona");
            nueva.cmdAceptar_Click();
            QVERIFY(nueva.Abierto);
            nueva.txtTelefono.clear();
            nueva.cmdAceptar_Click();
            QVERIFY(nueva.Abierto);
            b.dialogos.pad = {QStringLiteral("28013"), QStringLiteral("699888777")};
            nueva.cmdPostal_Click();
            nueva.cmdTelefono_Click();
            nueva.txtDireccion = QStringLiteral("C/ O'Donnell, 3");
            nueva.chkEstienda = true;
            nueva.cmdAceptar_Click();
            QVERIFY(!nueva.Abierto);
        });
        QCOMPARE(b.dialogos.mensajes,
                 (QStringList{QStringLiteral("Ya hay un cliente con ese telefono"),
                              QString::fromUtf8("Introduzca al menos el nombre y el teléfono")}));
        QCOMPARE(b.Columna(QStringLiteral("select direccion from clientes where telefono = '699888777'")),
                 QStringList{QStringLiteral("C/ O'Donnell, 3")});
        QCOMPARE(b.Valor(QStringLiteral("select cpostal from clientes where telefono = '699888777'")),
                 QStringLiteral("28013"));
        QCOMPARE(b.Valor(QStringLiteral("select estienda from clientes where telefono = '699888777'")),
                 QStringLiteral("1"));

        // An edit may take a telephone another customer has; an empty name is refused.
        b.dialogos.mensajes.clear();
        const int id =
            b.Valor(QStringLiteral("select idcliente from clientes where telefono = '699888777'")).toInt();
        frmFIchaCliente edita;
        edita.CargarFormulario(QString(), id, [&] {
            QCOMPARE(edita.txtNombre, QStringLiteral("Otra persona"));
            QVERIFY(edita.chkEstienda);
            edita.txtNombre.clear();
            QVERIFY(!edita.GuardarCliente());
            edita.txtNombre = QStringLiteral("Otra persona");
            edita.txtTelefono = QStringLiteral("600111222");
            QVERIFY(edita.GuardarCliente());
        });
        QCOMPARE(b.dialogos.mensajes.size(), 1);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from clientes where telefono = '600111222'")),
                 QStringLiteral("2"));

        // Cancelling saves nothing.
        frmFIchaCliente cancela;
        cancela.CargarFormulario(QStringLiteral("611"), 0, [&] {
            cancela.txtNombre = QStringLiteral("Nadie");
            cancela.cmdCancelar_Click();
        });
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from clientes")), QStringLiteral("2"));
    }

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

QTEST_GUILESS_MAIN(PruebaClientes)
#include "test_bd_clientes.moc"
