#pragma once

#include <QHash>
#include <QString>
#include <deque>
#include <map>
#include <tuple>
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
//
// A list of every line of decades of work has millions of rows, so a row is kept small: a few
// numbers in one block (its height, its look, a code per cell). A cell's text is either one of
// the texts the listing shares over many rows (SetTextoCompartido: kept once) or its own
// characters in blocks of bytes for the whole grid (one byte a character when it can); a text
// equal to the cell above takes its code (an order's number down its lines).
class Grid
{
public:
    static constexpr int AltoFilaPorDefecto = 240;
    static constexpr int AnchoColumnaPorDefecto = 960;

    Grid(int filas = 1, int columnas = 1) { Dimensionar(filas, columnas); }

    int Rows() const { return filas_; }
    int Cols() const { return columnas_; }
    void SetRows(int filas);
    void SetCols(int columnas);
    void Dimensionar(int filas, int columnas);

    QString TextMatrix(int fila, int columna) const;
    void SetTextMatrix(int fila, int columna, const QString &texto);
    // For a text that repeats over many rows of a long list (TextosLista's): the grid keeps the
    // one copy, not the characters again for each cell.
    void SetTextoCompartido(int fila, int columna, const QString &texto);
    Color CellBackColor(int fila, int columna) const;
    void SetCellBackColor(int fila, int columna, Color color);
    bool CellFontBold(int fila, int columna) const;
    void SetCellFontBold(int fila, int columna, bool negrita);
    // Paints the row's cells from column `desde` on.
    void PintarFila(int fila, int desde, Color color);

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
        Color fondo = SinColor;
        bool negrita = false;
        bool operator<(const Celda &o) const;
    };
    // A look: every cell's background and weight. Rows share a handful of them.
    using Aspecto = std::vector<Celda>;
    struct Columna {
        int ancho = AnchoColumnaPorDefecto;
        Alineacion alineacion = Alineacion::Izquierda;
    };
    // A row is its height, its look and a code per cell.
    enum { Alto, AspectoFila, PrimeraCelda };
    static constexpr quint32 Compartido = 0x80000000u; // the code's mark of a shared text

    bool Valida(int fila, int columna) const;
    quint32 &Dato(int fila, int campo)
    {
        return datos_[size_t(fila) * size_t(columnas_ + PrimeraCelda) + size_t(campo)];
    }
    quint32 Dato(int fila, int campo) const
    {
        return datos_[size_t(fila) * size_t(columnas_ + PrimeraCelda) + size_t(campo)];
    }
    using Bloques = std::vector<std::vector<char>>;
    static constexpr size_t BytesPorBloque = 1 << 16;
    quint32 Codificar(const QString &texto, quint32 encima, bool compartido);
    void PonerTexto(int fila, int columna, const QString &texto, bool compartido);
    QString Texto(quint32 codigo) const;
    static QString Leer(const Bloques &bloques, const std::vector<QString> &compartidos, quint32 codigo);
    bool Igual(quint32 codigo, const QString &texto) const;
    void CambiarAspecto(int fila, int desde, int hasta, Color color, int negrita);
    quint32 BuscarAspecto(const Aspecto &a);
    // Cells written over or taken away leave their text behind; once those outnumber the cells
    // in use, the texts are laid out again.
    void Desechar(qint64 celdas);

    int filas_ = 0;
    int columnas_ = 0;
    std::deque<quint32> datos_; // a deque grows without copying what it holds
    std::vector<Columna> cols_;
    std::vector<Aspecto> aspectos_;
    std::map<Aspecto, quint32> indiceAspectos_;
    std::map<std::tuple<quint32, int, int, Color, int>, quint32> cambios_; // look, columns, colour, bold
    std::vector<QString> compartidos_;
    QHash<std::pair<const QChar *, qsizetype>, quint32> porDireccion_; // a shared text's characters
    Bloques bloques_;
    qint64 desechadas_ = 0;
};

// Stripes every data row pink and cream, except rows whose current cell is marked RGB(128,128,255).
void ColorearGrid(Grid &grid);
// Paints a row's cells from column 1 on (column 0 is the fixed column) and makes it current.
void PintarFilaGrid(Grid &grid, int fila, Color color);

constexpr Color ColorFilaImpar = Rgb(247, 224, 230);
constexpr Color ColorFilaPar = Rgb(247, 247, 224);
constexpr Color ColorMarcado = Rgb(128, 128, 255);
