#include "AyudasVista.h"
#include "BaseDePrueba.h"
#include "PantallasPrueba.h"
#include "TiendaDemo.h"
#include "core/Dialogos.h"
#include "core/Programa.h"
#include "intercambio/frmImportar.h"
#include "masterdata/frmTrabajadores.h"
#include "menu/FRMoPCIONES.h"
#include "ui/common/Estilo.h"
#include "ui/dialogs/DialogosQt.h"
#include "ui/dialogs/SelectorVista.h"
#include "ui/intercambio/frmImportarVista.h"
#include "ui/menu/FRMoPCIONESVista.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Records the screens opened.
struct PantallasAnotadas : PantallasPrueba {
    void Calculadora() override { abiertas.append(u"calculadora"_s); }
    void ImportarDatos() override { abiertas.append(u"importar"_s); }
    QStringList abiertas;
};

using Tienda = TiendaDemo<PantallasAnotadas>;

} // namespace

class PruebaOpcionesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Estilo::Aplicar();
    }

    // The options menu's buttons come from the registry of screens: "Calculadora" opens the
    // calculator. On the worker picker, Escape or the window's close
    // button choose nothing; only "Cancelar" answers 0, which takes a garment away from its worker.
    void trabajadores()
    {
        Tienda t;
        FRMoPCIONES m;
        m.CargarFormulario(Ver<FRMoPCIONESVista>(m, [&](FRMoPCIONESVista &v) {
            QTest::mouseClick(v.Boton(u"Calculadora"_s), Qt::LeftButton);
            QVERIFY(v.isVisible());
            Cerrar(v, Qt::Key_Escape);
        }));
        QCOMPARE(t.pantallas.abiertas, QStringList{u"calculadora"_s});

        frmTrabajadores picker;
        SelectorVista v(picker);
        picker.MostrarModal = [&] {
            v.Repintar();
            v.show();
            auto *grid = v.findChild<QTableView *>(u"gridTrabajadores"_s);
            TocarCelda(grid, BuscarCelda(grid, 1, u"Rosa"_s));
            QTest::mouseClick(v.findChild<QPushButton *>(u"cmdAceptar"_s), Qt::LeftButton);
        };
        int elegido = 0;
        picker.CargarFormulario(elegido);
        QCOMPARE(elegido, 1);
        const std::pair<std::function<void()>, int> salidas[] = {
            {[&] { QTest::keyClick(&v, Qt::Key_Escape); }, Dialogos::TrabajadorSinElegir},
            {[&] { v.close(); }, Dialogos::TrabajadorSinElegir},
            {[&] { QTest::mouseClick(v.findChild<QPushButton *>(u"cmdCancelar"_s), Qt::LeftButton); }, 0}};
        for (const auto &salida : salidas) {
            picker.MostrarModal = [&] {
                v.show();
                salida.first();
            };
            picker.CargarFormulario(elegido);
            QCOMPARE(elegido, salida.second);
        }
    }

    // The real keypads, calendar, question and staff picker.
    void dialogos()
    {
        BaseDePrueba b; // today is 05/12/2026
        DialogosQt d;
        G().dialogos = &d;
        GuionVentanas guion;
        guion.pasos.push_back([](QDialog *w) {
            for (const char *tecla : {"n1", "n2", "npunto", "n5", "n9", "cmdBorrar"})
                Pulsar(w, QString::fromLatin1(tecla));
            QCOMPARE(w->findChild<QLabel *>(u"txtCifra"_s)->text(), u"12.5"_s);
            QCOMPARE(w->findChild<QLabel *>(u"lblTitulo"_s)->text(), u"Dinero inicial en caja"_s);
            for (QPushButton *boton : w->findChildren<QPushButton *>())
                QVERIFY2(boton->width() >= 90 && boton->height() >= 80, qPrintable(boton->text()));
            Pulsar(w, u"cmdOk"_s);
        });
        QCOMPARE(d.PadNumerico(u"Dinero inicial en caja"_s, false), u"12.5"_s);

        // A telephone typed on the keyboard, in the large display.
        guion.pasos.push_back([](QDialog *w) {
            QTest::keyClicks(w, u"6001"_s);
            QTest::keyClick(w, Qt::Key_Backspace);
            QTest::keyClick(w, Qt::Key_2);
            QTest::keyClick(w, Qt::Key_Return);
        });
        QCOMPARE(d.PadNumerico(u"Teléfono"_s, true), u"6002"_s);

        // Fifty digits on either keypad: the window keeps its size on a 1024-pixel screen and the
        // display holds what a telephone or an amount can have (its keys: test_accesibilidad).
        for (const bool telefono : {true, false}) {
            guion.pasos.push_back([](QDialog *w) {
                QApplication::processEvents();
                const QSize antes = w->size();
                QVERIFY(antes.width() <= 1024 && antes.height() <= 768);
                for (int i = 0; i < 25; ++i)
                    Pulsar(w, u"n9"_s);
                QTest::keyClicks(w, QString(25, QLatin1Char('8')));
                QApplication::processEvents();
                QCOMPARE(w->size(), antes);
                Pulsar(w, u"cmdOk"_s);
            });
            QCOMPARE(d.PadNumerico(u"Teléfono"_s, telefono), QString(telefono ? 15 : 12, QLatin1Char('9')));
        }

        guion.pasos.push_back([&guion](QDialog *w) {
            auto *cal = w->findChild<QCalendarWidget *>();
            QCOMPARE(cal->selectedDate(), QDate(2026, 12, 5));
            cal->setSelectedDate(QDate(2026, 12, 1));
            // The question opens on top of the calendar; "Cancelar" keeps the calendar open.
            guion.pasos.push_back([](QDialog *pregunta) {
                QVERIFY(pregunta->findChild<QLabel *>()->text().startsWith(
                    u"La fecha introducida es anterior"_s));
                Pulsar(pregunta, u"cmdCancel"_s);
            });
            Pulsar(w, u"cmdAceptar"_s);
            QVERIFY(w->isVisible());
            QCOMPARE(cal->selectedDate(), QDate(2026, 12, 1));
            cal->setSelectedDate(QDate(2027, 3, 5));
            Pulsar(w, u"cmdAceptar"_s);
        });
        QCOMPARE(d.Calendario(), u"5/3/2027"_s);

        // "Aceptar" says yes, Escape no (a name with markup in the question: test_accesibilidad).
        guion.pasos.push_back([](QDialog *w) { Pulsar(w, u"cmdOK"_s); });
        QCOMPARE(d.MensajeSiNo(u"¿Borrar el cliente?"_s), 6);
        guion.pasos.push_back([](QDialog *w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(d.MensajeSiNo(u"¿Comenzar una nueva caja?"_s), 7);

        b.Insertar("usuarios", "idusuario, nombre", {"5, 'Zoe'", "4, 'Ana'"});
        guion.pasos.push_back([](QDialog *w) {
            QCOMPARE(w->windowTitle(), u"Seleccione el usuario"_s);
            auto *grid = w->findChild<QTableView *>(u"gridTrabajadores"_s);
            QCOMPARE(grid->currentIndex().row(), 0);
            QVERIFY(grid->isColumnHidden(0));
            QVERIFY(grid->rowHeight(2) >= 48);
            // The name touched is the choice, at once.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(2, 1)).center());
        });
        QCOMPARE(d.Usuario(), 5);
    }

    // The menu opens "Traer los datos del programa anterior" only while the shop is empty; the
    // screen brings the old program's file in, its bar moving to the end, and shows the checks.
    void importarDatos()
    {
        {
            Tienda t;
            FRMoPCIONES m;
            m.cmdImportarDatos_Click();
            QVERIFY(t.b.dialogos.mensajes.join(' ').contains(u"solo se traen a una tienda vacía"_s));
            QVERIFY(t.pantallas.abiertas.isEmpty());
        }
        BaseDePrueba b;
        PantallasAnotadas p;
        G().pantallas = &p;
        FRMoPCIONES m;
        m.CargarFormulario(Ver<FRMoPCIONESVista>(m, [&](FRMoPCIONESVista &v) {
            QTest::mouseClick(v.Boton(u"Traer los datos del programa anterior"_s), Qt::LeftButton);
            Cerrar(v, Qt::Key_Escape);
        }));
        G().pantallas = nullptr;
        QCOMPARE(p.abiertas, QStringList{u"importar"_s});

        frmImportar f;
        f.CargarFormulario(Ver<frmImportarVista>(f, [&](frmImportarVista &v) {
            f.ElegirOrigen(QStringLiteral(HILVAN_DATOS "/tienda-antigua.mdb"));
            v.Repintar();
            Pulsar(&v, u"cmdImportar"_s);
            auto *salir = v.findChild<QPushButton *>(u"cmdSalir"_s);
            QVERIFY(!salir->isEnabled());
            while (!salir->isEnabled())
                QTest::qWait(50);
            QCOMPARE(v.findChild<QProgressBar *>(u"barProgreso"_s)->value(), 1000);
            QVERIFY(v.findChild<QLabel *>(u"lblResultado"_s)->text().startsWith(u"Datos importados"_s));
            QVERIFY(v.findChild<QTableView *>(u"gridComprobaciones"_s)->model()->rowCount() > 20);
            Pulsar(&v, u"cmdSalir"_s);
        }));
        QVERIFY(f.Importado);
    }
};

QTEST_MAIN(PruebaOpcionesGui)
#include "test_opciones_gui.moc"
