#include "ui/common/VistaListado.h"

#include "core/Combo.h"
#include "core/Grid.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

VistaListado::VistaListado(const bool &abierto, const QString &titulo, QWidget *padre)
    : Vista(abierto, titulo, padre)
{
    setAccessibleName(titulo);
    capa_ = new QVBoxLayout(this);
    capa_->setSpacing(10);
    botones_ = new QHBoxLayout;
    botones_->setSpacing(10);
}

QLabel *VistaListado::AgregarTitulo(const QString &texto)
{
    auto *l = new QLabel(texto, this);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Estilo::Fuente(18, true));
    capa_->addWidget(l);
    return l;
}

QLabel *VistaListado::Rotulo(const QString &texto, QWidget *de)
{
    auto *l = new QLabel(texto, this);
    l->setBuddy(de);
    l->setFont(Estilo::Fuente(16));
    return l;
}

QComboBox *VistaListado::DesplegableGrande(const Combo &combo, const QString &nombre)
{
    auto *c = new QComboBox(this);
    c->setAccessibleName(nombre);
    c->setFont(Estilo::Fuente(16));
    c->setMinimumHeight(Estilo::AltoBoton);
    c->setMinimumWidth(260);
    for (const auto &e : combo.elementos)
        c->addItem(e.texto, e.dato);
    c->setCurrentIndex(combo.ListIndex);
    return c;
}

QTableView *VistaListado::AgregarTabla(const Grid &grid, const QString &nombre, double escala,
                                       const std::function<void(int)> &toque,
                                       const std::function<void(int)> &dobleToque)
{
    auto *modelo = new GridModel(&grid, this);
    auto *t = new QTableView(this);
    t->setModel(modelo);
    t->setAccessibleName(nombre);
    t->setFont(Estilo::Fuente(Estilo::PuntosTexto));
    t->verticalHeader()->hide();
    // One fixed height for every row: long lists lay out at once.
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(44);
    t->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    capa_->addWidget(t, 1);
    if (toque)
        connect(t, &QTableView::clicked, this, [this, toque](const QModelIndex &i) {
            Ejecutar([toque, i] { toque(GridModel::FilaGrid(i.row())); });
        });
    if (dobleToque)
        connect(t, &QTableView::doubleClicked, this, [this, dobleToque](const QModelIndex &i) {
            Ejecutar([dobleToque, i] { dobleToque(GridModel::FilaGrid(i.row())); });
        });
    tablas_.push_back({{modelo, &grid, escala}, t});
    return t;
}

QPushButton *VistaListado::AgregarBoton(const QString &texto, const std::function<void()> &accion,
                                        QBoxLayout *fila)
{
    auto *b = Estilo::Boton(texto, this);
    b->setAccessibleName(texto);
    b->setFocusPolicy(Qt::TabFocus);
    (fila ? fila : botones_)->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, accion] { Ejecutar(accion); });
    return b;
}

QPushButton *VistaListado::Boton(const QString &texto) const
{
    for (auto *b : findChildren<QPushButton *>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

void VistaListado::Repintar()
{
    for (auto &[datos, t] : tablas_) {
        datos.modelo->Refrescar();
        // Widths and the current row only: per-row heights would cost a pass over every row.
        const Grid &g = *datos.grid;
        for (int c = 0; c < g.Cols(); ++c) {
            const int ancho = g.ColWidth(c);
            t->setColumnHidden(c, ancho <= 1);
            if (ancho > 1)
                t->setColumnWidth(c, int(ancho * datos.escala / Estilo::TwipsPorPixel));
        }
        if (g.Row >= 1 && g.Row < g.Rows())
            t->setCurrentIndex(datos.modelo->index(g.Row - 1, std::max(0, g.Col)));
    }
}
