#include "ui/common/Accesible.h"

#include "ui/common/TablaAccesible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTableView>
#include <QTextDocument>

namespace {

const char *const kMostrado = "hilvan_mostrado";

QString TextoMostrado(const QLabel *l)
{
    if (l->textFormat() == Qt::RichText
        || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) {
        QTextDocument d;
        d.setHtml(l->text());
        return d.toPlainText();
    }
    return l->text();
}

// A label read as a screen reader expects: its caption as name, what it shows as its text.
class EtiquetaAccesible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit EtiquetaAccesible(QLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString nombre = widget()->accessibleName();
            return nombre.isEmpty() ? Texto() : nombre;
        }
        if (t == QAccessible::Value)
            return Texto();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Read-only, no caret, no selection.
    void selection(int, int *inicio, int *fin) const override { *inicio = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int inicio, int fin) const override { return Texto().mid(inicio, fin - inicio); }
    int characterCount() const override { return int(Texto().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int desde, int *inicio, int *fin) const override
    {
        *inicio = desde;
        *fin = desde;
        return {};
    }

private:
    QString Texto() const { return TextoMostrado(static_cast<const QLabel *>(object())); }
};

QAccessibleInterface *Fabrica(const QString &, QObject *o)
{
    if (auto *l = qobject_cast<QLabel *>(o))
        return new EtiquetaAccesible(l);
    if (auto *t = qobject_cast<QTableView *>(o))
        return TablaAccesible::Crear(t);
    return nullptr;
}

} // namespace

void Accesible::Instalar()
{
    static bool instalado = false;
    if (!std::exchange(instalado, true))
        QAccessible::installFactory(Fabrica);
}

void Accesible::AvisarCambios(QWidget *ventana)
{
    for (QLabel *l : ventana->findChildren<QLabel *>()) {
        if (l->accessibleName().isEmpty())
            continue;
        const QString ahora = TextoMostrado(l);
        const QVariant antes = l->property(kMostrado);
        l->setProperty(kMostrado, ahora);
        if (antes.isValid() && antes.toString() != ahora && QAccessible::isActive()) {
            QAccessibleTextUpdateEvent e(l, 0, antes.toString(), ahora);
            QAccessible::updateAccessibility(&e);
        }
    }
}
