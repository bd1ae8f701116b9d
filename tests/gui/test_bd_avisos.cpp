#include "AyudasGrid.h"
#include "AyudasVista.h"
#include "TallerDePrueba.h"
#include "core/BaseDatos.h"
#include "printing/SalidaListadosPdf.h"
#include "ui/workshop/frmAvisosVista.h"
#include "workshop/frmAvisos.h"
#include "workshop/frmEntradaPrendasBarras.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class PruebaAvisos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The call list of ready orders not collected: the moment the last garment came back is stored
    // by the workshop (a shop from before gets the columns), the list counts days from it, a double
    // touch notes the call, the days are the shop's own.
    void llamarALosClientes()
    {
        BaseDePrueba b;
        for (const char *c : {"arreglos drop column fechalisto", "arreglos drop column fechallamada",
                              "arreglos drop column llamadopor", "parametros drop column diasaviso"})
            b.conexion.Ejecutar(u"alter table "_s + QLatin1String(c));
        b.conexion.Ejecutar(u"drop table esquema"_s);
        ActualizarEsquema(b.conexion);
        SembrarTaller(b);
        b.conexion.Ejecutar(u"update arreglos_detalles set idcosturera = 1 where idarreglo = 10"_s);
        // Order 13 was ready before the moment was stored: it counts from its promised date.
        b.Insertar("arreglos", "idarreglo, idusuario, idcliente, fechaarreglo, fechaprevistaentrega",
                   {"13, 1, 1, '2026-10-25 10:00:00', '2026-11-01 00:00:00'"});
        b.Insertar("arreglos_detalles", "idarreglo, idproducto, precio, referenciaprenda, listoparaentrega",
                   {"13, 1, 8, '13.1', 1"});
        const QString listo = u"select fechalisto from arreglos where idarreglo = 10"_s;

        // Back from the worker: the order is ready with its last garment, and not while one is out.
        frmEntradaPrendasBarras entrada;
        entrada.CargarFormulario({});
        for (const char *r : {"10.1", "10.2"}) {
            QVERIFY(b.Valor(listo).isEmpty());
            entrada.txtBarras = Escaneo(10, QString::fromLatin1(r));
            entrada.Command1_Click();
        }
        QCOMPARE(b.Valor(listo), u"05/12/2026 10:30:00"_s);
        frmListaEntregar prendas;
        prendas.CargarFormulario(10, {});
        prendas.gridPrendas_DblClick(2);
        QVERIFY(b.Valor(listo).isEmpty());
        b.reloj.Fijar(b.reloj.Ahora().addDays(1));
        prendas.gridPrendas_DblClick(2);
        QCOMPARE(b.Valor(listo), u"06/12/2026 10:30:00"_s);

        // Sixteen days on: both orders, the longest wait first; 11 was collected, 12 is not ready.
        b.reloj.Fijar(b.reloj.Ahora().addDays(16));
        frmAvisos a;
        SalidaListadosPdf salida(b.dir.filePath(u"avisos.pdf"_s));
        G().salidaListados = &salida;
        a.CargarFormulario(Ver<frmAvisosVista>(a, [&](frmAvisosVista &v) {
            QCOMPARE(TextosColumna(a.gridAvisos, frmAvisos::ColArreglo), (QStringList{u"13"_s, u"10"_s}));
            QCOMPARE(TextosFila(a.gridAvisos, 2),
                     (QStringList{"10", u"María"_s, "600111222", "16", "27.00", ""}));
            QCOMPARE(a.gridAvisos.TextMatrix(1, frmAvisos::ColDias), u"51 *"_s);

            // A double touch: who called, stored with the day.
            b.dialogos.usuarios = {1};
            auto *tabla = v.findChild<QTableView *>(u"gridAvisos"_s);
            DobleToque(tabla, BuscarCelda(tabla, frmAvisos::ColArreglo, u"10"_s));
            QCOMPARE(TextosVista(tabla, frmAvisos::ColLlamado).value(1), u"Llamado hoy (Encargada)"_s);
            QCOMPARE(
                Filas(b, u"select fechallamada, llamadopor from arreglos where fechallamada is not null"_s),
                QStringList{u"22/12/2026 10:30:00|Encargada"_s});

            // Other days, kept for the shop (test_bd_hostil tries what else may be typed).
            b.dialogos.pad = {u"20"_s};
            Pulsar(&v, u"cmdPlazo"_s);
            QCOMPARE(TextosVista(tabla, frmAvisos::ColArreglo), QStringList{u"13"_s});
            QCOMPARE(v.findChild<QPushButton *>(u"cmdPlazo"_s)->text(), u"Plazo: 20 días"_s);
            Pulsar(&v, u"cmdImprimir"_s);
            QCOMPARE(salida.ultimo.titulo, u"Avisos: arreglos listos sin recoger"_s);
            Cerrar(v, Qt::Key_Escape);
        }));
        G().salidaListados = nullptr;
    }
};

QTEST_MAIN(PruebaAvisos)
#include "test_bd_avisos.moc"
