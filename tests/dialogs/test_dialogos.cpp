#include "AyudasGrid.h"
#include "BaseDePrueba.h"
#include "dialogs/frmCalendar.h"
#include "dialogs/frmFormaPago.h"
#include "dialogs/frmMensajeSiNo.h"
#include "dialogs/frmPadNumerico.h"
#include "dialogs/frmUsuario.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class PruebaDialogos : public QObject
{
    Q_OBJECT

    // Loads the keypad, lets `usuario` play the window, and returns the answer.
    static QString Teclear(frmPadNumerico &pad, const std::function<void()> &usuario,
                           bool letraGrande = false, const QString &exacto = QString())
    {
        pad.MostrarModal = usuario;
        QString valor = u"sin tocar"_s;
        pad.CargarFormulario(valor, letraGrande, u"Dinero inicial en caja"_s, exacto);
        return valor;
    }

private Q_SLOTS:
    void padNumerico()
    {
        frmPadNumerico pad;
        // Each load starts empty; "C" clears; Escape, "NO" or closing otherwise accept nothing.
        QCOMPARE(Teclear(pad,
                         [&] {
                             QCOMPARE(pad.txtCifra, QString());
                             pad.n_Click(3), pad.nC_Click(), pad.cmdOk_Click();
                         }),
                 QString());
        for (const std::function<void()> &cerrar : std::initializer_list<std::function<void()>>{
                 [&] { pad.Form_KeyPress(QChar(27)); }, [&] { pad.cmdCancelar_Click(); }, [] {}})
            QCOMPARE(Teclear(pad, [&] { pad.n_Click(9), cerrar(); }), QString());

        // The keyboard types into the display; the caller judges the figure, so two points pass.
        QCOMPARE(Teclear(
                     pad,
                     [&] {
                         for (QChar c : u"6a0x0,5.9\b\r"_s)
                             pad.Form_KeyPress(c);
                     },
                     true),
                 u"600.5."_s);

        // Without an amount owed the exact key does nothing.
        QCOMPARE(Teclear(pad, [&] { pad.n_Click(4), pad.cmdExacto_Click(), pad.cmdOk_Click(); }), u"4"_s);
    }

    void calendario()
    {
        BaseDePrueba b; // today is 05/12/2026
        frmCalendar cal;
        QString fecha;
        auto elegir = [&](const std::function<void()> &usuario) {
            cal.MostrarModal = usuario;
            fecha = u"sin tocar"_s;
            cal.CargarFormulario(fecha);
            return fecha;
        };
        QCOMPARE(elegir([&] { cal.cmdAceptar_Click(); }), u"5/12/2026"_s);
        QCOMPARE(elegir([&] { cal.cmdCancelar_Click(); }), QString());
        QVERIFY(b.dialogos.preguntas.isEmpty());

        // One touch for the usual promises.
        const std::pair<int, const char *> atajos[] = {
            {1, "6/12/2026"}, {2, "7/12/2026"}, {3, "8/12/2026"}, {7, "12/12/2026"}};
        for (const auto &[dias, esperada] : atajos) {
            QCOMPARE(elegir([&, dias = dias] {
                         cal.Cal1 = QDate(2027, 1, 1);
                         cal.cmdDias_Click(dias);
                         QVERIFY(cal.Cerrado);
                     }),
                     QString::fromLatin1(esperada));
        }

        // Yesterday: asked, "yes" takes it; a refused past date does not slip out when the window closes.
        b.dialogos.siNo = {6, 7};
        QCOMPARE(elegir([&] {
                     cal.Cal1 = QDate(2026, 12, 4);
                     cal.cmdAceptar_Click();
                 }),
                 u"4/12/2026"_s);
        QCOMPARE(elegir([&] {
                     cal.Cal1 = QDate(2025, 1, 31);
                     cal.cmdAceptar_Click();
                 }),
                 QString());
        QCOMPARE(b.dialogos.preguntas.size(), 2);
        QCOMPARE(b.dialogos.preguntas[0],
                 u"La fecha introducida es anterior a la fecha de hoy\r\n¿Desea continuar?"_s);
    }

    void mensajes()
    {
        frmMensajeSiNo siNo;
        int respuesta = -1;
        // "Cancelar" says no; closed any other way, the question has no answer.
        const std::pair<std::function<void()>, int> casos[] = {{[&] { siNo.cmdCancel_Click(); }, 7},
                                                               {nullptr, 0}};
        for (const auto &[usuario, esperada] : casos) {
            siNo.MostrarModal = usuario;
            siNo.CargarFormulario(u"¿Comenzar una nueva caja?"_s, respuesta);
            QCOMPARE(respuesta, esperada);
        }
    }

    void selectores()
    {
        BaseDePrueba b; // Efectivo 1, Tarjeta 2, Bizum 3; Encargada 1
        b.Insertar("usuarios", "idusuario, nombre", {"5, 'Zoe'", "4, 'Ángela'"});
        b.conexion.Ejecutar(u"update formaspago set nombre = 'Tarjeta  ' where idformapago = 2"_s);
        frmUsuario u;
        frmFormaPago f;
        int id = -1;
        QString nombre;
        // The first row is chosen unless another is touched; the header is no choice; closing
        // without "Aceptar" chooses nothing. The staff picker cannot be cancelled.
        const struct {
            std::function<void()> enUsuario, enForma;
            int idusuario, idformapago;
            const char *formapago;
        } casos[] = {
            {[&] { u.cmdCancelar_Click(), u.cmdAceptar_Click(); }, [&] { f.cmdAceptar_Click(); }, 4, 3,
             "Bizum"},
            {[&] { u.gridTrabajadores_Click(3), u.gridTrabajadores_Click(0), u.cmdAceptar_Click(); },
             [&] { f.gridTrabajadores_Click(3), f.cmdAceptar_Click(); }, 5, 2, "Tarjeta"},
            {[&] { u.gridTrabajadores_Click(2); }, [&] { f.gridTrabajadores_Click(2); }, 0, 0, ""},
        };
        for (const auto &c : casos) {
            u.MostrarModal = c.enUsuario;
            f.MostrarModal = c.enForma;
            u.CargarFormulario(id);
            QCOMPARE(id, c.idusuario);
            f.CargarFormulario(nombre, id);
            QCOMPARE(id, c.idformapago);
            QCOMPARE(nombre, QString::fromUtf8(c.formapago));
        }
        QCOMPARE(TextosColumna(u.gridTrabajadores, 1).join(u'|'), u"Ángela|Encargada|Zoe"_s);
        QVERIFY(!f.cmdCancelarVisible);

        // Nothing to choose from: nothing chosen.
        b.conexion.Ejecutar(u"delete from usuarios"_s);
        u.MostrarModal = [&] { u.cmdAceptar_Click(); };
        u.CargarFormulario(id);
        QCOMPARE(id, 0);
    }
};

QTEST_GUILESS_MAIN(PruebaDialogos)
#include "test_dialogos.moc"
