#include "ui/settlements/frmPagosTiendasVista.h"

#include "settlements/frmPagosTiendas.h"
#include "ui/common/Estilo.h"
#include "ui/common/GridModelCreciente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

frmPagosTiendasVista::frmPagosTiendasVista(frmPagosTiendas &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Cobros a tiendas"), padre), modelo_(modelo)
{
    resize(1000, 720);
    auto *capa = new QGridLayout(this);
    capa->setSpacing(10);
    cmbTienda_ = Desplegable(modelo_.cmbTienda, QStringLiteral("Tienda"));
    cmbTienda_->setMinimumWidth(300);
    cmbMeses_ = Desplegable(modelo_.cmbMeses, QStringLiteral("Mes"));
    cmbAno_ = Desplegable(modelo_.cmbAno, QString::fromUtf8("Año"), true);
    cmbAno_->setMinimumWidth(130);
    chkPendientes_ = new QCheckBox(QStringLiteral("Pend."), this);
    chkPendientes_->setAccessibleName(QStringLiteral("Solo pendientes"));
    chkPendientes_->setFont(Estilo::Fuente(15, true));
    chkPendientes_->setMinimumHeight(Estilo::AltoBoton);
    chkPendientes_->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 32px; height: 32px; }"));
    capa->addWidget(Etiqueta(QStringLiteral("Tienda"), cmbTienda_), 0, 0);
    capa->addWidget(Etiqueta(QStringLiteral("Mes"), cmbMeses_), 0, 1);
    capa->addWidget(Etiqueta(QString::fromUtf8("Año"), cmbAno_), 0, 2);
    capa->addWidget(cmbTienda_, 1, 0);
    capa->addWidget(cmbMeses_, 1, 1);
    capa->addWidget(cmbAno_, 1, 2);
    capa->addWidget(chkPendientes_, 1, 3);
    capa->addWidget(
        Boton(QStringLiteral("Ver"), QStringLiteral("cmdAceptar"), [this] { modelo_.cmdAceptar_Click(); }), 1,
        4);

    gridModel_ = new GridModelCreciente(&modelo_.gridPagos, this);
    tabla_ = Tabla(gridModel_, QStringLiteral("Arreglos de las tiendas"));
    capa->addWidget(tabla_, 2, 0, 1, 5);
    connect(tabla_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, i] { modelo_.gridPagos_DblClick(GridModel::FilaGrid(i.row())); });
    });

    auto *abajo = new QHBoxLayout;
    abajo->addWidget(Boton(QStringLiteral("Cancelar deuda"), QStringLiteral("cmdCancelarDeuda"),
                           [this] { modelo_.cmdCancelarDeuda_Click(); }));
    abajo->addStretch();
    abajo->addWidget(Boton(QStringLiteral("Imprimir"), QStringLiteral("cmdImprimir"),
                           [this] { modelo_.cmdImprimir_Click(); }));
    abajo->addWidget(
        Boton(QStringLiteral("Salir"), QStringLiteral("cmdsalir"), [this] { modelo_.cmdsalir_Click(); }));
    capa->addLayout(abajo, 3, 0, 1, 5);
    capa->setRowStretch(2, 1);
    capa->setColumnStretch(0, 1);
    Repintar();
}

void frmPagosTiendasVista::Leer()
{
    LeerCombo(cmbTienda_, modelo_.cmbTienda);
    LeerCombo(cmbMeses_, modelo_.cmbMeses);
    LeerCombo(cmbAno_, modelo_.cmbAno);
    modelo_.chkPendientes = chkPendientes_->isChecked();
}

void frmPagosTiendasVista::Repintar()
{
    gridModel_->Actualizar();
    gridModel_->AjustarColumnas(tabla_);
    gridModel_->Cargar([this] { return modelo_.ListaIncompleta(); }, [this] { modelo_.ContinuarLista(); });
    MostrarCombo(cmbTienda_, modelo_.cmbTienda);
    MostrarCombo(cmbMeses_, modelo_.cmbMeses);
    MostrarCombo(cmbAno_, modelo_.cmbAno);
    chkPendientes_->setChecked(modelo_.chkPendientes);
}

void frmPagosTiendasVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
