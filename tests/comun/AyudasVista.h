#pragma once

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

// GUI tests: find a cell of a table view by its text, touch it, read a column.
inline QModelIndex BuscarCelda(QTableView *t, int columna, const QString &texto)
{
    for (int f = 0; f < t->model()->rowCount(); ++f)
        if (t->model()->index(f, columna).data().toString() == texto)
            return t->model()->index(f, columna);
    return {};
}

inline void TocarCelda(QTableView *t, const QModelIndex &i)
{
    QVERIFY(i.isValid());
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(i).center());
}

inline QStringList TextosVista(QTableView *t, int columna)
{
    QStringList r;
    for (int f = 0; f < t->model()->rowCount(); ++f)
        r.append(t->model()->index(f, columna).data().toString());
    return r;
}

// Headers and cells of a view whose text is cut. A header is measured bold, as it is drawn when
// its row is selected.
inline QStringList TextosCortados(QTableView *t)
{
    QStringList r;
    for (int c = 0; c < t->model()->columnCount(); ++c) {
        if (t->isColumnHidden(c))
            continue;
        if (t->horizontalHeader()->sectionSizeHint(c) > t->columnWidth(c))
            r.append(t->model()->headerData(c, Qt::Horizontal).toString());
        for (int f = 0; f < t->model()->rowCount(); ++f)
            if (t->sizeHintForIndex(t->model()->index(f, c)).width() > t->columnWidth(c))
                r.append(t->model()->index(f, c).data().toString());
    }
    return r;
}

// A touch on a button that must be there, shown and available.
inline void Pulsar(QWidget *w, const QString &nombre)
{
    auto *b = w->findChild<QPushButton *>(nombre);
    QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(nombre));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Two touches on the same cell, as staff open a row.
inline void DobleToque(QTableView *t, const QModelIndex &i)
{
    QVERIFY(i.isValid());
    const QPoint p = t->visualRect(i).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
}

// What a form model runs while it is open: its real view, shown, played by the test.
template <class V, class F> std::function<void()> Ver(F &forma, std::function<void(V &)> usuario)
{
    return [&forma, usuario] {
        V v(forma);
        v.show();
        usuario(v);
    };
}

// The key or button that ends a screen, which must then be gone.
inline void Cerrar(QWidget &v, Qt::Key tecla)
{
    QTest::keyClick(&v, tecla);
    QVERIFY(!v.isVisible());
}

inline void Cerrar(QWidget &v, QWidget *boton)
{
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(!v.isVisible());
}

// Text typed into a box and Enter, as a person or a keyboard-style scanner does.
inline void Escribir(QLineEdit *caja, const QString &texto)
{
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

// Plays the user on each modal window as it opens: the next of `pasos`, run from the event loop so
// that a window it opens in turn gets the one after. A window its step left open (a failed check)
// is closed, so the test cannot hang.
struct GuionVentanas {
    std::deque<std::function<void(QDialog *)>> pasos;
    QTimer reloj;
    GuionVentanas()
    {
        QObject::connect(&reloj, &QTimer::timeout, [this] {
            auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!w || w->property("guion").toBool() || pasos.empty())
                return;
            w->setProperty("guion", true);
            QTimer::singleShot(0, w, [w, paso = pasos.front()] {
                paso(w);
                if (w->isVisible())
                    w->reject();
            });
            pasos.pop_front();
        });
        reloj.start(5);
    }
};
