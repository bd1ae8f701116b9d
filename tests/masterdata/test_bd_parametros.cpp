#include "BaseDePrueba.h"
#include "core/Programa.h"
#include "masterdata/frmParametrosGenerales.h"
#include "printing/DireccionImpresora.h"

#include <QtTest>

namespace {

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

class PruebaParametros : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(PruebaParametros)
#include "test_bd_parametros.moc"
