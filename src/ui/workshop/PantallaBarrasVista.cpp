#include "ui/workshop/PantallaBarrasVista.h"

#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "workshop/frmAsignarBArras.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <utility>

namespace {

QTableView *TablaBarras(GridModel *modelo, const QString &nombre, QWidget *padre)
{
    auto *t = new QTableView(padre);
    t->setModel(modelo);
    t->setAccessibleName(nombre);
    t->setFont(Estilo::Fuente(14));
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(Estilo::AltoFilaTactil);
    t->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

QLabel *Rotulo(const QString &texto, QWidget *padre)
{
    auto *l = new QLabel(texto, padre);
    l->setFont(Estilo::Fuente(16, true));
    return l;
}

} // namespace

PantallaBarrasVista::PantallaBarrasVista(PantallaBarras &modelo, frmAsignarBArras *asignar, QWidget *padre)
    : Vista(modelo.Abierto,
            asignar ? QString::fromUtf8("Asignar con código de barras")
                    : QString::fromUtf8("Entrada de prendas con código de barras"),
            padre),
      modelo_(modelo), asignar_(asignar)
{
    resize(1024, 700);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(10);

    auto *etiquetaBarras = Rotulo(QString::fromUtf8("Código de barras"), this);
    txtBarras_ = new QLineEdit(this);
    txtBarras_->setFont(Estilo::Fuente(18));
    txtBarras_->setMinimumHeight(Estilo::AltoBoton);
    txtBarras_->setAccessibleName(QString::fromUtf8("Código de barras"));
    auto *command1 = Estilo::Boton(QStringLiteral("OK"), this);
    command1->setAccessibleName(QStringLiteral("Aceptar"));
    // The reader's Enter presses the default button, as a finger on "OK" does.
    command1->setDefault(true);
    auto *fila = new QHBoxLayout;
    fila->addWidget(etiquetaBarras);
    fila->addWidget(txtBarras_, 1);
    fila->addWidget(command1);

    lblAviso_ = new QLabel(this);
    lblAviso_->setObjectName(QStringLiteral("lblAviso"));
    lblAviso_->setAccessibleName(QString::fromUtf8("Aviso del último escaneo"));
    lblAviso_->setTextFormat(Qt::PlainText);
    lblAviso_->setFont(Estilo::Fuente(16, true));
    lblAviso_->setStyleSheet(QStringLiteral("color: #b00000;"));
    // The line is kept when empty, so that the lists do not jump at each scan.
    lblAviso_->setMinimumHeight(lblAviso_->fontMetrics().height() + 4);
    lblAviso_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    gridModel_ = new GridModel(&modelo_.gridAsignacion, this);
    const QString titulo = asignar_ ? QStringLiteral("Lista de arreglos asignados")
                                    : QStringLiteral("Lista arreglos a los que se da de entrada");
    tabla_ = TablaBarras(gridModel_, titulo, this);
    cmdBorrarFila_ = Estilo::Boton(QStringLiteral("Borrar fila"), this);
    cmdBorrarFila_->setAccessibleName(cmdBorrarFila_->text());
    cmdAceptar_ = Estilo::Boton(QStringLiteral("Salir"), this);
    cmdAceptar_->setAccessibleName(cmdAceptar_->text());
    for (QPushButton *b : {cmdBorrarFila_, cmdAceptar_})
        b->setAutoDefault(false);
    auto *botones = new QHBoxLayout;
    botones->addWidget(cmdBorrarFila_);
    botones->addStretch();
    botones->addWidget(cmdAceptar_);

    if (asignar_) {
        trabajadoresModel_ = new GridModel(&asignar_->gridTrabajadores, this);
        trabajadores_ = TablaBarras(trabajadoresModel_, QStringLiteral("Trabajadores"), this);
        trabajadores_->setMinimumWidth(260);
        capa->addLayout(fila, 0, 0, 1, 2);
        capa->addWidget(lblAviso_, 1, 0, 1, 2);
        capa->addWidget(Rotulo(QStringLiteral("Lista de arreglos asignados"), this), 2, 0);
        capa->addWidget(Rotulo(QStringLiteral("Trabajadores"), this), 2, 1);
        capa->addWidget(tabla_, 3, 0);
        capa->addWidget(trabajadores_, 3, 1);
        capa->addLayout(botones, 4, 0, 1, 2);
        capa->setColumnStretch(0, 3);
        capa->setColumnStretch(1, 1);
        connect(trabajadores_, &QTableView::clicked, this, [this](const QModelIndex &i) {
            Ejecutar([this, i] { asignar_->gridTrabajadores_Click(GridModel::FilaGrid(i.row())); });
        });
    } else {
        capa->addLayout(fila, 0, 0);
        capa->addWidget(lblAviso_, 1, 0);
        capa->addWidget(Rotulo(QStringLiteral("Lista arreglos a los que se da de entrada"), this), 2, 0);
        capa->addWidget(tabla_, 3, 0);
        capa->addLayout(botones, 4, 0);
    }

    connect(command1, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.Command1_Click(); }); });
    connect(cmdBorrarFila_, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdBorrarFila_Click(); }); });
    connect(cmdAceptar_, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(tabla_, &QTableView::clicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] { modelo_.gridAsignacion_Click(GridModel::FilaGrid(i.row())); });
    });
    Repintar();
}

void PantallaBarrasVista::Leer()
{
    modelo_.txtBarras = txtBarras_->text();
}

void PantallaBarrasVista::Repintar()
{
    gridModel_->Refrescar();
    gridModel_->AjustarVista(tabla_);
    if (trabajadoresModel_) {
        trabajadoresModel_->Refrescar();
        trabajadoresModel_->AjustarVista(trabajadores_);
    }
    for (QTableView *t : {tabla_, trabajadores_})
        if (t)
            for (int f = 0; f < t->model()->rowCount(); ++f)
                t->setRowHeight(f, Estilo::AltoFilaTactil);
    lblAviso_->setText(modelo_.lblAviso);
    if (txtBarras_->text() != modelo_.txtBarras)
        txtBarras_->setText(modelo_.txtBarras);
    txtBarras_->setFocus();
    // A machine without a speaker simply stays silent.
    if (std::exchange(modelo_.EscaneoRechazado, false))
        QApplication::beep();
}

void PantallaBarrasVista::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    txtBarras_->setFocus();
}

void PantallaBarrasVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
