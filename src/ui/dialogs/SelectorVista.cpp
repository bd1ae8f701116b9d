#include "ui/dialogs/SelectorVista.h"

#include "dialogs/Selector.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "ui/printing/TextoPlano.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

SelectorVista::SelectorVista(Selector &modelo, QWidget *padre)
    : VistaDialogo(modelo, modelo.Caption, padre), modelo_(modelo)
{
    PonerTitulo(this, modelo_.Caption);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(20, 18, 20, 20);
    capa->setSpacing(14);

    // Touch screens often run without window frames, so the title is also written inside.
    titulo_ = new ::Etiqueta(modelo_.Caption, this);
    titulo_->setFont(Estilo::Fuente(18, true));
    titulo_->setAlignment(Qt::AlignCenter);
    capa->addWidget(titulo_);

    datos_ = new GridModel(&modelo_.gridTrabajadores, this);
    gridTrabajadores_ = new QTableView(this);
    gridTrabajadores_->setObjectName(QStringLiteral("gridTrabajadores"));
    gridTrabajadores_->setModel(datos_);
    gridTrabajadores_->setAccessibleName(modelo_.Caption);
    gridTrabajadores_->setFont(Estilo::Fuente(18));
    gridTrabajadores_->horizontalHeader()->setStretchLastSection(true);
    gridTrabajadores_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    gridTrabajadores_->verticalHeader()->hide();
    gridTrabajadores_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridTrabajadores_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridTrabajadores_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridTrabajadores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridTrabajadores_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    gridTrabajadores_->setStyleSheet(QStringLiteral(
        "QTableView { selection-background-color: #6b3e2e; selection-color: white; }"
        "QHeaderView::section { padding: 8px 12px; font-size: 15pt; font-weight: bold; background: #efe8dc;"
        " border: none;"
        " border-bottom: 1px solid #8a7b66; }"
        "QScrollBar:vertical { width: 40px; }"));
    gridTrabajadores_->setMinimumSize(480, 5 * Estilo::AltoFilaTactil + 48);
    connect(gridTrabajadores_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &actual) {
                // Only the form model follows: the table already shows it, and a repaint now would
                // reset the table under the finger before the touch is complete.
                if (actual.isValid() && !repintando_)
                    modelo_.gridTrabajadores_Click(GridModel::FilaGrid(actual.row()));
            });
    // The picker that chooses on touch closes on the name touched, also the one already current.
    connect(gridTrabajadores_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        if (modelo_.AceptarAlTocar)
            Ejecutar([this, f = GridModel::FilaGrid(i.row())] { modelo_.gridTrabajadores_Toque(f); });
    });
    capa->addWidget(gridTrabajadores_, 1);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(24);
    botones->addStretch();
    auto *aceptar = Boton(QStringLiteral("Aceptar"), QStringLiteral("cmdAceptar"),
                          [this] { modelo_.cmdAceptar_Click(); });
    aceptar->setDefault(true);
    botones->addWidget(aceptar);
    if (modelo_.cmdCancelarVisible)
        botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"),
                                 [this] { modelo_.cmdCancelar_Click(); }));
    botones->addStretch();
    capa->addLayout(botones);
}

void SelectorVista::Repintar()
{
    // A picker may name itself only when it is filled (the order a print choice is for).
    PonerTitulo(this, modelo_.Caption);
    titulo_->setText(modelo_.Caption);
    gridTrabajadores_->setAccessibleName(modelo_.Caption);
    // Reloading the table moves its current row; that is not a touch of the user.
    repintando_ = true;
    datos_->Refrescar();
    datos_->AjustarVista(gridTrabajadores_);
    for (int f = 0; f < datos_->rowCount(); ++f)
        gridTrabajadores_->setRowHeight(f, Estilo::AltoFilaTactil);
    repintando_ = false;
}
