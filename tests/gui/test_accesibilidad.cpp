#include "capturas/Capturas.h"
#include "ui/common/Escala.h"
#include "ui/common/Estilo.h"
#include "ui/common/TablaAccesible.h"
#include "ui/printing/VistaPreviaTicket.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Words a toolkit or a forgetful programmer leaves where a Spanish name should be.
bool PareceIngles(const QString &nombre)
{
    static const QStringList palabras = {
        u"ok"_s,    u"cancel"_s, u"close"_s, u"yes"_s,      u"apply"_s,  u"open"_s,  u"save"_s,
        u"help"_s,  u"next"_s,   u"back"_s,  u"previous"_s, u"search"_s, u"clear"_s, u"delete"_s,
        u"print"_s, u"exit"_s,   u"month"_s, u"year"_s,     u"button"_s, u"table"_s, u"list"_s};
    static const QRegularExpression identificador(u"^[a-z]+[A-Z_][A-Za-z0-9_]*$"_s);
    const QStringList trozos = nombre.toLower().split(QRegularExpression(u"\\W+"_s), Qt::SkipEmptyParts);
    for (const QString &t : trozos)
        if (palabras.contains(t))
            return true;
    return identificador.match(nombre).hasMatch();
}

QString Describir(QWidget *w)
{
    return u"%1 \"%2\""_s.arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Walks every window the screenshot command renders, at the moment it has been rendered.
class Revisor : public QObject
{
public:
    QStringList faltas;
    int ventanas = 0;

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Hide && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
            Revisar(static_cast<QWidget *>(o));
        return false;
    }

private:
    void Revisar(QWidget *ventana)
    {
        ++ventanas;
        const QString donde =
            u"%1 (%2)"_s.arg(QString::fromLatin1(ventana->metaObject()->className()), ventana->windowTitle());
        const QString titulo = ventana->windowTitle().trimmed();
        if (titulo.isEmpty() || titulo == u"Hilván"_s)
            faltas.append(donde + u": la ventana no dice qué es en su título"_s);
        // A whole ticket is pictured at its paper's length; on screen it scrolls in its window.
        const bool papel = dynamic_cast<VistaPreviaTicket *>(ventana) != nullptr;
        const QScreen *pantalla = ventana->screen();
        if (!papel && !pantalla->geometry().contains(QRect(pantalla->geometry().topLeft(), ventana->size())))
            faltas.append(
                donde
                + u": mide %1 x %2 y no cabe en la pantalla"_s.arg(ventana->width()).arg(ventana->height()));
        // A finger's 9 mm in the program's pixels, at the density the screen reports.
        const double nueveMm = 9.0 / 25.4 * pantalla->physicalDotsPerInchY();
        // What was on screen in the picture: a control hidden in that state is named in the
        // picture of the state that shows it.
        const auto hijos = ventana->findChildren<QWidget *>();
        for (QWidget *w : hijos) {
            if (!w->isVisibleTo(ventana))
                continue;
            // Parts of a control that a screen reader reads through the control itself.
            const bool interno = qobject_cast<QAbstractSpinBox *>(w->parentWidget())
                                 || qobject_cast<QComboBox *>(w->parentWidget())
                                 || qobject_cast<QHeaderView *>(w);
            const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
                                 || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)
                                 || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)
                                 || qobject_cast<QAbstractItemView *>(w);
            if (auto *l = qobject_cast<QLabel *>(w))
                RevisarDato(donde, l);
            if (!control || interno)
                continue;
            // Qt's own tool bars have their own keys.
            if (qobject_cast<QToolBar *>(w->parentWidget()))
                continue;
            if (w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus))
                faltas.append(donde + u": "_s + Describir(w) + u" no se alcanza con el teclado"_s);
            if (auto *b = qobject_cast<QAbstractButton *>(w); b && !Cabe(b, b->text(), b->width() - 16))
                faltas.append(donde + u": "_s + Describir(w) + u" corta su texto \""_s + b->text() + u"\""_s);
            if (qobject_cast<QPushButton *>(w) && (w->height() < Estilo::AltoBoton || w->height() < nueveMm))
                faltas.append(donde + u": "_s + Describir(w) + u" mide %1 px de alto"_s.arg(w->height()));
            if (!ventana->rect().contains(QRect(w->mapTo(ventana, QPoint(0, 0)), w->size())))
                faltas.append(donde + u": "_s + Describir(w) + u" se sale de la ventana"_s);
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            const QString nombre = a ? a->text(QAccessible::Name).trimmed() : QString();
            if (nombre.isEmpty())
                faltas.append(donde + u": "_s + Describir(w) + u" sin nombre accesible"_s);
            else if (PareceIngles(nombre))
                faltas.append(donde + u": "_s + Describir(w) + u" se llama \""_s + nombre + u"\""_s);
            // On Linux a combo box's name is its chosen item; its caption comes from the label
            // that names it (a "labelled by" relation).
            if (auto *c = qobject_cast<QComboBox *>(w); c && a && a->relations(QAccessible::Label).isEmpty())
                faltas.append(donde + u": "_s + Describir(w) + u" no tiene un rótulo que lo nombre"_s);
            else if (c && !c->currentText().isEmpty() && nombre == c->currentText())
                faltas.append(donde + u": "_s + Describir(w) + u" se anuncia por su elemento \""_s + nombre
                              + u"\""_s);
            if (auto *vista = qobject_cast<QAbstractItemView *>(w);
                vista && a && vista->model() && vista->model()->rowCount() > 0)
                RevisarCeldas(donde, vista, a);
        }
    }

    static bool Cabe(const QWidget *w, const QString &texto, int ancho)
    {
        int mayor = 0;
        for (const QString &linea : texto.split(u'\n'))
            mayor = std::max(mayor, w->fontMetrics().horizontalAdvance(linea));
        return mayor <= ancho;
    }

    // A label shows a caption or, when it has a name of its own, a value: a screen reader must
    // read what it paints, and a caption must fit (long data may be elided).
    void RevisarDato(const QString &donde, QLabel *l)
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(l);
        QAccessibleTextInterface *t = a ? a->textInterface() : nullptr;
        const QString pintado = l->textFormat() == Qt::PlainText ? l->text() : QString();
        if (!t)
            faltas.append(donde + u": "_s + Describir(l) + u" no da su valor"_s);
        else if (l->textFormat() == Qt::PlainText && t->text(0, t->characterCount()) != pintado)
            faltas.append(donde + u": "_s + Describir(l) + u" da otro valor que el que pinta"_s);
        // A name or a colour shown as it was typed: markup in it is text, not formatting.
        if (l->textFormat() != Qt::PlainText && Qt::mightBeRichText(l->text()))
            faltas.append(donde + u": "_s + Describir(l) + u" lee su texto como marcas"_s);
        const bool rotulo = l->accessibleName().isEmpty();
        if (rotulo && pintado.isEmpty() && l->pixmap().isNull() && l->textFormat() == Qt::PlainText)
            faltas.append(donde + u": "_s + Describir(l) + u" es una etiqueta vacía sin nombre"_s);
        if (rotulo && !l->wordWrap() && l->pixmap().isNull() && !Cabe(l, pintado, l->contentsRect().width()))
            faltas.append(donde + u": "_s + Describir(l) + u" corta su texto \""_s + pintado + u"\""_s);
    }

    // A screen reader reads a grid cell by cell: the first row must read as something, only the
    // columns on screen are offered, and each is named by its header.
    void RevisarCeldas(const QString &donde, QAbstractItemView *vista, QAccessibleInterface *a)
    {
        QAccessibleTableInterface *tabla = a->tableInterface();
        if (!tabla)
            return;
        auto *rejilla = qobject_cast<QTableView *>(vista);
        int visibles = 0;
        for (int c = 0; rejilla && c < vista->model()->columnCount(); ++c)
            visibles += rejilla->isColumnHidden(c) ? 0 : 1;
        if (rejilla && tabla->columnCount() != visibles)
            faltas.append(donde + u": "_s + Describir(vista)
                          + u" ofrece %1 columnas y muestra %2"_s.arg(tabla->columnCount()).arg(visibles));
        for (int c = 0; c < tabla->columnCount(); ++c) {
            QAccessibleInterface *celda = tabla->cellAt(0, c);
            QAccessibleTableCellInterface *t = celda ? celda->tableCellInterface() : nullptr;
            const auto cabeceras = t ? t->columnHeaderCells() : QList<QAccessibleInterface *>();
            const QString cabecera =
                cabeceras.isEmpty() ? QString() : cabeceras.first()->text(QAccessible::Name).trimmed();
            if (cabecera.isEmpty() || cabecera != tabla->columnDescription(c).trimmed()
                || PareceIngles(cabecera))
                faltas.append(donde + u": "_s + Describir(vista)
                              + u" no nombra su columna %1 (\"%2\")"_s.arg(c).arg(cabecera));
        }
        // Each cell once among the grid's children: the header's, then the first rows'.
        QSet<QAccessibleInterface *> hijos;
        const int vistos =
            std::min(a->childCount(), (std::min(tabla->rowCount(), 3) + 1) * tabla->columnCount());
        for (int i = 0; i < vistos; ++i)
            hijos.insert(a->child(i));
        if (hijos.size() != vistos || hijos.contains(nullptr))
            faltas.append(donde + u": "_s + Describir(vista) + u" repite o pierde celdas entre sus hijos"_s);
        // The cell the view announces, numbered its own way, is the one a reader finds.
        if (const QModelIndex i = vista->currentIndex(); rejilla && i.isValid()) {
            const int numero = TablaAccesible::HijoDe(
                rejilla, (i.row() + 1) * (vista->model()->columnCount() + 1) + i.column() + 1);
            int columna = 0;
            for (int c = 0; c < i.column() && !rejilla->isColumnHidden(i.column()); ++c)
                columna += rejilla->isColumnHidden(c) ? 0 : 1;
            if (a->child(numero) != tabla->cellAt(i.row(), columna))
                faltas.append(donde + u": "_s + Describir(vista)
                              + u" anuncia otra celda que la que se lee"_s);
        }
        bool alguna = false;
        for (int c = 0; c < tabla->columnCount() && !alguna; ++c) {
            QAccessibleInterface *celda = tabla->cellAt(0, c);
            alguna = celda && !celda->text(QAccessible::Name).trimmed().isEmpty();
        }
        if (!alguna)
            faltas.append(donde + u": "_s + Describir(vista) + u" no deja leer sus celdas"_s);
    }
};

} // namespace

class PruebaAccesibilidad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The 1024 x 768 layout as large as the screen holds it, never larger; a screen that says it
    // is small gets a little more, while the sale screen still fits, towards a 9 mm touch target.
    void escalaSegunLaPantalla()
    {
        QCOMPARE(Escala::Factor({1366, 768}), 1.0);
        QCOMPARE(Escala::Factor({1280, 1024}), 1.25);
        QCOMPARE(Escala::Factor({1920, 1080}, {344, 194}), 1.40625); // 15.6": 16 mm buttons
        const double pequena = Escala::Factor({800, 600});
        QVERIFY(pequena < 1 && 1024 * pequena <= 800 && 768 * pequena <= 600);
        // A 7" 16:9 screen: 64 px are 7 mm; the sale screen's 1024 x 740 still fit.
        const double f = Escala::Factor({1366, 768}, {155, 87});
        QVERIFY(f > 1 && 1024 * f <= 1366 && 740 * f <= 768);
    }

    // Every button, box and grid of every window the screenshot command renders has a Spanish
    // name for screen readers and desktop automation, lies inside its window, and every button is
    // a finger high; every window has a title and no label reads a name as markup. A screen added
    // to the screenshots is checked here without touching this test.
    void todasLasPantallasTienenNombres()
    {
        QTemporaryDir dir;
        Estilo::Aplicar();
        Revisor revisor;
        qApp->installEventFilter(&revisor);
        const int resultado = HacerCapturas(dir.path());
        qApp->removeEventFilter(&revisor);
        QCOMPARE(resultado, 0);

        const int capturas = QDir(dir.path()).entryList({u"*.png"_s}, QDir::Files).size();
        QVERIFY(capturas >= 10);
        QVERIFY2(revisor.ventanas >= capturas, "una captura se hizo sin mostrar y ocultar su ventana");
        for (const QString &f : std::as_const(revisor.faltas))
            qWarning("%s", qPrintable(f));
        QVERIFY2(revisor.faltas.isEmpty(), "faltas en las pantallas (lista arriba)");
    }
};

// `--tamano WxH` draws every window on a screen of that size (1024x768 without it); QT_SCALE_FACTOR
// set beforehand counts as a HiDPI desktop's setting.
int main(int argc, char **argv)
{
    QSize tamano(1024, 768);
    std::vector<char *> argumentos;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "--tamano") == 0 && i + 1 < argc)
            tamano = Escala::LeerTamano(QString::fromLatin1(argv[++i]));
        else
            argumentos.push_back(argv[i]);
    }
    int n = int(argumentos.size());
    argumentos.push_back(nullptr);
    Escala::PrepararPantalla(n, argumentos.data(), false, tamano);
    QApplication app(n, argumentos.data());
    PruebaAccesibilidad prueba;
    return QTest::qExec(&prueba, n, argumentos.data());
}

#include "test_accesibilidad.moc"
