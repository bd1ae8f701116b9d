#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "core/Pantallas.h"
#include "core/Programa.h"
#include "masterdata/frmListaTrabajadores.h"
#include "masterdata/frmNuevoTrabajador.h"
#include "masterdata/frmTrabajadores.h"

#include <QtTest>
#include <functional>

namespace {

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

} // namespace

class PruebaTrabajadores : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(PruebaTrabajadores)
#include "test_bd_trabajadores.moc"
