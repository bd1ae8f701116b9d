#include "ui/workshop/frmDetalleReferenciaVista.h"

#include "ui/common/Estilo.h"
#include "ui/common/GridModel.h"
#include "workshop/frmDetalleReferencia.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

frmDetalleReferenciaVista::frmDetalleReferenciaVista(frmDetalleReferencia &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Detalles de arreglos de prenda"), padre), modelo_(modelo)
{
    resize(640, 600);
    auto *capa = new QVBoxLayout(this);
    capa->setSpacing(10);
    auto *titulo = new QLabel(QStringLiteral("Detalles de arreglos de prenda"), this);
    titulo->setFont(Estilo::Fuente(20, true));
    capa->addWidget(titulo);
    auto etiqueta = [this, capa](const QString &nombre, int puntos) {
        auto *l = new QLabel(this);
        l->setTextFormat(Qt::PlainText);
        l->setFont(Estilo::Fuente(puntos));
        l->setAccessibleName(nombre);
        capa->addWidget(l);
        return l;
    };
    lblReferencia_ = etiqueta(QStringLiteral("Referencia"), 18);
    lblCliente_ = etiqueta(QStringLiteral("Cliente"), 15);
    lblAtendido_ = etiqueta(QString::fromUtf8("Atendió"), 15);

    gridModel_ = new GridModel(&modelo_.gridDetalle, this);
    tabla_ = new QTableView(this);
    tabla_->setModel(gridModel_);
    tabla_->setAccessibleName(QStringLiteral("Arreglos de la prenda"));
    tabla_->setFont(Estilo::Fuente(15));
    tabla_->verticalHeader()->hide();
    tabla_->horizontalHeader()->setFont(Estilo::Fuente(13, true));
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->setSelectionMode(QAbstractItemView::NoSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    capa->addWidget(tabla_, 1);

    auto *botones = new QHBoxLayout;
    cmdTicket_ = Estilo::Boton(QStringLiteral("Ticket Prenda"), this);
    cmdsalir_ = Estilo::Boton(QStringLiteral("Salir"), this);
    for (QPushButton *b : {cmdTicket_, cmdsalir_}) {
        b->setAccessibleName(b->text());
        b->setAutoDefault(false);
    }
    botones->addWidget(cmdTicket_);
    botones->addStretch();
    botones->addWidget(cmdsalir_);
    capa->addLayout(botones);

    connect(cmdTicket_, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdTicket_Click(); }); });
    connect(cmdsalir_, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdsalir_Click(); }); });
    Repintar();
}

void frmDetalleReferenciaVista::Repintar()
{
    gridModel_->Refrescar();
    gridModel_->AjustarVista(tabla_);
    for (int f = 0; f < gridModel_->rowCount(); ++f)
        tabla_->setRowHeight(f, 40);
    lblReferencia_->setText(modelo_.lblReferencia);
    lblCliente_->setText(modelo_.lblCliente);
    lblAtendido_->setText(modelo_.lblAtendido);
}

void frmDetalleReferenciaVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
