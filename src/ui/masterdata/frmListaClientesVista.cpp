#include "ui/masterdata/frmListaClientesVista.h"

#include "masterdata/frmListaClientes.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModelCreciente.h"
#include "ui/printing/TextoPlano.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

frmListaClientesVista::frmListaClientesVista(frmListaClientes &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Lista de clientes"), padre), modelo_(modelo)
{
    resize(860, 680);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(12);

    auto *titulo = new ::Etiqueta(QStringLiteral("Lista de clientes"), this);
    titulo->setFont(Estilo::Fuente(20, true));
    capa->addWidget(titulo, 0, 0, 1, 3);

    auto *etiqueta = new ::Etiqueta(QString::fromUtf8("Nombre o parte de él"), this);
    txtNombre_ = new QLineEdit(this);
    txtNombre_->setFont(Estilo::Fuente(18));
    txtNombre_->setMinimumHeight(Estilo::AltoBoton);
    etiqueta->setBuddy(txtNombre_);
    auto *cmdBuscar = Estilo::Boton(QStringLiteral("Buscar"), this);
    capa->addWidget(etiqueta, 1, 0);
    capa->addWidget(txtNombre_, 1, 1);
    capa->addWidget(cmdBuscar, 1, 2);

    gridModel_ = new GridModelCreciente(&modelo_.gridClientes, this);
    tabla_ = new QTableView(this);
    tabla_->setModel(gridModel_);
    tabla_->setAccessibleName(QStringLiteral("Clientes"));
    tabla_->setFont(Estilo::Fuente(16));
    tabla_->verticalHeader()->hide();
    // One height for every row: twenty thousand customers lay out at once.
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setDefaultSectionSize(48);
    tabla_->horizontalHeader()->setFont(Estilo::Fuente(14, true));
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    capa->addWidget(tabla_, 2, 0, 1, 3);

    auto *botones = new QHBoxLayout;
    auto *cmdNuevo = Estilo::Boton(QStringLiteral("Nuevo"), this);
    auto *cmdAceptar = Estilo::Boton(QStringLiteral("Aceptar"), this);
    auto *cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    botones->addWidget(cmdNuevo);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones, 3, 0, 1, 3);
    capa->setColumnStretch(1, 1);

    connect(cmdBuscar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdBuscar_Click(); }); });
    connect(txtNombre_, &QLineEdit::returnPressed, this,
            [this] { Ejecutar([this] { modelo_.cmdBuscar_Click(); }); });
    connect(cmdNuevo, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdNuevo_Click(); }); });
    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
    connect(tabla_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] { modelo_.gridClientes_Click(GridModel::FilaGrid(i.row())); });
    });
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] { modelo_.gridClientes_DblClick(GridModel::FilaGrid(i.row())); });
    });
    Repintar();
}

void frmListaClientesVista::Leer()
{
    modelo_.txtNombre = txtNombre_->text();
}

void frmListaClientesVista::Repintar()
{
    gridModel_->Actualizar();
    gridModel_->AjustarColumnas(tabla_);
    const Grid &g = modelo_.gridClientes;
    if (g.Row >= 1 && g.Row < g.Rows())
        tabla_->setCurrentIndex(gridModel_->index(g.Row - 1, g.Col));
    if (txtNombre_->text() != modelo_.txtNombre)
        txtNombre_->setText(modelo_.txtNombre);
    gridModel_->Cargar([this] { return modelo_.ListaIncompleta(); }, [this] { modelo_.ContinuarLista(); });
}

void frmListaClientesVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
