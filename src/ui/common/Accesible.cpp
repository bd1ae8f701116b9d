#include "ui/common/Accesible.h"

#include "ui/common/TablaAccesible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
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

// A combo box read by its caption, with the chosen item as its value: Qt on Linux gives the item
// as its name, so "Seleccione trabajador" would be heard as "Ana". Its first child is the list it
// opens, then its own parts (the box typed into, when it has one).
class DesplegableAccesible : public QAccessibleWidget
{
public:
    explicit DesplegableAccesible(QComboBox *c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !Caja()->accessibleName().isEmpty())
            return Caja()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return Caja()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface *child(int i) const override
    {
        return i == 0 ? QAccessible::queryAccessibleInterface(Caja()->view())
                      : QAccessibleWidget::child(i - 1);
    }
    int indexOfChild(const QAccessibleInterface *hijo) const override
    {
        if (hijo && hijo->object() == Caja()->view())
            return 0;
        const int i = QAccessibleWidget::indexOfChild(hijo);
        return i < 0 ? -1 : i + 1;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &accion) override
    {
        if (accion == showMenuAction())
            Caja()->showPopup();
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    QComboBox *Caja() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *Fabrica(const QString &, QObject *o)
{
    if (auto *l = qobject_cast<QLabel *>(o))
        return new EtiquetaAccesible(l);
    if (auto *c = qobject_cast<QComboBox *>(o))
        return new DesplegableAccesible(c);
    if (auto *t = qobject_cast<QTableView *>(o))
        return TablaAccesible::Crear(t);
    return nullptr;
}

// A grid's focus and selection events, numbered as the view numbers its cells, renumbered as the
// reader finds them among the grid's children before they go out.
void Renumerar(QAccessibleEvent *e)
{
    if (auto *t = qobject_cast<QTableView *>(e->object()); t && e->child() >= 0)
        e->setChild(TablaAccesible::HijoDe(t, e->child()));
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(Renumerar);
}

} // namespace

void Accesible::Instalar()
{
    static bool instalado = false;
    if (!std::exchange(instalado, true)) {
        QAccessible::installFactory(Fabrica);
        QAccessible::installUpdateHandler(Renumerar);
    }
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
