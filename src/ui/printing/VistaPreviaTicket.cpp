#include "ui/printing/VistaPreviaTicket.h"

#include <QPainter>

namespace {

// The printer's own measures in dots: a character of 12 x 24 dots, lines 30 dots apart.
const double PixelesPorPunto = 0.75;
const int AnchoCaracter = 12, AltoCaracter = 24, Interlineado = 30;
const int MargenPapel = 20; // px, the paper's unprinted edge
const int MargenFondo = 16; // px, around the paper
const int AltoCorte = 28;   // px, the torn edge under a cut

int Px(double puntos)
{
    return int(puntos * PixelesPorPunto + 0.5);
}

const QColor Tinta(25, 25, 25);
const QColor TintaRoja(196, 18, 18);
const QColor Papel(255, 255, 252);

} // namespace

VistaPreviaTicket::VistaPreviaTicket(QWidget *padre) : QWidget(padre)
{
    setWindowTitle(QStringLiteral("Ticket"));
    setAccessibleName(QStringLiteral("Vista previa del ticket"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xd9, 0xd4, 0xca));
    setPalette(p);
}

void VistaPreviaTicket::MostrarTicket(const QByteArray &bytes, int columnas)
{
    lineas_ = DecodificarTicket(bytes);
    columnas_ = columnas > 0 ? columnas : 40;
    setFixedSize(sizeHint());
    update();
}

int VistaPreviaTicket::AnchoPapel() const
{
    return Px(columnas_ * AnchoCaracter) + 2 * MargenPapel;
}

int VistaPreviaTicket::AltoLinea(const LineaImpresa &l) const
{
    switch (l.tipo) {
    case LineaImpresa::Texto:
        // A line feed with nothing printed moves the paper the same, whatever the size.
        return Px(l.dobleAlto && !l.texto.isEmpty() ? Interlineado + AltoCaracter : Interlineado);
    case LineaImpresa::CodigoBarras:
        return Px(l.altoBarras);
    case LineaImpresa::Corte:
        return AltoCorte + MargenFondo;
    case LineaImpresa::Cajon:
        return 0;
    }
    return 0;
}

QSize VistaPreviaTicket::sizeHint() const
{
    int alto = 2 * MargenFondo + MargenPapel;
    for (const LineaImpresa &l : lineas_)
        alto += AltoLinea(l);
    return {AnchoPapel() + 2 * MargenFondo, alto};
}

void VistaPreviaTicket::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont letra(QStringLiteral("DejaVu Sans Mono"));
    letra.setPixelSize(Px(AltoCaracter) - 2);
    const double celda = Px(AnchoCaracter);
    const int x0 = MargenFondo + MargenPapel;

    // A strip of paper from its top to the next cut (or to the end of what was sent).
    auto Tira = [&](int arriba, int abajo, bool cortada) {
        const QRect papel(MargenFondo, arriba, AnchoPapel(), abajo - arriba);
        p.fillRect(papel.translated(3, 3), QColor(0, 0, 0, 40));
        p.fillRect(papel, Papel);
        if (cortada) {
            p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
            p.drawLine(papel.left(), papel.bottom(), papel.right(), papel.bottom());
            QFont tijeras(QStringLiteral("DejaVu Sans"));
            tijeras.setPixelSize(20);
            p.setFont(tijeras);
            p.drawText(QRect(papel.left() + 6, papel.bottom() - 24, 26, 24), Qt::AlignCenter,
                       QStringLiteral("✂"));
        }
    };

    int arribaTira = MargenFondo;
    int y = MargenFondo + MargenPapel;
    // First the paper strips, then the print over them.
    for (const LineaImpresa &l : lineas_) {
        if (l.tipo == LineaImpresa::Corte) {
            Tira(arribaTira, y + AltoCorte, true);
            arribaTira = y + AltoCorte + MargenFondo;
        }
        y += AltoLinea(l);
    }
    if (arribaTira < y)
        Tira(arribaTira, y, false);

    y = MargenFondo + MargenPapel;
    for (const LineaImpresa &l : lineas_) {
        const int alto = AltoLinea(l);
        if (l.tipo == LineaImpresa::Texto && !l.texto.isEmpty()) {
            p.save();
            p.setFont(letra);
            p.setPen(l.rojo ? TintaRoja : Tinta);
            const int altoTexto = Px(l.dobleAlto ? 2 * AltoCaracter : AltoCaracter);
            p.translate(x0, y + alto - altoTexto);
            p.scale(l.dobleAncho ? 2 : 1, l.dobleAlto ? 2 : 1);
            const int base = QFontMetrics(letra).ascent();
            for (int i = 0; i < l.texto.size(); ++i)
                p.drawText(QPointF(i * celda, base), QString(l.texto[i]));
            p.restore();
        } else if (l.tipo == LineaImpresa::CodigoBarras) {
            const QString modulos = ModulosEAN13(l.texto);
            const double modulo = qMax(1, l.anchoModulo) * PixelesPorPunto;
            for (int i = 0; i < modulos.size(); ++i) {
                if (modulos[i] == QLatin1Char('1'))
                    p.fillRect(QRectF(x0 + i * modulo, y, modulo, alto), Tinta);
            }
        }
        y += alto;
    }
}
