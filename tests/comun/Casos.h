#pragma once

#include <QVariant>
#include <QtTest>
#include <initializer_list>
#include <utility>

// Many one-value checks as rows {what came out, what should}: a failure names the row by its number.
inline void Casos(std::initializer_list<std::pair<QVariant, QVariant>> filas)
{
    int n = 0;
    for (const auto &[real, esperado] : filas) {
        ++n;
        QVERIFY2(real == esperado, qPrintable(QStringLiteral("fila %1: %2, se esperaba %3")
                                                  .arg(n)
                                                  .arg(real.toString(), esperado.toString())));
    }
}
