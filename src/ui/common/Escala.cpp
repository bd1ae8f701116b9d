#include "ui/common/Escala.h"

#include "ui/common/Estilo.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTemporaryFile>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int AnchoBase = 1024;
constexpr int AltoBase = 768;
// The sale screen still lays out whole this low (its grids give up a row).
constexpr int AltoMinimo = 740;
constexpr double MilimetrosToque = 9.0;

bool preparada = false;
bool completa = false;
double elegido = 1.0;

// The scale factor the user or the desktop set before the program, which the program's own multiplies.
double FactorPrevio()
{
    bool ok = false;
    const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && f > 0 ? f : 1.0;
}

// A screen of the given size with no display, for the screenshots (Qt's offscreen platform reads
// its screens from a file, which must last until the QApplication has started).
void PantallaSinDisplay(QSize tamano)
{
    static std::unique_ptr<QTemporaryFile> archivo;
    archivo = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("hilvan-pantalla-XXXXXX.json")));
    if (!archivo->open())
        return;
    archivo->write(QStringLiteral("{\"screens\": [{\"name\": \"Captura\", \"x\": 0, \"y\": 0, \"width\": %1,"
                                  " \"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96}]}")
                       .arg(tamano.width())
                       .arg(tamano.height())
                       .toUtf8());
    archivo->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(archivo->fileName()));
}

// The room a grid has beyond its columns goes to its widest column (the names), not to its last.
class Reparto : public QObject
{
public:
    explicit Reparto(QTableView *tabla) : QObject(tabla), tabla_(tabla)
    {
        QHeaderView *h = tabla->horizontalHeader();
        h->setStretchLastSection(false);
        connect(h, &QHeaderView::sectionResized, this, [this](int columna, int, int ancho) {
            if (repartiendo_)
                return;
            if (columna == ancha_)
                base_ = ancho;
            Repartir();
        });
        // A new list lays its columns out afresh: nothing is widened any more.
        if (tabla->model())
            connect(tabla->model(), &QAbstractItemModel::modelReset, this, [this] { ancha_ = -1; });
        tabla->viewport()->installEventFilter(this);
        Repartir();
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Resize)
            Repartir();
        return false;
    }

private:
    void Repartir()
    {
        QHeaderView *h = tabla_->horizontalHeader();
        int suma = 0, ancha = -1, base = 0;
        for (int c = 0; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            const int ancho = c == ancha_ ? base_ : h->sectionSize(c);
            suma += ancho;
            if (ancho > base)
                ancha = c, base = ancho;
        }
        if (ancha < 0)
            return;
        repartiendo_ = true;
        if (ancha_ >= 0 && ancha_ != ancha)
            h->resizeSection(ancha_, base_);
        ancha_ = ancha;
        base_ = base;
        h->resizeSection(ancha, base + std::max(0, tabla_->viewport()->width() - suma));
        repartiendo_ = false;
    }

    QTableView *tabla_;
    int ancha_ = -1; // the column widened, and its own width
    int base_ = 0;
    bool repartiendo_ = false;
};

// Each window, the first time it shows, grows into the room beyond 1024 x 768, and its grids
// give what they have to spare to their names.
class Ajuste : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::Show || !o->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(o);
        const Qt::WindowType tipo = w->windowType();
        if (!w->isWindow() || (tipo != Qt::Window && tipo != Qt::Dialog) || w->property(kAjustada).toBool())
            return false;
        w->setProperty(kAjustada, true);
        for (QTableView *t : w->findChildren<QTableView *>())
            if (t->horizontalHeader()->stretchLastSection())
                new Reparto(t);
        const QScreen *pantalla = QGuiApplication::primaryScreen();
        if (!pantalla)
            return false;
        // A window sized by its contents (a keypad, a message) is already as large as it should be;
        // one given a size for 1024 x 768 (a listing, the options) takes its share of the rest.
        QSize tamano = w->size();
        if (completa && w->testAttribute(Qt::WA_Resized) && w->minimumSize() != w->maximumSize()) {
            const QSize lienzo = Escala::Lienzo();
            tamano = QSize(int(std::lround(tamano.width() * double(lienzo.width()) / AnchoBase)),
                           int(std::lround(tamano.height() * double(lienzo.height()) / AltoBase)));
        }
        tamano = tamano.boundedTo(pantalla->availableGeometry().size()).expandedTo(w->minimumSize());
        if (tamano != w->size())
            w->resize(tamano);
        return false;
    }

private:
    static constexpr const char *kAjustada = "hilvan_ajustada";
};

} // namespace

double Escala::Factor(QSize pantalla, QSizeF mm)
{
    if (pantalla.isEmpty())
        return 1.0;
    const double ancho = double(pantalla.width()) / AnchoBase;
    double f = std::min(ancho, double(pantalla.height()) / AltoBase);
    if (mm.height() > 0) {
        const double nueve = MilimetrosToque * pantalla.height() / (mm.height() * Estilo::AltoBoton);
        f = std::max(f, std::min(nueve, std::min(ancho, double(pantalla.height()) / AltoMinimo)));
    }
    // In 64ths: 1080 / 768 is exactly 90 / 64, and a factor never rounds up past the screen.
    return std::max(1.0, std::floor(f * 64)) / 64;
}

QSize Escala::LeerTamano(const QString &texto)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{3,5})[xX](\\d{3,5})$"));
    const QRegularExpressionMatch m = forma.match(texto.trimmed());
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

void Escala::PrepararPantalla(int &argc, char **argv, bool ventana, QSize captura)
{
    preparada = true;
    completa = !ventana;
    elegido = 1.0;
    if (ventana && !captura.isValid())
        return;
    const double previo = FactorPrevio();
    QSize pantalla;
    QSizeF mm;
    if (captura.isValid()) {
        PantallaSinDisplay(captura);
        pantalla = (QSizeF(captura) / previo).toSize();
    } else {
        // Qt takes its factor only as it starts: a first look at the screen, then the real start.
        std::vector<char *> copia(argv, argv + argc);
        copia.push_back(nullptr);
        int n = argc;
        QGuiApplication sonda(n, copia.data());
        if (const QScreen *s = QGuiApplication::primaryScreen()) {
            pantalla = s->size();
            mm = s->physicalSize();
        }
    }
    if (!ventana)
        elegido = Factor(pantalla, mm);
    if (elegido != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(previo * elegido, 'g', 8));
}

bool Escala::PantallaCompleta()
{
    return completa;
}

double Escala::FactorElegido()
{
    return elegido;
}

QSize Escala::Lienzo()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!completa || !s)
        return {AnchoBase, AltoBase};
    return s->size();
}

void Escala::Instalar()
{
    static Ajuste *ajuste = nullptr;
    if (preparada && !ajuste) {
        ajuste = new Ajuste(qApp);
        qApp->installEventFilter(ajuste);
    }
}
