#pragma once

#include "core/Grid.h"

#include <QStringList>

// The data row whose column holds the text, or -1.
inline int FilaDeTexto(const Grid &g, int columna, const QString &texto)
{
    for (int f = 1; f < g.Rows(); ++f)
        if (g.TextMatrix(f, columna) == texto)
            return f;
    return -1;
}

// The texts of one column, data rows only.
inline QStringList TextosColumna(const Grid &g, int columna)
{
    QStringList r;
    for (int f = 1; f < g.Rows(); ++f)
        r.append(g.TextMatrix(f, columna));
    return r;
}

// The texts of one row, every column.
inline QStringList TextosFila(const Grid &g, int fila)
{
    QStringList r;
    for (int c = 0; c < g.Cols(); ++c)
        r.append(g.TextMatrix(fila, c));
    return r;
}
