#include "ui/common/Vista.h"

#include "core/Combo.h"
#include "ui/common/Accesible.h"
#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <utility>

Vista::Vista(const bool &abierto, const QString &titulo, QWidget *padre)
    : Vista([&abierto] { return abierto; }, titulo, padre)
{
}

Vista::Vista(std::function<bool()> abierto, const QString &titulo, QWidget *padre)
    : QDialog(padre), abierto_(std::move(abierto))
{
    setWindowTitle(titulo);
    setModal(true);
}

void Vista::Ejecutar(const std::function<void()> &accion)
{
    Accesible::AvisarCambios(this);
    Leer();
    Evento::Proteger(accion);
    Repintar();
    Accesible::AvisarCambios(this);
    if (!abierto_())
        accept();
}

void Vista::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        Ejecutar([this] { Escape(); });
        return;
    }
    QDialog::keyPressEvent(e);
}

QPushButton *Vista::Boton(const QString &texto, const QString &nombre, const std::function<void()> &accion)
{
    auto *b = Estilo::Boton(texto, this);
    b->setObjectName(nombre);
    b->setAccessibleName(texto);
    if (accion)
        connect(b, &QPushButton::clicked, this, [this, accion] { Ejecutar(accion); });
    return b;
}

QTableView *Vista::Tabla(GridModel *modelo, const QString &nombre)
{
    auto *t = new QTableView(this);
    t->setObjectName(nombre);
    t->setAccessibleName(nombre);
    t->setModel(modelo);
    t->setFont(Estilo::Fuente(13));
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(Estilo::AltoFilaTactil - 12);
    t->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    t->horizontalHeader()->setStretchLastSection(true);
    // A selected row would turn every header bold, wider than its column.
    t->horizontalHeader()->setHighlightSections(false);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

QLabel *Vista::Etiqueta(const QString &texto, QWidget *de)
{
    auto *l = new QLabel(texto, this);
    l->setBuddy(de);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Estilo::Fuente(14, true));
    return l;
}

QComboBox *Vista::Desplegable(const Combo &combo, const QString &nombre, bool editable)
{
    auto *c = new QComboBox(this);
    c->setObjectName(nombre);
    c->setAccessibleName(nombre);
    c->setEditable(editable);
    c->setFont(Estilo::Fuente(15));
    c->setMinimumHeight(Estilo::AltoBoton - 8);
    c->setMinimumWidth(200);
    c->setMaxVisibleItems(12);
    MostrarCombo(c, combo);
    return c;
}

void Vista::MostrarCombo(QComboBox *caja, const Combo &combo)
{
    const QSignalBlocker bloqueo(caja);
    if (caja->count() != combo.ListCount()) {
        caja->clear();
        for (const Combo::Elemento &e : combo.elementos)
            caja->addItem(e.texto, e.dato);
    }
    caja->setCurrentIndex(combo.ListIndex);
    if (caja->isEditable())
        caja->setEditText(combo.Text);
}

void Vista::LeerCombo(const QComboBox *caja, Combo &combo)
{
    if (caja->isEditable()) {
        combo.ElegirTexto(caja->currentText());
        return;
    }
    combo.Elegir(caja->currentIndex());
}
