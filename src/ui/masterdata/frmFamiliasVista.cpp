#include "ui/masterdata/frmFamiliasVista.h"

#include "masterdata/frmFamilias.h"
#include "ui/common/Estilo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmFamiliasVista::frmFamiliasVista(frmFamilias &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Lista de tipos de prenda"), padre), modelo_(modelo)
{
    resize(560, 680);
    auto *capa = new QVBoxLayout(this);
    auto *titulo = Etiqueta(QStringLiteral("Lista de tipos de prenda"));
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo);
    gridModel_ = new GridModel(&modelo_.gridFamilias, this);
    tabla_ = Tabla(gridModel_, QStringLiteral("Tipos de prenda"));
    tabla_->setFont(Estilo::Fuente(16));
    capa->addWidget(tabla_, 1);
    connect(tabla_, &QTableView::clicked, this,
            [this](const QModelIndex &i) { modelo_.gridFamilias.Row = GridModel::FilaGrid(i.row()); });
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] {
            modelo_.gridFamilias.Row = GridModel::FilaGrid(i.row());
            modelo_.cmdEditarFamilia_Click();
        });
    });
    auto *botones = new QHBoxLayout;
    botones->addWidget(
        Boton(QStringLiteral("Nueva"), QStringLiteral("cmdNuevo"), [this] { modelo_.cmdNuevo_Click(); }));
    botones->addWidget(Boton(QStringLiteral("Editar"), QStringLiteral("cmdEditarFamilia"),
                             [this] { modelo_.cmdEditarFamilia_Click(); }));
    botones->addStretch();
    botones->addWidget(
        Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdSalir"), [this] { modelo_.cmdSalir_Click(); }));
    capa->addLayout(botones);
    Repintar();
}

void frmFamiliasVista::Repintar()
{
    gridModel_->Refrescar();
    gridModel_->AjustarColumnas(tabla_);
    const int fila = modelo_.gridFamilias.Row;
    if (fila >= 1 && fila < modelo_.gridFamilias.Rows())
        tabla_->setCurrentIndex(gridModel_->index(fila - 1, 1));
}

void frmFamiliasVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
