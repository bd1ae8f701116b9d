#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmDecProd.h"
#include "masterdata/frmFIchaCliente.h"
#include "masterdata/frmFamilias.h"
#include "masterdata/frmListaClientes.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmListadoProductos.h"
#include "masterdata/frmMantProductos.h"
#include "masterdata/frmNuevaFamilia.h"
#include "masterdata/frmNuevoColor.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmParametrosGenerales.h"
#include "masterdata/frmTrabajadores.h"
#include "printing/DireccionImpresora.h"

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

// The worker dialog opened from the list is the real form model, filled in by the test.
class PantallasTrabajador : public Pantallas
{
public:
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void NuevoTrabajador(int idcosturera) override
    {
        frmNuevoTrabajador d;
        d.CargarFormulario(idcosturera, [&] { rellenar(d); });
    }
    std::function<void(frmNuevoTrabajador &)> rellenar = [](frmNuevoTrabajador &) {};
};

const QString Pregunta = QString::fromUtf8("¿Desea actualizar los cambios?");
const QString Guardados = QString::fromUtf8("Datos de configuración guardados");

int Indice(const frmParametrosGenerales &f, const QString &texto)
{
    for (int i = 0; i < f.cmbComs.size(); ++i)
        if (f.cmbComs[i].texto == texto)
            return i;
    return -1;
}

} // namespace

class PruebaMaestros : public QObject
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

    void altaEdicionYBaja()
    {
        BaseDePrueba b;
        PantallasTrabajador pantallas;
        G().pantallas = &pantallas;
        b.Insertar("costureras", "nombre, desactivado", {"'Rosa', 0", "'Pilar', NULL"});

        frmListaTrabajadores l;
        l.CargarFormulario({});
        QCOMPARE(TextosColumna(l.gridFamilias, 1),
                 (QStringList{QStringLiteral("Pilar"), QStringLiteral("Rosa")}));

        // New worker; an empty name saves nothing and keeps the dialog open.
        pantallas.rellenar = [](frmNuevoTrabajador &d) {
            QCOMPARE(d.cmdAceptarCaption, QStringLiteral("Aceptar"));
            d.txtFamilia = QStringLiteral("  ");
            d.cmdAceptar_Click();
            QVERIFY(d.Abierto);
            d.txtFamilia = QStringLiteral("Mª Ángeles O'Neill");
            d.cmdAceptar_Click();
            QVERIFY(!d.Abierto);
        };
        l.cmdNuevo_Click();
        QCOMPARE(TextosColumna(l.gridFamilias, 1),
                 (QStringList{QStringLiteral("Mª Ángeles O'Neill"), QStringLiteral("Pilar"),
                              QStringLiteral("Rosa")}));

        // Rosa retires: edited, marked "*"; a new worker afterwards leaves her as she is.
        l.gridFamilias_Click(FilaDeTexto(l.gridFamilias, 1, QStringLiteral("Rosa")));
        pantallas.rellenar = [](frmNuevoTrabajador &d) {
            QCOMPARE(d.txtFamilia, QStringLiteral("Rosa"));
            QVERIFY(!d.chkDesactivado);
            QCOMPARE(d.cmdAceptarCaption, QStringLiteral("Actualizar"));
            d.txtFamilia = QStringLiteral("Rosa Gil");
            d.chkDesactivado = true;
            d.cmdAceptar_Click();
        };
        l.cmdEditarFamilia_Click();
        pantallas.rellenar = [](frmNuevoTrabajador &d) {
            QVERIFY(d.txtFamilia.isEmpty() && !d.chkDesactivado);
            d.txtFamilia = QStringLiteral("Encarna");
            d.cmdAceptar_Click();
        };
        l.cmdNuevo_Click();
        QCOMPARE(TextosColumna(l.gridFamilias, 1),
                 (QStringList{QStringLiteral("Encarna"), QStringLiteral("Mª Ángeles O'Neill"),
                              QStringLiteral("Pilar"), QStringLiteral("*Rosa Gil")}));
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from costureras")), QStringLiteral("4"));

        // The picker offers active workers only (Null counts as active); "Cancelar" gives 0.
        frmTrabajadores picker;
        int elegido = -1;
        picker.MostrarModal = [&] {
            QCOMPARE(TextosColumna(picker.gridTrabajadores, 1),
                     (QStringList{QStringLiteral("Encarna"), QStringLiteral("Mª Ángeles O'Neill"),
                                  QStringLiteral("Pilar")}));
            picker.gridTrabajadores_Click(3);
            picker.cmdAceptar_Click();
        };
        picker.CargarFormulario(elegido);
        QCOMPARE(QString::number(elegido),
                 b.Valor(QStringLiteral("select idcosturera from costureras where nombre = 'Pilar'")));
        picker.MostrarModal = [&] { picker.cmdCancelar_Click(); };
        picker.CargarFormulario(elegido);
        QCOMPARE(elegido, 0);
        G().pantallas = nullptr;
    }

    void guardarYVolverALeer()
    {
        BaseDePrueba b;
        frmParametrosGenerales f;
        // With no row the screen opens empty, on the on-screen preview.
        b.conexion.Ejecutar(QStringLiteral("delete from parametros"));
        f.CargarFomulario({});
        QCOMPARE(f.txtNombre, QString());
        QCOMPARE(f.cmbComsIndice, 0);

        f.txtNombre = QStringLiteral("Arreglos O'Brien");
        f.txtEmpresa = QStringLiteral("Costura Lola S.L.");
        f.txtPie7 = QString::fromUtf8("Gracias por su visita — ñ");
        f.cmbComs_Click(Indice(f, QStringLiteral("COM3")));
        f.txtConfPuerto = QStringLiteral("19200,e,7,2");
        f.txtAnchuraCarro = QStringLiteral(" 42 ");
        b.dialogos.siNo = {6, 7};
        QVERIFY(f.cmdAceptar_Click());
        QCOMPARE(b.dialogos.mensajes, QStringList{Guardados});
        QCOMPARE(b.dialogos.preguntas.first(), Pregunta);
        QVERIFY(!f.SalirDelPrograma);
        QCOMPARE(b.Valor(QStringLiteral("select count(*) from parametros")), QStringLiteral("1"));
        QCOMPARE(b.Valor(QStringLiteral("select puertocom from parametros")), QStringLiteral("3"));
        QCOMPARE(b.Valor(QStringLiteral("select nombre from parametros")),
                 QStringLiteral("Arreglos O'Brien"));
        QCOMPARE(b.Valor(QStringLiteral("select anchuracarro from parametros")), QStringLiteral("42"));

        frmParametrosGenerales otra;
        otra.CargarFomulario({});
        QCOMPARE(otra.cmbComs.value(otra.cmbComsIndice).texto, QStringLiteral("COM3"));
        QCOMPARE(otra.txtNombre, QStringLiteral("Arreglos O'Brien"));
        QCOMPARE(otra.txtEmpresa, QStringLiteral("Costura Lola S.L."));
        QCOMPARE(otra.txtPie7, QString::fromUtf8("Gracias por su visita — ñ"));
        QCOMPARE(otra.txtConfPuerto, QStringLiteral("19200,e,7,2"));

        // The USB and network printers: named by their address, port 0, chosen again on opening.
        struct Caso {
            const char *eleccion, *escrito, *guardado;
            DireccionImpresora::Tipo tipo;
        };
        const Caso casos[] = {
            {"Impresora USB", "/dev/usb/lp1", "/dev/usb/lp1", DireccionImpresora::Dispositivo},
            {"Impresora de red", "192.168.1.60", "tcp://192.168.1.60", DireccionImpresora::Red},
            {"Impresora de red", "tcp://caja:9101", "tcp://caja:9101", DireccionImpresora::Red},
            {"Vista previa en pantalla", "", "", DireccionImpresora::Pantalla},
        };
        for (const Caso &c : casos) {
            otra.cmbComs_Click(Indice(otra, QString::fromUtf8(c.eleccion)));
            otra.txtConfPuerto = QString::fromLatin1(c.escrito);
            b.dialogos.siNo = {6, 6};
            QVERIFY(otra.cmdAceptar_Click());
            QVERIFY(otra.SalirDelPrograma);
            QCOMPARE(b.Valor(QStringLiteral("select parametrospuerto from parametros")),
                     QString::fromLatin1(c.guardado));
            QCOMPARE(b.Valor(QStringLiteral("select puertocom from parametros")), QStringLiteral("0"));
            QCOMPARE(DireccionImpresora::Leer(QStringLiteral("0"), QString::fromLatin1(c.guardado)).tipo,
                     c.tipo);
            frmParametrosGenerales vuelta;
            vuelta.CargarFomulario({});
            QCOMPARE(vuelta.cmbComs.value(vuelta.cmbComsIndice).texto, QString::fromUtf8(c.eleccion));
        }

        // Choosing another kind offers an example of what its box expects.
        otra.cmbComs_Click(Indice(otra, QStringLiteral("Impresora USB")));
        QCOMPARE(otra.txtConfPuerto, QStringLiteral("/dev/usb/lp0"));
        otra.cmbComs_Click(Indice(otra, QStringLiteral("COM1")));
        QCOMPARE(otra.txtConfPuerto, QStringLiteral("9600,n,8,1"));
    }

    void valoresMalosNoSeGuardan()
    {
        BaseDePrueba b;
        frmParametrosGenerales f;
        f.CargarFomulario({});
        const QString antes = b.Valor(QStringLiteral("select anchuracarro || '|' || puertocom || '|' || "
                                                     "coalesce(parametrospuerto, '') from parametros"));
        struct Caso {
            const char *puerto, *ajustes, *anchura, *campo;
        };
        const Caso casos[] = {
            {"COM1", "9600,n,8,1", "abc", "Anchura del ticket"},
            {"COM1", "9600,n,8,1", "19", "Anchura del ticket"},
            {"COM1", "9600,n,8,1", "81", "Anchura del ticket"},
            {"COM1", "9600,n,8,1", "40.5", "Anchura del ticket"},
            {"COM1", "9600,n,8,1", "", "Anchura del ticket"},
            {"COM1", "9600,n,8,1.5", "40", "Configuración del puerto"},
            {"COM1", "12345,n,8,1", "40", "Configuración del puerto"},
            {"COM2", "rapido", "40", "Configuración del puerto"},
            {"Vista previa en pantalla", "9600,x,8,1", "40", "Configuración del puerto"},
            {"Impresora USB", "lp0", "40", "Dispositivo de la impresora"},
            {"Impresora de red", "tcp://", "40", "Dirección de la impresora de red"},
            {"Impresora de red", "tcp://caja:99999", "40", "Dirección de la impresora de red"},
        };
        for (const Caso &c : casos) {
            f.cmbComsIndice = Indice(f, QString::fromUtf8(c.puerto));
            f.txtConfPuerto = QString::fromUtf8(c.ajustes);
            f.txtAnchuraCarro = QString::fromUtf8(c.anchura);
            b.dialogos.mensajes.clear();
            b.dialogos.preguntas.clear();
            QVERIFY2(!f.cmdAceptar_Click(), c.ajustes);
            QCOMPARE(b.dialogos.mensajes.size(), 1);
            QVERIFY2(b.dialogos.mensajes[0].startsWith(QString::fromUtf8(c.campo)),
                     qPrintable(b.dialogos.mensajes[0]));
            QVERIFY(b.dialogos.preguntas.isEmpty());
        }
        // Answering no to the question keeps everything as it was too.
        f.cmbComsIndice = Indice(f, QStringLiteral("COM1"));
        f.txtConfPuerto = QStringLiteral("9600,n,8,1");
        f.txtAnchuraCarro = QStringLiteral("48");
        b.dialogos.siNo = {7};
        QVERIFY(!f.cmdAceptar_Click());
        QCOMPARE(b.Valor(QStringLiteral("select anchuracarro || '|' || puertocom || '|' || "
                                        "coalesce(parametrospuerto, '') from parametros")),
                 antes);
    }
};

QTEST_GUILESS_MAIN(PruebaMaestros)
#include "test_bd_maestros.moc"
