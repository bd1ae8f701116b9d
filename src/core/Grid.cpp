#include "Grid.h"

#include <algorithm>

namespace {

// A text's own characters start with a byte that gives their length (under Largo; Largo and
// four more bytes for a longer one) and whether they take two bytes each (DosBytes) or one.
constexpr unsigned char DosBytes = 0x80;
constexpr unsigned char Largo = 0x7F;

} // namespace

bool Grid::Celda::operator<(const Celda &o) const
{
    return std::tie(fondo, negrita) < std::tie(o.fondo, o.negrita);
}

void Grid::Dimensionar(int filas, int columnas)
{
    SetCols(columnas);
    SetRows(filas);
}

void Grid::SetRows(int filas)
{
    filas = std::max(filas, 0);
    const size_t paso = size_t(columnas_ + PrimeraCelda);
    const int antes = filas_;
    datos_.resize(size_t(filas) * paso, 0);
    filas_ = filas;
    for (int f = antes; f < filas; ++f)
        Dato(f, Alto) = AltoFilaPorDefecto;
    if (Row >= filas)
        Row = filas > 0 ? filas - 1 : 0;
    if (filas < antes)
        Desechar(qint64(antes - filas) * columnas_);
}

void Grid::SetCols(int columnas)
{
    columnas = std::max(columnas, 0);
    if (aspectos_.empty())
        aspectos_.emplace_back();
    if (columnas != columnas_) {
        std::deque<quint32> nuevos;
        for (int f = 0; f < filas_; ++f) {
            nuevos.push_back(Dato(f, Alto));
            nuevos.push_back(Dato(f, AspectoFila));
            for (int c = 0; c < columnas; ++c)
                nuevos.push_back(c < columnas_ ? Dato(f, PrimeraCelda + c) : 0);
        }
        datos_.swap(nuevos);
        const int quitadas = std::max(0, columnas_ - columnas);
        columnas_ = columnas;
        Desechar(qint64(quitadas) * filas_);
    }
    // The looks grow or shrink with the columns; two may become alike, which does no harm.
    for (Aspecto &a : aspectos_)
        a.resize(size_t(columnas));
    indiceAspectos_.clear();
    for (size_t i = 0; i < aspectos_.size(); ++i)
        indiceAspectos_.emplace(aspectos_[i], quint32(i));
    cambios_.clear();
    cols_.resize(size_t(columnas));
    if (Col >= columnas)
        Col = columnas > 0 ? columnas - 1 : 0;
}

bool Grid::Valida(int fila, int columna) const
{
    return fila >= 0 && fila < filas_ && columna >= 0 && columna < columnas_;
}

QString Grid::Leer(const Bloques &bloques, const std::vector<QString> &compartidos, quint32 codigo)
{
    if (codigo == 0)
        return QString();
    if (codigo & Compartido)
        return compartidos[codigo & ~Compartido];
    const auto *p =
        reinterpret_cast<const unsigned char *>(bloques[(codigo - 1) >> 16].data()) + ((codigo - 1) & 0xFFFF);
    const unsigned char cabeza = *p++;
    qsizetype n = cabeza & Largo;
    if (n == Largo) {
        n = qsizetype(p[0]) | qsizetype(p[1]) << 8 | qsizetype(p[2]) << 16 | qsizetype(p[3]) << 24;
        p += 4;
    }
    QString texto(n, Qt::Uninitialized);
    QChar *destino = texto.data();
    if (cabeza & DosBytes)
        for (qsizetype i = 0; i < n; ++i, p += 2)
            destino[i] = QChar(char16_t(p[0] | p[1] << 8));
    else
        for (qsizetype i = 0; i < n; ++i)
            destino[i] = QChar(char16_t(p[i]));
    return texto;
}

QString Grid::Texto(quint32 codigo) const
{
    return Leer(bloques_, compartidos_, codigo);
}

bool Grid::Igual(quint32 codigo, const QString &texto) const
{
    if (codigo == 0 || (codigo & Compartido))
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(bloques_[(codigo - 1) >> 16].data())
                    + ((codigo - 1) & 0xFFFF);
    const unsigned char cabeza = *p++;
    if ((cabeza & Largo) == Largo || (cabeza & Largo) != texto.size())
        return false;
    const QChar *t = texto.constData();
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t u = (cabeza & DosBytes) ? char16_t(p[2 * i] | p[2 * i + 1] << 8) : char16_t(p[i]);
        if (u != t[i].unicode())
            return false;
    }
    return true;
}

quint32 Grid::Codificar(const QString &texto, quint32 encima, bool compartido)
{
    if (texto.isEmpty())
        return 0;
    if (compartido) {
        // Found by where its characters are: while this grid holds the text, nobody can change
        // them or put others there.
        if ((encima & Compartido) && compartidos_[encima & ~Compartido].constData() == texto.constData()
            && compartidos_[encima & ~Compartido].size() == texto.size())
            return encima;
        const auto clave = std::make_pair(texto.constData(), texto.size());
        const auto it = porDireccion_.constFind(clave);
        if (it != porDireccion_.constEnd())
            return *it;
        const quint32 codigo = quint32(compartidos_.size()) | Compartido;
        compartidos_.push_back(texto);
        porDireccion_.insert(clave, codigo);
        return codigo;
    }
    if (Igual(encima, texto))
        return encima;
    const qsizetype n = texto.size();
    const QChar *t = texto.constData();
    const bool unByte = std::all_of(t, t + n, [](QChar c) { return c.unicode() < 256; });
    const size_t largo = 1 + (n >= Largo ? 4 : 0) + size_t(n) * (unByte ? 1 : 2);
    if (bloques_.empty() || bloques_.back().size() + largo > BytesPorBloque) {
        if (largo > BytesPorBloque || bloques_.size() >= (Compartido >> 16)) {
            // Longer than a block, or the grid is full: kept as it is.
            compartidos_.push_back(texto);
            return quint32(compartidos_.size() - 1) | Compartido;
        }
        bloques_.emplace_back().reserve(BytesPorBloque);
    }
    std::vector<char> &bloque = bloques_.back();
    const size_t inicio = bloque.size();
    bloque.resize(inicio + largo);
    auto *p = reinterpret_cast<unsigned char *>(bloque.data() + inicio);
    *p++ = (unByte ? 0 : DosBytes) | (n < Largo ? n : Largo);
    if (n >= Largo)
        for (int i = 0; i < 4; ++i)
            *p++ = (n >> (8 * i)) & 0xFF;
    for (qsizetype i = 0; i < n; ++i) {
        *p++ = t[i].unicode() & 0xFF;
        if (!unByte)
            *p++ = t[i].unicode() >> 8;
    }
    return (quint32(bloques_.size() - 1) << 16 | quint32(inicio)) + 1;
}

void Grid::Desechar(qint64 celdas)
{
    desechadas_ += celdas;
    if (desechadas_ <= 4096 || desechadas_ <= qint64(filas_) * columnas_)
        return;
    Bloques bloques;
    std::vector<QString> compartidos;
    bloques.swap(bloques_);
    compartidos.swap(compartidos_);
    porDireccion_.clear();
    for (int f = 0; f < filas_; ++f)
        for (int c = 0; c < columnas_; ++c) {
            quint32 &codigo = Dato(f, PrimeraCelda + c);
            codigo = Codificar(Leer(bloques, compartidos, codigo), f > 0 ? Dato(f - 1, PrimeraCelda + c) : 0,
                               (codigo & Compartido) != 0);
        }
    desechadas_ = 0;
}

QString Grid::TextMatrix(int fila, int columna) const
{
    return Valida(fila, columna) ? Texto(Dato(fila, PrimeraCelda + columna)) : QString();
}

void Grid::PonerTexto(int fila, int columna, const QString &texto, bool compartido)
{
    if (!Valida(fila, columna))
        return;
    const quint32 antes = Dato(fila, PrimeraCelda + columna);
    const quint32 codigo =
        Codificar(texto, fila > 0 ? Dato(fila - 1, PrimeraCelda + columna) : 0, compartido);
    Dato(fila, PrimeraCelda + columna) = codigo;
    if (antes != 0 && antes != codigo)
        Desechar(1);
}

void Grid::SetTextMatrix(int fila, int columna, const QString &texto)
{
    PonerTexto(fila, columna, texto, false);
}

void Grid::SetTextoCompartido(int fila, int columna, const QString &texto)
{
    PonerTexto(fila, columna, texto, true);
}

quint32 Grid::BuscarAspecto(const Aspecto &a)
{
    const auto it = indiceAspectos_.find(a);
    if (it != indiceAspectos_.end())
        return it->second;
    aspectos_.push_back(a);
    const auto nuevo = quint32(aspectos_.size() - 1);
    indiceAspectos_.emplace(a, nuevo);
    return nuevo;
}

void Grid::CambiarAspecto(int fila, int desde, int hasta, Color color, int negrita)
{
    // Rows change their look the same few ways (stripes, a paid line): each change is worked
    // out once.
    const quint32 antes = Dato(fila, AspectoFila);
    const auto clave = std::make_tuple(antes, desde, hasta, color, negrita);
    auto it = cambios_.find(clave);
    if (it == cambios_.end()) {
        Aspecto a = aspectos_[antes];
        for (int c = desde; c < hasta; ++c) {
            if (negrita < 0)
                a[size_t(c)].fondo = color;
            else
                a[size_t(c)].negrita = negrita != 0;
        }
        it = cambios_.emplace(clave, BuscarAspecto(a)).first;
    }
    Dato(fila, AspectoFila) = it->second;
}

Color Grid::CellBackColor(int fila, int columna) const
{
    return Valida(fila, columna) ? aspectos_[Dato(fila, AspectoFila)][size_t(columna)].fondo : SinColor;
}

void Grid::SetCellBackColor(int fila, int columna, Color color)
{
    if (Valida(fila, columna))
        CambiarAspecto(fila, columna, columna + 1, color, -1);
}

bool Grid::CellFontBold(int fila, int columna) const
{
    return Valida(fila, columna) && aspectos_[Dato(fila, AspectoFila)][size_t(columna)].negrita;
}

void Grid::SetCellFontBold(int fila, int columna, bool negrita)
{
    if (Valida(fila, columna))
        CambiarAspecto(fila, columna, columna + 1, 0, negrita ? 1 : 0);
}

void Grid::PintarFila(int fila, int desde, Color color)
{
    desde = std::max(desde, 0);
    if (fila >= 0 && fila < filas_ && desde < columnas_)
        CambiarAspecto(fila, desde, columnas_, color, -1);
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
    return fila >= 0 && fila < filas_ ? int(Dato(fila, Alto)) : 0;
}

void Grid::SetRowHeight(int fila, int twips)
{
    if (fila >= 0 && fila < filas_)
        Dato(fila, Alto) = quint32(twips);
}

int Grid::AgregarFila(const std::vector<QString> &textos)
{
    return InsertarFila(filas_, textos);
}

int Grid::InsertarFila(int fila, const std::vector<QString> &textos)
{
    const size_t paso = size_t(columnas_ + PrimeraCelda);
    if (fila < 1 || fila >= filas_) {
        fila = filas_;
        datos_.resize(datos_.size() + paso, 0);
    } else {
        datos_.insert(datos_.begin() + qsizetype(size_t(fila) * paso), paso, 0);
    }
    ++filas_;
    Dato(fila, Alto) = AltoFilaPorDefecto;
    for (size_t c = 0; c < textos.size() && int(c) < columnas_; ++c)
        SetTextMatrix(fila, int(c), textos[c]);
    return fila;
}

void Grid::QuitarFila(int fila)
{
    if (fila < 0 || fila >= filas_)
        return;
    const size_t paso = size_t(columnas_ + PrimeraCelda);
    const auto inicio = datos_.begin() + qsizetype(size_t(fila) * paso);
    datos_.erase(inicio, inicio + qsizetype(paso));
    --filas_;
    if (Row >= filas_)
        Row = filas_ > 0 ? filas_ - 1 : 0;
    Desechar(columnas_);
}

void PintarFilaGrid(Grid &grid, int fila, Color color)
{
    grid.Row = fila;
    grid.PintarFila(fila, 1, color);
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
