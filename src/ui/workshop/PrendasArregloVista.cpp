#include "ui/workshop/PrendasArregloVista.h"

#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "ui/common/TablaTactil.h"
#include "workshop/frmListaEntregar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLabel *Rotulo(const QString &nombre, int puntos, bool negrita, QWidget *padre)
{
    auto *l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Estilo::Fuente(puntos, negrita));
    return l;
}

} // namespace

PrendasArregloVista::PrendasArregloVista(PrendasArreglo &modelo, frmListaEntregar *entregar, QWidget *padre)
    : Vista(modelo.Abierto, modelo.Caption, padre), modelo_(modelo), entregar_(entregar),
      datos_(new GridModel(&modelo.gridPrendas, this))
{
    resize(920, 600);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(20, 16, 20, 18);
    capa->setSpacing(10);

    auto *titulo = Rotulo(QStringLiteral("lblTitulo"), 20, true, this);
    titulo->setText(modelo_.lblTitulo);
    capa->addWidget(titulo);

    auto *datos = new QGridLayout;
    datos->setHorizontalSpacing(24);
    lblReferencia = Rotulo(QStringLiteral("lblReferencia"), 18, true, this);
    lblReferencia->setStyleSheet(QStringLiteral("color: #6b3e2e;"));
    lblCliente = Rotulo(QStringLiteral("lblCliente"), 16, false, this);
    lblTelefono = Rotulo(QStringLiteral("lblTelefono"), 16, false, this);
    lblTrabajador = Rotulo(QStringLiteral("lblTrabajador"), 16, true, this);
    lblTrabajador->setStyleSheet(QStringLiteral("color: #a01e1e;"));
    lblReferencia->setAccessibleName(QStringLiteral("Referencia"));
    lblCliente->setAccessibleName(QStringLiteral("Cliente"));
    lblTelefono->setAccessibleName(QString::fromUtf8("Teléfono"));
    lblTrabajador->setAccessibleName(QStringLiteral("Estado del arreglo"));
    datos->addWidget(lblReferencia, 0, 0);
    datos->addWidget(lblTrabajador, 0, 1, Qt::AlignRight);
    datos->addWidget(lblCliente, 1, 0);
    datos->addWidget(lblTelefono, 1, 1, Qt::AlignRight);
    capa->addLayout(datos);

    gridPrendas =
        TablaTactil(QStringLiteral("gridPrendas"), QStringLiteral("Prendas del arreglo"), datos_, this);
    capa->addWidget(gridPrendas, 1);
    ayuda = Rotulo(QStringLiteral("lblAyuda"), 12, false, this);
    ayuda->setStyleSheet(QStringLiteral("color: #5a4a3a;"));
    ayuda->setAccessibleName(QStringLiteral("Ayuda"));
    capa->addWidget(ayuda);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(16);
    if (entregar_) {
        cmdMarcarComoEntregado = Estilo::Boton(entregar_->cmdMarcarComoEntregadoCaption, this);
        cmdMarcarComoEntregado->setObjectName(QStringLiteral("cmdMarcarComoEntregado"));
        cmdMarcarComoEntregado->setMinimumWidth(240);
        connect(cmdMarcarComoEntregado, &QPushButton::clicked, this,
                [this] { Ejecutar([this] { entregar_->cmdMarcarComoEntregado_Click(); }); });
        botones->addWidget(cmdMarcarComoEntregado);
    }
    botones->addStretch();
    cmdAceptar = Estilo::Boton(modelo_.cmdAceptarCaption, this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setAccessibleName(modelo_.cmdAceptarCaption);
    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    botones->addWidget(cmdAceptar);
    capa->addLayout(botones);

    connect(gridPrendas, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        Ejecutar([this, f = GridModel::FilaGrid(i.row())] { modelo_.gridPrendas_DblClick(f); });
    });
    Repintar();
}

void PrendasArregloVista::Repintar()
{
    RepintarTablaTactil(gridPrendas, datos_);
    lblReferencia->setText(modelo_.lblReferencia);
    lblCliente->setText(modelo_.lblCliente);
    lblTelefono->setText(modelo_.lblTelefono);
    lblTrabajador->setText(modelo_.lblTrabajador);
    ayuda->setText(modelo_.lblAyuda);
    if (cmdMarcarComoEntregado) {
        cmdMarcarComoEntregado->setText(entregar_->cmdMarcarComoEntregadoCaption);
        cmdMarcarComoEntregado->setAccessibleName(entregar_->cmdMarcarComoEntregadoCaption);
        cmdMarcarComoEntregado->setEnabled(entregar_->cmdMarcarComoEntregadoEnabled);
    }
}

void PrendasArregloVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
