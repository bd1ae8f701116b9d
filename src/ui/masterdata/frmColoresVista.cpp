#include "ui/masterdata/frmColoresVista.h"

#include "masterdata/frmColores.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "ui/printing/TextoPlano.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmColoresVista::frmColoresVista(frmColores &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Colores"), padre), modelo_(modelo),
      datos_(new GridModel(&modelo.gridColores, this))
{
    auto *capa = new QHBoxLayout(this);
    capa->setContentsMargins(16, 12, 16, 16);
    capa->setSpacing(16);

    auto *izquierda = new QVBoxLayout;
    izquierda->setSpacing(8);
    auto *titulo = new ::Etiqueta(QStringLiteral("Colores"), this);
    titulo->setFont(Estilo::Fuente(18, true));
    izquierda->addWidget(titulo);
    gridColores_ = new QTableView(this);
    gridColores_->setObjectName(QStringLiteral("gridColores"));
    gridColores_->setModel(datos_);
    gridColores_->setAccessibleName(QStringLiteral("Colores"));
    gridColores_->setFont(Estilo::Fuente(15));
    gridColores_->setFocusPolicy(Qt::TabFocus);
    gridColores_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridColores_->setSelectionBehavior(QAbstractItemView::SelectItems);
    gridColores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridColores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridColores_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    gridColores_->verticalHeader()->hide();
    gridColores_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridColores_->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    gridColores_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    gridColores_->horizontalHeader()->setSectionsClickable(false);
    gridColores_->setStyleSheet(QStringLiteral(
        "QTableView { background: white; gridline-color: #d8cfc0;"
        " selection-background-color: #6b3e2e; selection-color: white; }"
        "QHeaderView::section { background: #efe6d6; border: none; border-bottom: 2px solid #8a7b66;"
        " padding: 4px 8px; }"
        "QScrollBar:horizontal { height: 32px; }"));
    izquierda->addWidget(gridColores_, 1);
    capa->addLayout(izquierda, 1);

    auto *botones = new QVBoxLayout;
    botones->setSpacing(12);
    botones->addSpacing(40);
    auto *cmdAceptar = Estilo::Boton(QStringLiteral("Aceptar"), this);
    auto *cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    auto *cmdNuevo = Estilo::Boton(QStringLiteral("Nuevo"), this);
    auto *cmdBorrar = Estilo::Boton(QStringLiteral("Borrar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdNuevo->setObjectName(QStringLiteral("cmdNuevo"));
    cmdBorrar->setObjectName(QStringLiteral("cmdBorrar"));
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    botones->addStretch();
    botones->addWidget(cmdNuevo);
    botones->addWidget(cmdBorrar);
    capa->addLayout(botones);

    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
    connect(cmdNuevo, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdNuevo_Click(); }); });
    connect(cmdBorrar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdBorrar_Click(); }); });
    connect(gridColores_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        modelo_.gridColores.Row = GridModel::FilaGrid(i.row());
        modelo_.gridColores.Col = i.column();
    });
    // A second touch on the same name takes it, as "Aceptar" would.
    connect(gridColores_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] {
            modelo_.gridColores.Row = GridModel::FilaGrid(i.row());
            modelo_.gridColores.Col = i.column();
            modelo_.cmdAceptar_Click();
        });
    });
    Repintar();
}

void frmColoresVista::Repintar()
{
    const Grid &g = modelo_.gridColores;
    datos_->Refrescar();
    datos_->AjustarVista(gridColores_);
    // Every pair beyond the fourth looks like the first: hidden id, name as wide as the others.
    const int anchoNombre = g.ColWidth(1) / Estilo::TwipsPorPixel;
    for (int c = 0; c < g.Cols(); ++c) {
        gridColores_->setColumnHidden(c, c % 2 == 0);
        if (c % 2 == 1)
            gridColores_->setColumnWidth(c, anchoNombre);
    }
    const int pares = g.Cols() / 2;
    const int alto = gridColores_->horizontalHeader()->height()
                     + (g.Rows() - 1) * (g.RowHeight(1) / Estilo::TwipsPorPixel) + 4;
    gridColores_->setMinimumSize(std::min(pares, 4) * anchoNombre + 4, alto);
}

void frmColoresVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
