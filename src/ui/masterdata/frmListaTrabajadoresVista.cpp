#include "ui/masterdata/frmListaTrabajadoresVista.h"

#include "masterdata/frmListaTrabajadores.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "ui/common/TablaTactil.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmListaTrabajadoresVista::frmListaTrabajadoresVista(frmListaTrabajadores &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Lista de trabajadores"), padre), modelo_(modelo),
      datos_(new GridModel(&modelo.gridFamilias, this))
{
    resize(620, 680);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(20, 16, 20, 18);
    capa->setSpacing(12);
    auto *titulo = new QLabel(QStringLiteral("Lista de trabajadores"), this);
    titulo->setFont(Estilo::Fuente(20, true));
    capa->addWidget(titulo);
    auto *nota = new QLabel(QStringLiteral("* trabajador desactivado"), this);
    nota->setFont(Estilo::Fuente(12));
    nota->setStyleSheet(QStringLiteral("color: #5a4a3a;"));
    capa->addWidget(nota);

    gridFamilias = TablaTactil(QStringLiteral("gridFamilias"), QStringLiteral("Trabajadores"), datos_, this);
    capa->addWidget(gridFamilias, 1);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(16);
    cmdNuevo = Estilo::Boton(QStringLiteral("Nueva"), this);
    cmdEditarFamilia = Estilo::Boton(QStringLiteral("Editar"), this);
    cmdSalir = Estilo::Boton(QStringLiteral("Cancelar"), this);
    cmdNuevo->setAccessibleName(QStringLiteral("Nuevo trabajador"));
    cmdEditarFamilia->setAccessibleName(QStringLiteral("Editar trabajador"));
    cmdSalir->setAccessibleName(QStringLiteral("Cancelar"));
    botones->addWidget(cmdNuevo);
    botones->addWidget(cmdEditarFamilia);
    botones->addStretch();
    botones->addWidget(cmdSalir);
    capa->addLayout(botones);

    connect(cmdNuevo, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdNuevo_Click(); }); });
    connect(cmdEditarFamilia, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdEditarFamilia_Click(); }); });
    connect(cmdSalir, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdSalir_Click(); }); });
    connect(gridFamilias, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, f = GridModel::FilaGrid(i.row())] { modelo_.gridFamilias_Click(f); });
    });
    Repintar();
}

void frmListaTrabajadoresVista::Repintar()
{
    RepintarTablaTactil(gridFamilias, datos_);
}

void frmListaTrabajadoresVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
