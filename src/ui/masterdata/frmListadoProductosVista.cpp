#include "ui/masterdata/frmListadoProductosVista.h"

#include "masterdata/frmListadoProductos.h"
#include "ui/common/Estilo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmListadoProductosVista::frmListadoProductosVista(frmListadoProductos &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Lista de productos por familia"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *capa = new QVBoxLayout(this);
    auto *titulo = Etiqueta(QStringLiteral("Lista de productos por familia"));
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo);
    gridModel_ = new GridModel(&modelo_.gridProductos, this);
    tabla_ = Tabla(gridModel_, QStringLiteral("Productos"));
    capa->addWidget(tabla_, 1);
    connect(tabla_, &QTableView::clicked, this,
            [this](const QModelIndex &i) { modelo_.gridProductos_Click(GridModel::FilaGrid(i.row())); });
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] {
            modelo_.gridProductos_Click(GridModel::FilaGrid(i.row()));
            modelo_.cmdModificar_Click();
        });
    });
    auto *botones = new QHBoxLayout;
    botones->addWidget(Boton(QStringLiteral("Modificar datos"), QStringLiteral("cmdModificar"),
                             [this] { modelo_.cmdModificar_Click(); }));
    botones->addWidget(Boton(QStringLiteral("Imprimir lista"), QStringLiteral("cmdImprimirLista"),
                             [this] { modelo_.cmdImprimirLista_Click(); }));
    botones->addStretch();
    botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"),
                             [this] { modelo_.cmdCancelar_Click(); }));
    capa->addLayout(botones);
    Repintar();
}

void frmListadoProductosVista::Repintar()
{
    gridModel_->Refrescar();
    gridModel_->AjustarColumnas(tabla_);
    const int fila = modelo_.gridProductos.Row;
    if (fila >= 1 && fila < modelo_.gridProductos.Rows()) {
        const QModelIndex i = gridModel_->index(fila - 1, 1);
        tabla_->setCurrentIndex(i);
        tabla_->scrollTo(i, QAbstractItemView::EnsureVisible);
    }
}

void frmListadoProductosVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
