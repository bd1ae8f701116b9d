#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Formato.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "masterdata/frmColores.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoColor.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmParametrosGenerales.h"
#include "masterdata/frmTrabajadores.h"
#include "printing/DireccionImpresora.h"

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

QTEST_GUILESS_MAIN(PruebaColores)
#include "test_bd_colores.moc"
