#include "Grid.h"

void Grid::Dimensionar(int filas, int columnas)
{
    SetCols(columnas);
    SetRows(filas);
}

void Grid::SetRows(int filas)
{
    if (filas < 0)
        filas = 0;
    celdas_.resize(size_t(filas), std::vector<Celda>(size_t(columnas_)));
    altos_.resize(size_t(filas), AltoFilaPorDefecto);
    if (Row >= filas)
        Row = filas > 0 ? filas - 1 : 0;
}

void Grid::SetCols(int columnas)
{
    if (columnas < 0)
        columnas = 0;
    columnas_ = columnas;
    for (auto &fila : celdas_)
        fila.resize(size_t(columnas));
    cols_.resize(size_t(columnas));
    if (Col >= columnas)
        Col = columnas > 0 ? columnas - 1 : 0;
}

bool Grid::Valida(int fila, int columna) const
{
    return fila >= 0 && fila < Rows() && columna >= 0 && columna < columnas_;
}

QString Grid::TextMatrix(int fila, int columna) const
{
    return Valida(fila, columna) ? celdas_[size_t(fila)][size_t(columna)].texto : QString();
}

void Grid::SetTextMatrix(int fila, int columna, const QString &texto)
{
    if (Valida(fila, columna))
        celdas_[size_t(fila)][size_t(columna)].texto = texto;
}

Color Grid::CellBackColor(int fila, int columna) const
{
    return Valida(fila, columna) ? celdas_[size_t(fila)][size_t(columna)].fondo : SinColor;
}

void Grid::SetCellBackColor(int fila, int columna, Color color)
{
    if (Valida(fila, columna))
        celdas_[size_t(fila)][size_t(columna)].fondo = color;
}

bool Grid::CellFontBold(int fila, int columna) const
{
    return Valida(fila, columna) && celdas_[size_t(fila)][size_t(columna)].negrita;
}

void Grid::SetCellFontBold(int fila, int columna, bool negrita)
{
    if (Valida(fila, columna))
        celdas_[size_t(fila)][size_t(columna)].negrita = negrita;
}

int Grid::ColWidth(int columna) const
{
    return columna >= 0 && columna < columnas_ ? cols_[size_t(columna)].ancho : 0;
}

void Grid::SetColWidth(int columna, int twips)
{
    if (columna >= 0 && columna < columnas_)
        cols_[size_t(columna)].ancho = twips;
}

Alineacion Grid::ColAlignment(int columna) const
{
    return columna >= 0 && columna < columnas_ ? cols_[size_t(columna)].alineacion : Alineacion::Izquierda;
}

void Grid::SetColAlignment(int columna, Alineacion a)
{
    if (columna >= 0 && columna < columnas_)
        cols_[size_t(columna)].alineacion = a;
}

int Grid::RowHeight(int fila) const
{
    return fila >= 0 && fila < Rows() ? altos_[size_t(fila)] : 0;
}

void Grid::SetRowHeight(int fila, int twips)
{
    if (fila >= 0 && fila < Rows())
        altos_[size_t(fila)] = twips;
}

int Grid::AgregarFila(const std::vector<QString> &textos)
{
    // One row built in place: long listings append hundreds of thousands of them.
    celdas_.emplace_back(size_t(columnas_));
    altos_.push_back(AltoFilaPorDefecto);
    const int fila = Rows() - 1;
    for (size_t c = 0; c < textos.size() && int(c) < columnas_; ++c)
        celdas_[size_t(fila)][c].texto = textos[c];
    return fila;
}

int Grid::InsertarFila(int fila, const std::vector<QString> &textos)
{
    if (fila < 1 || fila >= Rows())
        return AgregarFila(textos);
    celdas_.emplace(celdas_.begin() + fila, size_t(columnas_));
    altos_.insert(altos_.begin() + fila, AltoFilaPorDefecto);
    for (size_t c = 0; c < textos.size() && int(c) < columnas_; ++c)
        celdas_[size_t(fila)][c].texto = textos[c];
    return fila;
}

void Grid::QuitarFila(int fila)
{
    if (fila < 0 || fila >= Rows())
        return;
    celdas_.erase(celdas_.begin() + fila);
    altos_.erase(altos_.begin() + fila);
    if (Row >= Rows())
        Row = Rows() > 0 ? Rows() - 1 : 0;
}

void PintarFilaGrid(Grid &grid, int fila, Color color)
{
    grid.Row = fila;
    for (int c = 1; c < grid.Cols(); ++c)
        grid.SetCellBackColor(fila, c, color);
}

void ColorearGrid(Grid &grid)
{
    grid.Visible = false;
    for (int f = 1; f < grid.Rows(); ++f) {
        grid.Row = f;
        if (grid.CellBackColor(f, grid.Col) == ColorMarcado)
            continue;
        PintarFilaGrid(grid, f, f % 2 == 1 ? ColorFilaImpar : ColorFilaPar);
    }
    grid.Visible = true;
}
