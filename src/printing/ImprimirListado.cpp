#include "ImprimirListado.h"

#include "core/Dialogos.h"
#include "core/Programa.h"
#include "core/Reloj.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Page geometry in twips (1440 to the inch), measured from the top-left of the printable area.
struct Geometria {
    double anchoImagen, altoImagen, xContador;
};
constexpr Geometria Vertical{11400, 13950, 7000};
constexpr Geometria Apaisada{15000, 10350, 10000};
constexpr double XImagen = 20, YImagen = 1250, YTitulo = 650, YContador = 0;
constexpr double MargenCelda = 45;

QFont FuenteCabecera(int twips)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(true);
    f.setPixelSize(twips); // the painter works in twips
    return f;
}

Qt::Alignment Alinear(Alineacion a)
{
    switch (a) {
    case Alineacion::Centro:
        return Qt::AlignHCenter;
    case Alineacion::Derecha:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void DibujarPagina(QPainter &p, const ListadoImpreso &l, const PaginaListado &pagina)
{
    const Geometria &g = l.apaisado ? Apaisada : Vertical;
    p.setPen(Qt::black);
    p.setFont(FuenteCabecera(200)); // 10 point
    p.drawText(QRectF(g.xContador, YContador, g.anchoImagen - g.xContador, 300), Qt::AlignLeft | Qt::AlignTop,
               pagina.contador);
    p.setFont(FuenteCabecera(240)); // 12 point
    p.drawText(QRectF(0, YTitulo, g.anchoImagen, 360), Qt::AlignLeft | Qt::AlignTop, l.titulo);

    // Columns keep their on-screen widths; a grid wider than the paper is narrowed to fit.
    double ancho = 0;
    for (int a : l.anchos)
        if (a > 1)
            ancho += a;
    const double factor = ancho > g.anchoImagen ? g.anchoImagen / ancho : 1.0;
    const double alto = g.altoImagen / l.filasPorPagina;

    QFont celda(QStringLiteral("DejaVu Sans"));
    celda.setPixelSize(int(std::min(160.0, alto * 0.62)));
    const QPen linea(QColor(140, 140, 140), 8);
    for (size_t f = 0; f < pagina.filas.size(); ++f) {
        const double y = YImagen + double(f) * alto;
        celda.setBold(f == 0);
        p.setFont(celda);
        double x = XImagen;
        for (size_t c = 0; c < l.anchos.size(); ++c) {
            if (l.anchos[c] <= 1)
                continue;
            const QRectF r(x, y, l.anchos[c] * factor, alto);
            x += r.width();
            if (f == 0)
                p.fillRect(r, QColor(224, 224, 224));
            p.setPen(linea);
            p.drawRect(r);
            p.setPen(Qt::black);
            const QString texto = c < pagina.filas[f].size() ? pagina.filas[f][c] : QString();
            const Alineacion a = c < l.alineaciones.size() ? l.alineaciones[c] : Alineacion::Izquierda;
            p.drawText(r.adjusted(MargenCelda, 0, -MargenCelda, 0), Alinear(a) | Qt::AlignVCenter, texto);
        }
    }
}

} // namespace

ListadoImpreso PaginarListado(const Grid &grid, const QString &titulo, bool apaisado, const QDate &hoy)
{
    ListadoImpreso l;
    l.titulo = titulo;
    l.apaisado = apaisado;
    l.filasPorPagina = apaisado ? FilasPaginaApaisada : FilasPaginaVertical;
    for (int c = 0; c < grid.Cols(); ++c) {
        l.anchos.push_back(grid.ColWidth(c));
        l.alineaciones.push_back(grid.ColAlignment(c));
    }
    auto fila = [&grid](int f) {
        std::vector<QString> textos;
        for (int c = 0; c < grid.Cols(); ++c)
            textos.push_back(grid.TextMatrix(f, c));
        return textos;
    };
    const int datos = std::max(0, grid.Rows() - 1);
    const int porPagina = l.filasPorPagina - 1;
    const int paginas = std::max(1, (datos + porPagina - 1) / porPagina);
    const QString fecha = hoy.toString(QStringLiteral("dd/MM/yyyy"));
    for (int k = 0; k < paginas; ++k) {
        PaginaListado p;
        p.contador = fecha + QString::fromUtf8(" - Pág ") + QString::number(k + 1) + QStringLiteral(" de ")
                     + QString::number(paginas);
        p.filas.push_back(fila(0));
        for (int f = 1 + k * porPagina; f < std::min(grid.Rows(), 1 + (k + 1) * porPagina); ++f)
            p.filas.push_back(fila(f));
        l.paginas.push_back(std::move(p));
    }
    return l;
}

void PrepararPagina(QPagedPaintDevice &dispositivo, bool apaisado)
{
    dispositivo.setPageOrientation(apaisado ? QPageLayout::Landscape : QPageLayout::Portrait);
    dispositivo.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
}

bool DibujarListado(QPagedPaintDevice &dispositivo, const ListadoImpreso &l)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    const Geometria &g = l.apaisado ? Apaisada : Vertical;
    // Twips to device pixels; a paper smaller than the layout gets it scaled down whole.
    const double natural = dispositivo.logicalDpiX() / 1440.0;
    const double escala = std::min({natural, dispositivo.width() / (XImagen + g.anchoImagen),
                                    dispositivo.height() / (YImagen + g.altoImagen)});
    for (size_t i = 0; i < l.paginas.size(); ++i) {
        if (i > 0 && !dispositivo.newPage()) {
            p.end();
            return false;
        }
        p.resetTransform();
        p.scale(escala, escala);
        DibujarPagina(p, l, l.paginas[i]);
    }
    return p.end();
}

bool ImprimirListado(const Grid &grid, const QString &titulo, bool apaisado)
{
    if (!G().salidaListados) {
        Dlg().Mensaje(QString::fromUtf8("No hay ninguna impresora disponible para imprimir el listado."));
        return false;
    }
    const auto r =
        G().salidaListados->Imprimir(PaginarListado(grid, titulo, apaisado, RelojPrograma().Ahora().date()));
    if (r == SalidaListados::Resultado::Fallo)
        Dlg().Mensaje(QString::fromUtf8(
            "No se ha podido imprimir el listado. Compruebe la impresora y vuelva a intentarlo."));
    return r == SalidaListados::Resultado::Impreso;
}
