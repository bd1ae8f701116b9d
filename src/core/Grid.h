#pragma once

#include <QString>
#include <vector>

// A colour as the grids keep it: red + green * 256 + blue * 65536.
using Color = quint32;
constexpr Color Rgb(int r, int g, int b)
{
    return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr Color SinColor = 0xFFFFFFFFu; // the cell keeps the grid's default background
constexpr int RojoDe(Color c)
{
    return int(c & 0xFF);
}
constexpr int VerdeDe(Color c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int AzulDe(Color c)
{
    return int((c >> 16) & 0xFF);
}

enum class Alineacion { Izquierda, Centro, Derecha };

// The screens' grids without a toolkit: row 0 is the header, each cell has a text and a
// background, columns have a width in twips (0 hides the column) and an alignment, rows
// have a height in twips, and one cell is current. Views draw it through GridModel.
class Grid
{
public:
    static constexpr int AltoFilaPorDefecto = 240;
    static constexpr int AnchoColumnaPorDefecto = 960;

    Grid(int filas = 1, int columnas = 1) { Dimensionar(filas, columnas); }

    int Rows() const { return int(celdas_.size()); }
    int Cols() const { return columnas_; }
    void SetRows(int filas);
    void SetCols(int columnas);
    void Dimensionar(int filas, int columnas);

    QString TextMatrix(int fila, int columna) const;
    void SetTextMatrix(int fila, int columna, const QString &texto);
    Color CellBackColor(int fila, int columna) const;
    void SetCellBackColor(int fila, int columna, Color color);
    bool CellFontBold(int fila, int columna) const;
    void SetCellFontBold(int fila, int columna, bool negrita);

    int ColWidth(int columna) const;
    void SetColWidth(int columna, int twips);
    Alineacion ColAlignment(int columna) const;
    void SetColAlignment(int columna, Alineacion a);
    int RowHeight(int fila) const;
    void SetRowHeight(int fila, int twips);

    // Appends a row; the texts fill its columns from column 0.
    int AgregarFila(const std::vector<QString> &textos = {});
    // Inserts a row before `fila` (appends when `fila` is past the last row).
    int InsertarFila(int fila, const std::vector<QString> &textos = {});
    void QuitarFila(int fila);

    // The current cell (row 1 = first data row once there is one).
    int Row = 0;
    int Col = 0;
    bool Visible = true;

private:
    struct Celda {
        QString texto;
        Color fondo = SinColor;
        bool negrita = false;
    };
    struct Columna {
        int ancho = AnchoColumnaPorDefecto;
        Alineacion alineacion = Alineacion::Izquierda;
    };
    bool Valida(int fila, int columna) const;
    int columnas_ = 0;
    std::vector<std::vector<Celda>> celdas_;
    std::vector<int> altos_;
    std::vector<Columna> cols_;
};

// Stripes every data row pink and cream, except rows whose current cell is marked RGB(128,128,255).
void ColorearGrid(Grid &grid);
// Paints a row's cells from column 1 on (column 0 is the fixed column) and makes it current.
void PintarFilaGrid(Grid &grid, int fila, Color color);

constexpr Color ColorFilaImpar = Rgb(247, 224, 230);
constexpr Color ColorFilaPar = Rgb(247, 247, 224);
constexpr Color ColorMarcado = Rgb(128, 128, 255);
