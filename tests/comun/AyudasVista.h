#pragma once

#include <QTableView>
#include <QtTest>

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

// Two touches on the same cell, as staff open a row.
inline void DobleToque(QTableView *t, const QModelIndex &i)
{
    QVERIFY(i.isValid());
    const QPoint p = t->visualRect(i).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
}
