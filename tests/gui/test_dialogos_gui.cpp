#include "BaseDePrueba.h"
#include "core/Programa.h"
#include "ui/DialogosQt.h"
#include "ui/Estilo.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace
{

// Plays the user on the next dialog that opens, while the caller waits in its exec(). A dialog
// the script left open (a failed check) is closed so the test cannot hang.
void AlAbrir(const std::function<void(QDialog *)> &usuario)
{
    QTimer::singleShot(0, [usuario] {
        auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!w) {
            QFAIL("no se abrió ninguna ventana");
            return;
        }
        usuario(w);
        if (w->isVisible())
            w->reject();
    });
}

QPushButton *Boton(QDialog *w, const QString &nombre)
{
    return w->findChild<QPushButton *>(nombre);
}

void Pulsar(QDialog *w, const QString &nombre)
{
    QPushButton *b = Boton(w, nombre);
    QVERIFY2(b, qPrintable(nombre));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class PruebaDialogosGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Estilo::Aplicar();
    }

    void teclado()
    {
        DialogosQt d;
        AlAbrir([](QDialog *w) {
            for (const char *b : {"n1", "n2", "npunto", "n5", "n9", "cmdBorrar"})
                Pulsar(w, QString::fromLatin1(b));
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("txtCifra"))->text(), QStringLiteral("12.5"));
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblTitulo"))->text(),
                     QStringLiteral("Dinero inicial en caja"));
            for (QPushButton *b : w->findChildren<QPushButton *>())
                QVERIFY2(b->width() >= 90 && b->height() >= 80, qPrintable(b->text()));
            Pulsar(w, QStringLiteral("cmdOk"));
        });
        QCOMPARE(d.PadNumerico(QStringLiteral("Dinero inicial en caja"), false), QStringLiteral("12.5"));

        // A telephone typed on the keyboard, in the large display.
        AlAbrir([](QDialog *w) {
            QTest::keyClicks(w, QStringLiteral("6001"));
            QTest::keyClick(w, Qt::Key_Backspace);
            QTest::keyClick(w, Qt::Key_2);
            QTest::keyClick(w, Qt::Key_Return);
        });
        QCOMPARE(d.PadNumerico(QStringLiteral("Teléfono"), true), QStringLiteral("6002"));

        // The exact-amount key answers what is owed in one touch.
        AlAbrir([](QDialog *w) { Pulsar(w, QStringLiteral("cmdExacto")); });
        QCOMPARE(d.PadImporte(QStringLiteral("Pendiente"), QStringLiteral("52.5")), QStringLiteral("52.5"));
    }

    // Fifty digits on either keypad: the window keeps its size on a 1024-pixel screen, every key
    // stays inside it, and the display holds what a telephone or an amount can have.
    void tecladoNoCreceConLaCifra()
    {
        DialogosQt d;
        for (const bool telefono : {true, false}) {
            AlAbrir([telefono](QDialog *w) {
                QApplication::processEvents();
                const QSize antes = w->size();
                QVERIFY(antes.width() <= 1024 && antes.height() <= 768);
                for (int i = 0; i < 25; ++i)
                    Pulsar(w, QStringLiteral("n9"));
                QTest::keyClicks(w, QString(25, QLatin1Char('8')));
                QApplication::processEvents();
                QCOMPARE(w->size(), antes);
                const QString cifra = w->findChild<QLabel *>(QStringLiteral("txtCifra"))->text();
                QCOMPARE(cifra.size(), telefono ? 15 : 12);
                for (QPushButton *b : w->findChildren<QPushButton *>())
                    QVERIFY2(w->rect().contains(QRect(b->mapTo(w, QPoint(0, 0)), b->size())),
                             qPrintable(b->text()));
                Pulsar(w, QStringLiteral("cmdOk"));
            });
            QCOMPARE(d.PadNumerico(QStringLiteral("Teléfono"), telefono),
                     QString(telefono ? 15 : 12, QLatin1Char('9')));
        }
    }

    void calendarioYPregunta()
    {
        BaseDePrueba b; // today is 05/12/2026
        DialogosQt d;
        G().dialogos = &d;
        AlAbrir([](QDialog *w) {
            auto *cal = w->findChild<QCalendarWidget *>();
            QCOMPARE(cal->selectedDate(), QDate(2026, 12, 5));
            cal->setSelectedDate(QDate(2026, 12, 1));
            // The question opens on top of the calendar; "Cancelar" keeps the calendar open.
            AlAbrir([](QDialog *pregunta) {
                QVERIFY(pregunta->findChild<QLabel *>()->text().startsWith(
                    QStringLiteral("La fecha introducida es anterior")));
                Pulsar(pregunta, QStringLiteral("cmdCancel"));
            });
            Pulsar(w, QStringLiteral("cmdAceptar"));
            QVERIFY(w->isVisible());
            QCOMPARE(cal->selectedDate(), QDate(2026, 12, 1));
            cal->setSelectedDate(QDate(2027, 3, 5));
            Pulsar(w, QStringLiteral("cmdAceptar"));
        });
        QCOMPARE(d.Calendario(), QStringLiteral("5/3/2027"));

        AlAbrir([](QDialog *w) { Pulsar(w, QStringLiteral("cmdDosDias")); });
        QCOMPARE(d.Calendario(), QStringLiteral("7/12/2026"));

        AlAbrir([](QDialog *w) { Pulsar(w, QStringLiteral("cmdOK")); });
        QCOMPARE(d.MensajeSiNo(QString::fromUtf8("¿Comenzar una nueva caja?")), 6);
        AlAbrir([](QDialog *w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(d.MensajeSiNo(QString::fromUtf8("¿Comenzar una nueva caja?")), 7);
    }

    void selectores()
    {
        BaseDePrueba b;
        b.conexion.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (5, 'Zoe')"));
        b.conexion.Ejecutar(QStringLiteral("insert into usuarios (idusuario, nombre) values (4, 'Ana')"));
        DialogosQt d;
        AlAbrir([](QDialog *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Seleccione el usuario"));
            auto *grid = w->findChild<QTableView *>(QStringLiteral("gridTrabajadores"));
            QCOMPARE(grid->model()->rowCount(), 3);
            QCOMPARE(grid->currentIndex().row(), 0);
            QVERIFY(grid->isColumnHidden(0));
            QVERIFY(grid->rowHeight(2) >= 48);
            const QModelIndex zoe = grid->model()->index(2, 1);
            QCOMPARE(zoe.data().toString(), QStringLiteral("Zoe"));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(zoe).center());
            QCOMPARE(grid->currentIndex().row(), 2);
            Pulsar(w, QStringLiteral("cmdAceptar"));
        });
        QCOMPARE(d.Usuario(), 5);

        AlAbrir([](QDialog *w) {
            QVERIFY(!Boton(w, QStringLiteral("cmdCancelar")));
            Pulsar(w, QStringLiteral("cmdAceptar"));
        });
        QString nombre;
        int id = -1;
        d.FormaPago(nombre, id);
        QCOMPARE(nombre, QStringLiteral("Bizum"));
        QCOMPARE(id, 3);
    }
};

QTEST_MAIN(PruebaDialogosGui)
#include "test_dialogos_gui.moc"
