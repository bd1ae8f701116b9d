#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "PantallasPrueba.h"
#include "core/Formato.h"
#include "core/LiteralesSQL.h"
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

#include <QSemaphore>
#include <QThread>
#include <QtTest>
#include <functional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// The windows the master-data screens open, on their real form models, played by the test.
struct PantallasMaestros : PantallasPrueba {
    void FichaCliente(const QString &telefono, int idcliente) override
    {
        frmFIchaCliente f;
        f.CargarFormulario(telefono, idcliente, [&] { ficha(f); });
        ++aperturas;
    }
    void NuevoTrabajador(int idcosturera) override
    {
        frmNuevoTrabajador d;
        d.CargarFormulario(idcosturera, [&] { trabajador(d); });
    }
    void NuevoColor() override
    {
        frmNuevoColor f;
        f.CargarFormulario([&] {
            f.txtColor = texto;
            f.cmdAceptar_Click();
            sigueAbierto = f.Abierto;
        });
    }
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
        abiertos.append(u"producto "_s + QString::number(idproducto));
        frmMantProductos f;
        f.CargarFormulario(idproducto, [&] {
            f.txtPVPPublico = precio;
            f.cmdAceptar_Click();
        });
    }
    void ListadoProductos() override { abiertos.append(u"lista"_s); }
    std::function<void(frmFIchaCliente &)> ficha = [](frmFIchaCliente &) {};
    std::function<void(frmNuevoTrabajador &)> trabajador = [](frmNuevoTrabajador &) {};
    QString texto, nombre, leido, precio;
    QStringList abiertos;
    bool sigueAbierto = false;
    int aperturas = 0;
};

void Alta(BaseDePrueba &b, const QString &nombre, const QString &telefono, int tienda = 0)
{
    b.conexion.Ejecutar(u"insert into clientes (nombre, telefono, estienda) values (%1, %2, %3)"_s.arg(
        ComillasSQL(nombre), ComillasSQL(telefono), QString::number(tienda)));
}

QString Nombre(int i)
{
    return u"Color %1"_s.arg(i, 2, 10, QLatin1Char('0'));
}

void Colores(BaseDePrueba &b, int n)
{
    b.conexion.Ejecutar(u"delete from colores"_s);
    for (int i = 1; i <= n; ++i)
        b.conexion.Ejecutar(u"insert into colores (nombre) values ('%1')"_s.arg(Nombre(i)));
}

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
    // Spanish order on both backends (ñ after n), shops marked; a search takes % _ ! ' literally.
    void busqueda()
    {
        BaseDePrueba b;
        const QStringList ordenados = {u"Andrés"_s,  u"Ángela"_s,  u"beatriz"_s, u"Juan O'Hara"_s,
                                       u"Mariana"_s, u"(*)Moda"_s, u"Nuria"_s,   u"Ñandú"_s,
                                       u"Oliva"_s,   u"Óscar"_s,   u"Zoe"_s};
        for (const int i : {10, 7, 6, 2, 4, 0, 3, 9, 1, 5, 8})
            Alta(b, QString(ordenados[i]).remove(u"(*)"_s), u"60000000"_s + QString::number(i), i == 5);
        frmListaClientes l;
        l.CargarFormulario({});
        QCOMPARE(TextosColumna(l.gridClientes, 1), ordenados);
        QCOMPARE(l.gridClientes.TextMatrix(1, 3), u"600000000"_s);

        int telefono = 700;
        for (const char *nombre :
             {"Rebajas 50% Moda", "Rebajas 500 Moda", "Ana_Belen", "Ana Belen", "Hola!", "Hola", "Ñoño_%!"})
            Alta(b, QString::fromUtf8(nombre), QString::number(telefono++));
        const struct {
            const char *buscado;
            QStringList hallados;
        } casos[] = {
            {"ana", {u"Ana Belen"_s, u"Ana_Belen"_s, u"Mariana"_s}},
            {"O'H", {u"Juan O'Hara"_s}},
            {"%", {u"Rebajas 50% Moda"_s, u"Ñoño_%!"_s}},
            {"50%", {u"Rebajas 50% Moda"_s}},
            {"a_b", {u"Ana_Belen"_s}},
            {"_", {u"Ana_Belen"_s, u"Ñoño_%!"_s}},
            {"!", {u"Hola!"_s, u"Ñoño_%!"_s}},
            {"ñoño_%!", {u"Ñoño_%!"_s}},
            {"hola", {u"Hola"_s, u"Hola!"_s}},
            {"nadie", {}},
        };
        for (const auto &c : casos) {
            l.txtNombre = QString::fromUtf8(c.buscado);
            l.cmdBuscar_Click();
            QStringList hallados = TextosColumna(l.gridClientes, 1);
            hallados.sort(); // the order of punctuation is the collation's business, not this test's
            QCOMPARE(hallados, c.hallados);
        }
        l.gridClientes_Click(1); // a touch below the last row chooses nothing
        QCOMPARE(l.IdClienteElegido, 0);
    }

    void clientes()
    {
        BaseDePrueba b;
        PantallasMaestros pantallas;
        Alta(b, u"Ana"_s, u"600111222"_s);
        Alta(b, u"Bea"_s, u"2"_s);

        // The choice stays from one opening to the next, through a search.
        frmListaClientes l;
        int elegido = l.CargarFormulario([&] {
            l.gridClientes_Click(2);
            l.cmdCancelar_Click();
        });
        const QString idBea = b.Valor(u"select idcliente from clientes where nombre = 'Bea'"_s);
        QCOMPARE(QString::number(elegido), idBea);
        elegido = l.CargarFormulario([&] {
            l.txtNombre = u"Be"_s;
            l.cmdBuscar_Click();
            l.cmdAceptar_Click();
        });
        QCOMPARE(QString::number(elegido), idBea);
        // Reopened, the search text and the rows agree.
        l.CargarFormulario({});
        QCOMPARE(l.txtNombre + QLatin1Char(':') + TextosColumna(l.gridClientes, 1).join(QLatin1Char(',')),
                 u"Be:Bea"_s);

        // "Nuevo" clears the choice; after the card the whole list is back, whatever was searched.
        pantallas.ficha = [](frmFIchaCliente &f) {
            f.txtNombre = u"Carla"_s;
            f.txtTelefono = u"3"_s;
            f.cmdAceptar_Click();
        };
        elegido = l.CargarFormulario([&] {
            l.txtNombre = u"Bea"_s;
            l.cmdBuscar_Click();
            QCOMPARE(l.gridClientes.Rows(), 2);
            l.cmdNuevo_Click();
            QCOMPARE(l.gridClientes.Rows(), 4);
            l.Form_KeyPress(27);
        });
        QCOMPARE(elegido, 0);
        QCOMPARE(pantallas.aperturas, 1);

        // A double touch opens the card of that customer.
        pantallas.ficha = [](frmFIchaCliente &f) {
            QCOMPARE(f.txtNombre, u"Ana"_s);
            QVERIFY(f.cmdVerArreglosVisible);
            f.txtNombre = u"Ana María"_s;
            f.cmdAceptar_Click();
        };
        l.CargarFormulario([&] { l.gridClientes_DblClick(1); });
        QCOMPARE(b.Valor(u"select count(*) from clientes where nombre = 'Ana María'"_s), u"1"_s);

        // A new customer with a telephone already known is refused, whatever the name.
        frmFIchaCliente nueva;
        nueva.CargarFormulario(u"600111222"_s, 0, [&] {
            nueva.txtNombre = u"Otra persona"_s;
            nueva.cmdAceptar_Click();
            QVERIFY(nueva.Abierto);
            nueva.txtTelefono.clear();
            nueva.cmdAceptar_Click();
            QVERIFY(nueva.Abierto);
            b.dialogos.pad = {u"28013"_s, u"699888777"_s};
            nueva.cmdPostal_Click();
            nueva.cmdTelefono_Click();
            nueva.txtDireccion = u"C/ O'Donnell, 3"_s;
            nueva.chkEstienda = true;
            nueva.cmdAceptar_Click();
            QVERIFY(!nueva.Abierto);
        });
        QCOMPARE(b.dialogos.mensajes, (QStringList{u"Ya hay un cliente con ese telefono"_s,
                                                   u"Introduzca al menos el nombre y el teléfono"_s}));
        QCOMPARE(
            Filas(b, u"select direccion, cpostal, estienda from clientes where telefono = '699888777'"_s),
            QStringList{u"C/ O'Donnell, 3|28013|1"_s});

        // An edit may not take another customer's telephone (the database's rule), nor an empty name.
        b.dialogos.mensajes.clear();
        const int id = b.Valor(u"select idcliente from clientes where telefono = '699888777'"_s).toInt();
        frmFIchaCliente edita;
        edita.CargarFormulario(QString(), id, [&] {
            QCOMPARE(edita.txtNombre, u"Otra persona"_s);
            QVERIFY(edita.chkEstienda);
            edita.txtNombre.clear();
            QVERIFY(!edita.GuardarCliente());
            edita.txtNombre = u"Otra persona"_s;
            edita.txtTelefono = u"600111222"_s;
            QVERIFY(!edita.GuardarCliente());
        });
        QCOMPARE(b.dialogos.mensajes.last(), u"Ya hay un cliente con ese telefono"_s);
        QCOMPARE(b.Valor(u"select count(*) from clientes where telefono = '600111222'"_s), u"1"_s);

        // Cancelling saves nothing.
        frmFIchaCliente cancela;
        cancela.CargarFormulario(u"611"_s, 0, [&] {
            cancela.txtNombre = u"Nadie"_s;
            cancela.cmdCancelar_Click();
        });
        QCOMPARE(b.Valor(u"select count(*) from clientes"_s), u"4"_s);
    }

    // Families; a product card's refusals; a withdrawn product: "*name" listed, gone from the counter.
    void catalogo()
    {
        BaseDePrueba b;
        PantallasMaestros pantallas;
        frmFamilias familias;
        familias.CargarFormulario(nullptr);
        for (const char *nombre : {"", "   ", "Camisa", "Abrigo d'Ana"}) {
            pantallas.nombre = QString::fromLatin1(nombre);
            familias.cmdNuevo_Click();
        }
        QCOMPARE(TextosColumna(familias.gridFamilias, 1), QStringList({"Abrigo d'Ana", "Camisa"}));
        frmNuevaFamilia vacia; // an empty name leaves the small window open and changes nothing
        vacia.CargarFormulario(b.Valor(u"select idfamilia from familias where nombre = 'Camisa'"_s).toInt(),
                               [&] {
                                   vacia.txtFamilia.clear();
                                   vacia.cmdAceptar_Click();
                                   QVERIFY(vacia.Abierto);
                               });
        familias.gridFamilias.Row = 2;
        pantallas.nombre = u"Blusa"_s;
        familias.cmdEditarFamilia_Click();
        QCOMPARE(pantallas.leido, u"Camisa"_s);
        QCOMPARE(TextosColumna(familias.gridFamilias, 1), QStringList({"Abrigo d'Ana", "Blusa"}));

        // A public price proposes a third of it as the worker's pay; anything else leaves the pay.
        frmMantProductos f;
        f.CargarFormulario(0, nullptr);
        const struct {
            const char *publico, *pago;
        } propuestas[] = {{"12", "4.00"}, {"10", "3.33"}, {"", "3.33"}, {"abc", "3.33"}, {"1,500", "500.00"}};
        for (const auto &p : propuestas) {
            f.txtPVPPublico = QString::fromLatin1(p.publico);
            f.txtPVPPublico_Change();
            QCOMPARE(f.txtPagoTrabajador, QString::fromLatin1(p.pago));
        }
        b.dialogos.pad = {u"12"_s, QString()};
        f.cmdPrecioPublico_Click();
        QCOMPARE(f.txtPVPPublico, u"12.00"_s);
        QCOMPARE(f.txtPagoTrabajador, u"4.00"_s);
        f.cmdPrecioEspecial_Click(); // cancelled: the box keeps what it had
        QCOMPARE(f.txtPrecioEspecial, QString());
        QCOMPARE(b.dialogos.titulosPad,
                 QStringList({u"Introduzca el precio al público"_s, "Introduzca el precio especial"}));

        // Each refusal in its turn, the card staying open with what was typed.
        f.txtPVPPublico = f.txtPrecioEspecial = f.txtPagoTrabajador = QString();
        const QStringList refusals = {
            "Seleccione una familia para el arreglo", "Ponga una descripcion al arreglo",
            "Ponga un precio al publico correcto", "Ponga un precio especial / a tiendas correcto",
            "Ponga un precio de pago al trabajador correcto"};
        const std::function<void()> arreglos[] = {
            [&] { f.cmbFamilia.ElegirTexto(u"Blusa"_s); }, [&] { f.txtDescripcion = u"Bajo d'Anna"_s; },
            [&] { f.txtPVPPublico = u"1,234.567"_s; },     [&] { f.txtPrecioEspecial = u"9.5"_s; },
            [&] { f.txtPagoTrabajador = u"4"_s; },
        };
        f.Abierto = true;
        for (int i = 0; i < 5; ++i) {
            f.cmdAceptar_Click();
            QCOMPARE(b.dialogos.mensajes.last(), refusals[i]);
            QVERIFY(f.Abierto);
            arreglos[i]();
        }
        f.txtPagoTrabajador = u"4; drop table productos"_s;
        f.cmdAceptar_Click();
        QCOMPARE(b.dialogos.mensajes.last(), refusals[4]);
        f.txtPagoTrabajador = u"4"_s;
        f.cmdAceptar_Click();
        QCOMPARE(b.dialogos.mensajes.last(), u"Producto guardado"_s);
        QVERIFY(!f.Abierto);
        QCOMPARE(Filas(b, u"select familias.nombre, productos.nombre, precio1, precio2, precio3, activo from "
                          "productos join familias on familias.idfamilia = productos.idfamilia"_s),
                 QStringList{u"Blusa|Bajo d'Anna|1234.57|9.5|4|0"_s});

        b.Insertar("familias", "idfamilia, nombre", {"7, 'Pantalón'"});
        b.Insertar("productos", "idproducto, idfamilia, nombre, precio1, precio2, precio3, activo",
                   {"11, 7, 'Bajo', 8, 6, 0, 0", "12, 7, 'Meter cintura', 8, 6, 0, 0",
                    "13, 7, 'Zurcir', 8, 6, 0, 0"});

        frmMantProductos ficha;
        ficha.CargarFormulario(12, [&] {
            QCOMPARE(ficha.cmbFamilia.Text, u"Pantalón"_s);
            QCOMPARE(ficha.txtDescripcion, u"Meter cintura"_s);
            QCOMPARE(ficha.txtPVPPublico, u"8.00"_s);
            QCOMPARE(ficha.cmdAceptarCaption, u"Actualizar"_s);
            ficha.chkActivo = true;
            ficha.cmdAceptar_Click();
        });
        QCOMPARE(b.dialogos.mensajes.last(), u"Producto actualizado"_s);

        frmListadoProductos lista;
        lista.CargarFormulario(nullptr);
        QCOMPARE(TextosColumna(lista.gridProductos, 2),
                 QStringList({"Bajo d'Anna", "Bajo", "*Meter cintura", "Zurcir"}));
        frmPrincipal mostrador;
        mostrador.LlenarProductos(7);
        QCOMPARE(TextosColumna(mostrador.gridProductos, 1), QStringList({"Bajo", "Zurcir"}));

        // "Modificar datos" comes back to the same row, with the list read again.
        pantallas.precio = u"15"_s;
        lista.gridProductos_Click(4);
        lista.cmdModificar_Click();
        QCOMPARE(pantallas.abiertos.last(), u"producto "_s + lista.gridProductos.TextMatrix(4, 0));
        QCOMPARE(lista.gridProductos.TextMatrix(4, 3), u"15.00"_s);

        frmDecProd menu;
        menu.CargarFormulario([&] { menu.cmdAsignar_Click(); });
        menu.CargarFormulario([&] { menu.cmdVerArreglo_Click(); });
        menu.CargarFormulario([&] { menu.Form_KeyPress(27); });
        QCOMPARE(pantallas.abiertos.mid(1), QStringList({"producto 0", "lista"}));
    }

    // Eighteen colours a column, each beside its swatch; choosing, deleting and adding one.
    void colores()
    {
        BaseDePrueba b;
        PantallasMaestros pantallas;
        frmColores f;
        const struct {
            int colores, columnas;
        } casos[] = {{0, 2}, {9, 2}, {10, 4}, {18, 4}, {19, 4}, {27, 6}, {45, 6}, {46, 8}};
        for (const auto &c : casos) {
            Colores(b, c.colores);
            f.CargarColores();
            QVERIFY2(f.gridColores.Cols() == c.columnas, qPrintable(QString::number(c.colores)));
            QCOMPARE(f.gridColores.Rows(), 19);
        }
        Colores(b, 19);
        f.CargarColores();
        QCOMPARE(f.gridColores.TextMatrix(18, 1), Nombre(18));
        QCOMPARE(f.gridColores.TextMatrix(1, 3), Nombre(19));
        QVERIFY(Val(f.gridColores.TextMatrix(1, 2)) > 0);
        QCOMPARE(f.gridColores.TextMatrix(2, 3), QString());
        Colores(b, 27);
        f.CargarColores();
        QCOMPARE(f.gridColores.TextMatrix(9, 3), Nombre(27));
        QCOMPARE(f.gridColores.TextMatrix(1, 5), QString());

        // A touch on a name chooses it; on an empty cell or "Cancelar", nothing; Escape leaves the answer.
        Colores(b, 20);
        const auto elegir = [&f](int fila) {
            return f.CargarFormulario([&f, fila] {
                f.gridColores.Row = fila;
                f.gridColores.Col = 3;
                f.cmdAceptar_Click();
            });
        };
        QCOMPARE(elegir(2), Nombre(20));
        QVERIFY(!f.Abierto);
        QCOMPARE(elegir(5), QString());
        QCOMPARE(f.CargarFormulario([&f] { f.cmdCancelar_Click(); }), QString());
        f.Resultado = Nombre(1);
        QCOMPARE(f.CargarFormulario([&f] { f.Form_KeyPress(27); }), Nombre(1));

        // Deleting asks first ("no" keeps it); an empty cell asks nothing.
        b.conexion.Ejecutar(u"delete from colores"_s);
        b.Insertar("colores", "nombre", {"'Azul'", "'Rojo '"});
        f.CargarColores();
        f.gridColores.Row = 2;
        f.gridColores.Col = 1;
        b.dialogos.siNo = {7, 6};
        f.cmdBorrar_Click();
        QCOMPARE(
            b.dialogos.preguntas,
            QStringList{u"Se va a eliminar el color ROJO de la lista de colores.\r\n¿Desea continuar?"_s});
        QCOMPARE(b.Columna(u"select nombre from colores"_s).size(), 2);
        f.cmdBorrar_Click();
        QCOMPARE(b.Columna(u"select nombre from colores"_s), QStringList{u"Azul"_s});
        QCOMPARE(f.gridColores.TextMatrix(2, 1), QString());
        f.cmdBorrar_Click();
        QCOMPARE(b.dialogos.preguntas.size(), 2);

        // A blank new colour keeps its window open and adds nothing.
        pantallas.texto = u"   "_s;
        f.cmdNuevo_Click();
        QVERIFY(pantallas.sigueAbierto);
        pantallas.texto = u"Azul d'Orsay"_s;
        f.cmdNuevo_Click();
        QVERIFY(!pantallas.sigueAbierto);
        QCOMPARE(b.Columna(u"select nombre from colores order by nombre"_s),
                 (QStringList{u"Azul"_s, u"Azul d'Orsay"_s}));
        QCOMPARE(f.gridColores.TextMatrix(2, 1), u"Azul d'Orsay"_s);
    }

    void altaEdicionYBaja()
    {
        BaseDePrueba b;
        PantallasMaestros pantallas;
        b.Insertar("costureras", "nombre, desactivado", {"'Rosa', 0", "'Pilar', NULL"});

        frmListaTrabajadores l;
        l.CargarFormulario({});
        QCOMPARE(TextosColumna(l.gridFamilias, 1), (QStringList{u"Pilar"_s, u"Rosa"_s}));

        // New worker; an empty name saves nothing and keeps the dialog open.
        pantallas.trabajador = [](frmNuevoTrabajador &d) {
            d.txtFamilia = u"  "_s;
            d.cmdAceptar_Click();
            QVERIFY(d.Abierto);
            d.txtFamilia = u"Mª Ángeles O'Neill"_s;
            d.cmdAceptar_Click();
            QVERIFY(!d.Abierto);
        };
        l.cmdNuevo_Click();
        QCOMPARE(TextosColumna(l.gridFamilias, 1),
                 (QStringList{u"Mª Ángeles O'Neill"_s, u"Pilar"_s, u"Rosa"_s}));

        // Rosa retires: edited, marked "*"; a new worker afterwards leaves her as she is.
        l.gridFamilias_Click(FilaDeTexto(l.gridFamilias, 1, u"Rosa"_s));
        pantallas.trabajador = [](frmNuevoTrabajador &d) {
            QCOMPARE(d.txtFamilia, u"Rosa"_s);
            QVERIFY(!d.chkDesactivado);
            QCOMPARE(d.cmdAceptarCaption, u"Actualizar"_s);
            d.txtFamilia = u"Rosa Gil"_s;
            d.chkDesactivado = true;
            d.cmdAceptar_Click();
        };
        l.cmdEditarFamilia_Click();
        pantallas.trabajador = [](frmNuevoTrabajador &d) {
            QVERIFY(d.txtFamilia.isEmpty() && !d.chkDesactivado);
            d.txtFamilia = u"Encarna"_s;
            d.cmdAceptar_Click();
        };
        l.cmdNuevo_Click();
        QCOMPARE(TextosColumna(l.gridFamilias, 1),
                 (QStringList{u"Encarna"_s, u"Mª Ángeles O'Neill"_s, u"Pilar"_s, u"*Rosa Gil"_s}));

        // The picker offers active workers only (Null counts as active).
        frmTrabajadores picker;
        int elegido = -1;
        picker.MostrarModal = [&] {
            QCOMPARE(TextosColumna(picker.gridTrabajadores, 1),
                     (QStringList{u"Encarna"_s, u"Mª Ángeles O'Neill"_s, u"Pilar"_s}));
            picker.gridTrabajadores_Click(3);
            picker.cmdAceptar_Click();
        };
        picker.CargarFormulario(elegido);
        QCOMPARE(QString::number(elegido),
                 b.Valor(u"select idcosturera from costureras where nombre = 'Pilar'"_s));
    }

    void guardarYVolverALeer()
    {
        BaseDePrueba b;
        frmParametrosGenerales f;
        // With no row the screen opens empty, on the on-screen preview.
        b.conexion.Ejecutar(u"delete from parametros"_s);
        f.CargarFormulario({});
        QCOMPARE(f.txtNombre, QString());
        QCOMPARE(f.cmbComsIndice, 0);

        f.txtNombre = u"Arreglos O'Brien"_s;
        f.cmbComs_Click(Indice(f, u"COM3"_s));
        f.txtConfPuerto = u"19200,e,7,2"_s;
        f.txtAnchuraCarro = u" 42 "_s;
        b.dialogos.siNo = {6, 7};
        QVERIFY(f.cmdAceptar_Click());
        QCOMPARE(b.dialogos.mensajes, QStringList{u"Datos de configuración guardados"_s});
        QCOMPARE(b.dialogos.preguntas.first(), u"¿Desea actualizar los cambios?"_s);
        QVERIFY(!f.SalirDelPrograma);
        QCOMPARE(Filas(b, u"select puertocom, nombre, anchuracarro from parametros"_s),
                 QStringList{u"3|Arreglos O'Brien|42"_s});

        // Another counter saving at the same moment: the saves take turns and one row, the last, stays.
        QSemaphore guardando;
        std::thread otroMostrador([&] {
            Conexion c;
            AbrirOtraVez(b, c);
            c.ComenzarTransaccion();
            c.Ejecutar(u"delete from parametros"_s);
            c.Ejecutar(u"insert into parametros (nombre) values ('Otro mostrador')"_s);
            guardando.release();
            QThread::msleep(300);
            c.ConfirmarTransaccion();
        });
        guardando.acquire();
        b.dialogos.siNo = {6, 7};
        QVERIFY(f.cmdAceptar_Click());
        otroMostrador.join();
        QCOMPARE(b.Columna(u"select nombre from parametros"_s), QStringList{u"Arreglos O'Brien"_s});

        frmParametrosGenerales otra;
        otra.CargarFormulario({});
        // Every text box read back after a save: test_bd_hostil, box by box.
        QCOMPARE(otra.cmbComs.value(otra.cmbComsIndice).texto + u'|' + otra.txtConfPuerto,
                 u"COM3|19200,e,7,2"_s);

        // The USB and network printers: named by their address, port 0, chosen again on opening.
        const struct {
            const char *eleccion, *escrito, *guardado;
        } casos[] = {
            {"Impresora USB", "/dev/usb/lp1", "/dev/usb/lp1"},
            {"Impresora de red", "192.168.1.60", "tcp://192.168.1.60"},
            {"Impresora de red", "tcp://caja:9101", "tcp://caja:9101"},
            {"Vista previa en pantalla", "", ""},
        };
        for (const auto &c : casos) {
            otra.cmbComs_Click(Indice(otra, QString::fromUtf8(c.eleccion)));
            otra.txtConfPuerto = QString::fromLatin1(c.escrito);
            b.dialogos.siNo = {6, 6};
            QVERIFY(otra.cmdAceptar_Click());
            QVERIFY(otra.SalirDelPrograma);
            QCOMPARE(Filas(b, u"select puertocom, parametrospuerto from parametros"_s),
                     QStringList{u"0|"_s + QString::fromLatin1(c.guardado)});
            frmParametrosGenerales vuelta;
            vuelta.CargarFormulario({});
            QCOMPARE(vuelta.cmbComs.value(vuelta.cmbComsIndice).texto, QString::fromUtf8(c.eleccion));
        }

        // Choosing another kind offers an example of what its box expects.
        otra.cmbComs_Click(Indice(otra, u"Impresora USB"_s));
        QCOMPARE(otra.txtConfPuerto, u"/dev/usb/lp0"_s);
        otra.cmbComs_Click(Indice(otra, u"COM1"_s));
        QCOMPARE(otra.txtConfPuerto, u"9600,n,8,1"_s);

        // Bad values are refused, each naming its box, before any question; so is "no" to it.
        const QString consulta = u"select anchuracarro, puertocom, parametrospuerto from parametros"_s;
        const QStringList antes = Filas(b, consulta);
        const struct {
            const char *puerto, *ajustes, *anchura, *campo;
        } malos[] = {
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
        };
        for (const auto &c : malos) {
            otra.cmbComsIndice = Indice(otra, QString::fromUtf8(c.puerto));
            otra.txtConfPuerto = QString::fromUtf8(c.ajustes);
            otra.txtAnchuraCarro = QString::fromUtf8(c.anchura);
            b.dialogos.mensajes.clear();
            b.dialogos.preguntas.clear();
            QVERIFY2(!otra.cmdAceptar_Click(), c.ajustes);
            QVERIFY2(b.dialogos.mensajes.size() == 1
                         && b.dialogos.mensajes[0].startsWith(QString::fromUtf8(c.campo))
                         && b.dialogos.preguntas.isEmpty(),
                     qPrintable(b.dialogos.mensajes.join(QLatin1Char('|'))));
        }
        // Answering no to the question keeps everything as it was too.
        otra.cmbComsIndice = Indice(otra, u"COM1"_s);
        otra.txtConfPuerto = u"9600,n,8,1"_s;
        otra.txtAnchuraCarro = u"48"_s;
        b.dialogos.siNo = {7};
        QVERIFY(!otra.cmdAceptar_Click());
        QCOMPARE(Filas(b, consulta), antes);
    }
};

QTEST_GUILESS_MAIN(PruebaMaestros)
#include "test_bd_maestros.moc"
