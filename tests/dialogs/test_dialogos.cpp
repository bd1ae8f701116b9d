#include "BaseDePrueba.h"
#include "dialogs/Mensaje.h"
#include "dialogs/frmCalendar.h"
#include "dialogs/frmFormaPago.h"
#include "dialogs/frmMensajeSiNo.h"
#include "dialogs/frmPadNumerico.h"
#include "dialogs/frmUsuario.h"

#include <QtTest>

class PruebaDialogos : public QObject
{
    Q_OBJECT

    // Loads the keypad, lets `usuario` play the window, and returns the answer.
    static QString Teclear(frmPadNumerico &pad, const std::function<void()> &usuario,
                           bool letraGrande = false)
    {
        pad.MostrarModal = usuario;
        QString valor = QStringLiteral("sin tocar");
        pad.CargarFormulario(valor, letraGrande, QStringLiteral("Dinero inicial en caja"));
        return valor;
    }

private Q_SLOTS:
    void padNumerico()
    {
        frmPadNumerico pad;
        QCOMPARE(Teclear(pad,
                         [&] {
                             QCOMPARE(pad.txtCifra, QString());
                             QCOMPARE(pad.lblTitulo, QStringLiteral("Dinero inicial en caja"));
                             QVERIFY(!pad.letraGrande);
                             pad.n_Click(1), pad.n_Click(2), pad.npunto_Click(), pad.n_Click(5);
                             QCOMPARE(pad.txtCifra, QStringLiteral("12.5"));
                             pad.cmdOk_Click();
                         }),
                 QStringLiteral("12.5"));

        // Each load starts empty, whatever the last one typed.
        QCOMPARE(Teclear(pad,
                         [&] {
                             QCOMPARE(pad.txtCifra, QString());
                             pad.n_Click(1), pad.n_Click(2), pad.npunto_Click(), pad.n_Click(5);
                             pad.cmdBorrar_Click();
                             QCOMPARE(pad.txtCifra, QStringLiteral("12."));
                             pad.nC_Click();
                             pad.cmdBorrar_Click(); // nothing left to delete
                             QCOMPARE(pad.txtCifra, QString());
                             pad.cmdOk_Click();
                         }),
                 QString());

        QCOMPARE(Teclear(pad,
                         [&] {
                             pad.n_Click(7), pad.n_Click(0);
                             pad.Form_KeyPress(QChar(27));
                         }),
                 QString());
        QVERIFY(pad.Cerrado);
        QCOMPARE(Teclear(pad, [&] { pad.n_Click(9), pad.cmdCancelar_Click(); }), QString());
        // Closed by other means than its buttons: nothing was accepted.
        QCOMPARE(Teclear(pad, [&] { pad.n_Click(9); }), QString());

        // The keyboard types into the display; the caller judges the figure, so two points pass.
        QCOMPARE(Teclear(
                     pad,
                     [&] {
                         QVERIFY(pad.letraGrande);
                         for (QChar c : QStringLiteral("6a0x0,5.9"))
                             pad.Form_KeyPress(c);
                         QCOMPARE(pad.txtCifra, QStringLiteral("600.5.9"));
                         pad.Form_KeyPress(u'\b');
                         pad.Form_KeyPress(u'\r');
                     },
                     true),
                 QStringLiteral("600.5."));
    }

    void calendario()
    {
        BaseDePrueba b; // today is 05/12/2026
        frmCalendar cal;
        QString fecha = QStringLiteral("sin tocar");

        cal.MostrarModal = [&] {
            QCOMPARE(cal.Cal1, QDate(2026, 12, 5));
            cal.Cal1 = QDate(2027, 3, 5);
            cal.cmdAceptar_Click();
            QVERIFY(cal.Cerrado);
        };
        cal.CargarFormulario(fecha);
        QCOMPARE(fecha, QStringLiteral("5/3/2027"));

        cal.MostrarModal = [&] { cal.cmdAceptar_Click(); };
        cal.CargarFormulario(fecha);
        QCOMPARE(fecha, QStringLiteral("5/12/2026"));
        QVERIFY(b.dialogos.preguntas.isEmpty());

        // Yesterday: asked; "no" keeps the calendar open on that date, "yes" takes it.
        b.dialogos.siNo = {7, 6};
        cal.MostrarModal = [&] {
            cal.Cal1 = QDate(2026, 12, 4);
            cal.cmdAceptar_Click();
            QVERIFY(!cal.Cerrado);
            QCOMPARE(cal.Cal1, QDate(2026, 12, 4));
            cal.cmdAceptar_Click();
            QVERIFY(cal.Cerrado);
        };
        cal.CargarFormulario(fecha);
        QCOMPARE(fecha, QStringLiteral("4/12/2026"));
        const QString pregunta =
            QString::fromUtf8("La fecha introducida es anterior a la fecha de hoy\r\n¿Desea continuar?");
        QCOMPARE(b.dialogos.preguntas, QStringList({pregunta, pregunta}));

        // A refused past date does not slip out when the window is then closed.
        b.dialogos.siNo = {7};
        cal.MostrarModal = [&] {
            cal.Cal1 = QDate(2025, 1, 31);
            cal.cmdAceptar_Click();
        };
        cal.CargarFormulario(fecha);
        QCOMPARE(fecha, QString());

        cal.MostrarModal = [&] { cal.cmdCancelar_Click(); };
        cal.CargarFormulario(fecha);
        QCOMPARE(fecha, QString());
    }

    void mensajes()
    {
        frmMensajeSiNo siNo;
        int respuesta = -1;
        siNo.MostrarModal = [&] {
            QCOMPARE(siNo.lblMensaje, QString::fromUtf8("¿Comenzar una nueva caja?"));
            siNo.cmdOK_Click();
        };
        siNo.CargarFormulario(QString::fromUtf8("¿Comenzar una nueva caja?"), respuesta);
        QCOMPARE(respuesta, 6);
        siNo.MostrarModal = [&] { siNo.cmdCancel_Click(); };
        siNo.CargarFormulario(QStringLiteral("x"), respuesta);
        QCOMPARE(respuesta, 7);
        siNo.MostrarModal = nullptr;
        siNo.CargarFormulario(QStringLiteral("x"), respuesta);
        QCOMPARE(respuesta, 0);

        Mensaje m;
        m.MostrarModal = [&] { m.cmdAceptar_Click(); };
        m.CargarFormulario(QStringLiteral("Hola"));
        QCOMPARE(m.lblMensaje, QStringLiteral("Hola"));
        QVERIFY(m.Cerrado);
    }

    void usuario()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (5, 'Zoe')"));
        b.conexion.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (4, 'Ana')"));
        frmUsuario u;
        int id = -1;

        u.MostrarModal = [&] {
            const Grid &g = u.gridTrabajadores;
            QCOMPARE(u.Caption, QStringLiteral("Seleccione el usuario"));
            QCOMPARE(g.Rows(), 4);
            QCOMPARE(g.Cols(), 2);
            QCOMPARE(g.TextMatrix(0, 0), QString());
            QCOMPARE(g.TextMatrix(0, 1), QStringLiteral("Usuario"));
            QCOMPARE(g.ColWidth(0), 1);
            QCOMPARE(g.ColWidth(1), 6015);
            QCOMPARE(g.TextMatrix(1, 1), QStringLiteral("Ana"));
            QCOMPARE(g.TextMatrix(3, 1), QStringLiteral("Zoe"));
            QCOMPARE(g.CellBackColor(1, 1), ColorFilaImpar);
            QCOMPARE(g.CellBackColor(2, 1), ColorFilaPar);
            QCOMPARE(g.Row, 1);
            u.cmdCancelar_Click(); // does nothing: who attended has to be chosen
            QVERIFY(!u.Cerrado);
            u.cmdAceptar_Click();
        };
        u.CargarFormulario(id);
        QCOMPARE(id, 4);

        u.MostrarModal = [&] {
            u.gridTrabajadores_Click(3);
            u.gridTrabajadores_Click(0); // the header is not a choice
            u.cmdAceptar_Click();
        };
        u.CargarFormulario(id);
        QCOMPARE(id, 5);

        u.MostrarModal = [&] { u.gridTrabajadores_Click(2); };
        u.CargarFormulario(id);
        QCOMPARE(id, 0);

        b.conexion.Ejecutar(QStringLiteral("delete from usuarios"));
        u.MostrarModal = [&] { u.cmdAceptar_Click(); };
        u.CargarFormulario(id);
        QCOMPARE(id, 0);
    }

    void formaPago()
    {
        BaseDePrueba b; // Efectivo 1, Tarjeta 2, Bizum 3
        b.conexion.Ejecutar(
            QStringLiteral("update formaspago set nombre = 'Tarjeta  ' where idformapago = 2"));
        frmFormaPago f;
        QString nombre = QStringLiteral("sin tocar");
        int id = -1;

        f.MostrarModal = [&] {
            QCOMPARE(f.Caption, QStringLiteral("Seleccione la forma de pago"));
            QCOMPARE(f.gridTrabajadores.TextMatrix(0, 1), QStringLiteral("Forma de pago"));
            QVERIFY(!f.cmdCancelarVisible);
            f.cmdAceptar_Click();
        };
        f.CargarFormulario(nombre, id);
        QCOMPARE(nombre, QStringLiteral("Bizum"));
        QCOMPARE(id, 3);

        f.MostrarModal = [&] {
            f.gridTrabajadores_Click(3);
            f.cmdAceptar_Click();
        };
        f.CargarFormulario(nombre, id);
        QCOMPARE(nombre, QStringLiteral("Tarjeta"));
        QCOMPARE(id, 2);

        f.MostrarModal = [&] { f.gridTrabajadores_Click(2); };
        f.CargarFormulario(nombre, id);
        QCOMPARE(nombre, QString());
        QCOMPARE(id, 0);

        b.conexion.Ejecutar(QStringLiteral("delete from formaspago"));
        f.MostrarModal = [&] { f.cmdAceptar_Click(); };
        f.CargarFormulario(nombre, id);
        QCOMPARE(nombre, QString());
        QCOMPARE(id, 0);
    }
};

QTEST_GUILESS_MAIN(PruebaDialogos)
#include "test_dialogos.moc"
