#include "ui/settlements/frmPagosATrabajadoresVista.h"

#include "settlements/frmPagosATrabajadores.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

frmPagosATrabajadoresVista::frmPagosATrabajadoresVista(frmPagosATrabajadores &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Pagos a trabajadores"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(10);
    cmbTrabajadores_ = Desplegable(modelo_.cmbTrabajadores, QStringLiteral("Seleccione trabajador"));
    cmbEstado_ = Desplegable(modelo_.cmbEstado, QStringLiteral("Estado"));
    capa->addWidget(Etiqueta(QStringLiteral("Seleccione trabajador"), cmbTrabajadores_), 0, 0);
    capa->addWidget(Etiqueta(QStringLiteral("Estado"), cmbEstado_), 0, 1);
    capa->addWidget(cmbTrabajadores_, 1, 0);
    capa->addWidget(cmbEstado_, 1, 1);

    auto *listados = new QHBoxLayout;
    const struct {
        const char *texto, *nombre;
        void (frmPagosATrabajadores::*boton)();
    } botones[] = {
        {"Ver", "cmdAceptar", &frmPagosATrabajadores::cmdAceptar_Click},
        {"1.000", "cmd1000", &frmPagosATrabajadores::cmd1000_Click},
        {"2.000", "cmd2000", &frmPagosATrabajadores::cmd2000_Click},
        {"5.000", "cmd5000", &frmPagosATrabajadores::cmd5000_Click},
        {"10.000", "cmd10000", &frmPagosATrabajadores::cmd10000_Click},
        {"Todos", "cmdTodos", &frmPagosATrabajadores::cmdTodos_Click},
    };
    for (const auto &b : botones) {
        auto *boton = Boton(QString::fromLatin1(b.texto), QString::fromLatin1(b.nombre), {});
        boton->setMinimumWidth(110);
        const auto manejador = b.boton;
        connect(boton, &QPushButton::clicked, this, [this, manejador] { Listar(manejador); });
        listados->addWidget(boton);
    }
    capa->addLayout(listados, 2, 0, 1, 2);

    gridModel_ = new GridModelCreciente(&modelo_.gridPagos, this);
    tabla_ = Tabla(gridModel_, QStringLiteral("Líneas a pagar"));
    capa->addWidget(tabla_, 3, 0, 1, 2);
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] { modelo_.gridPagos_DblClick(GridModel::FilaGrid(i.row())); });
    });

    auto *abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(Boton(QStringLiteral("Imprimir"), QStringLiteral("cmdImprimir"),
                           [this] { modelo_.cmdImprimir_Click(); }));
    abajo->addWidget(
        Boton(QStringLiteral("Salir"), QStringLiteral("cmdSalir"), [this] { modelo_.cmdSalir_Click(); }));
    capa->addLayout(abajo, 4, 0, 1, 2);
    capa->setRowStretch(3, 1);
    gridModel_->Reiniciar();
    gridModel_->AjustarColumnas(tabla_);
}

void frmPagosATrabajadoresVista::Leer()
{
    LeerCombo(cmbTrabajadores_, modelo_.cmbTrabajadores);
    LeerCombo(cmbEstado_, modelo_.cmbEstado);
}

void frmPagosATrabajadoresVista::Repintar()
{
    gridModel_->Actualizar();
    MostrarCombo(cmbTrabajadores_, modelo_.cmbTrabajadores);
    MostrarCombo(cmbEstado_, modelo_.cmbEstado);
}

void frmPagosATrabajadoresVista::Escape()
{
    modelo_.Form_KeyPress(27);
}

void frmPagosATrabajadoresVista::Listar(void (frmPagosATrabajadores::*boton)())
{
    Ejecutar([this, boton] { (modelo_.*boton)(); });
    gridModel_->Reiniciar();
    gridModel_->AjustarColumnas(tabla_);
    tabla_->scrollToTop();
    gridModel_->Cargar([this] { return modelo_.ListaIncompleta; }, [this] { modelo_.ContinuarLista(); });
}
