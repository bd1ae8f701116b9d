#include "ui/workshop/frmListaArreglosClienteVista.h"

#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "ui/common/TablaTactil.h"
#include "workshop/frmListaArreglosCliente.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmListaArreglosClienteVista::frmListaArreglosClienteVista(frmListaArreglosCliente &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Lista de arreglos del cliente"), padre), modelo_(modelo),
      datos_(new GridModel(&modelo.gridListaArreglos, this))
{
    resize(1000, 680);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(20, 16, 20, 18);
    capa->setSpacing(10);
    auto *titulo = new QLabel(QStringLiteral("Lista de arreglos del cliente "), this);
    titulo->setFont(Estilo::Fuente(20, true));
    capa->addWidget(titulo);
    gridListaArreglos = TablaTactil(QStringLiteral("gridListaArreglos"),
                                    QStringLiteral("Arreglos del cliente"), datos_, this);
    gridListaArreglos->horizontalHeader()->setStretchLastSection(false);
    gridListaArreglos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    capa->addWidget(gridListaArreglos, 1);
    auto *ayuda =
        new QLabel(QStringLiteral("Toque dos veces una prenda para ver las prendas de su arreglo."), this);
    ayuda->setFont(Estilo::Fuente(12));
    ayuda->setStyleSheet(QStringLiteral("color: #5a4a3a;"));
    capa->addWidget(ayuda);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    cmdCancelar->setAccessibleName(QStringLiteral("Cancelar"));
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones);

    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
    connect(gridListaArreglos, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, f = GridModel::FilaGrid(i.row())] { modelo_.gridListaArreglos_DblClick(f); });
    });
    Repintar();
}

void frmListaArreglosClienteVista::Repintar()
{
    RepintarTablaTactil(gridListaArreglos, datos_);
}

void frmListaArreglosClienteVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
