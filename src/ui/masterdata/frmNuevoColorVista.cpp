#include "ui/masterdata/frmNuevoColorVista.h"

#include "masterdata/frmNuevoColor.h"
#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNuevoColorVista::frmNuevoColorVista(frmNuevoColor &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Nuevo color"), padre), modelo_(modelo)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(24, 18, 24, 20);
    capa->setSpacing(14);
    auto *titulo = new ::Etiqueta(QStringLiteral("Nuevo color"), this);
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo);
    txtColor_ = new QLineEdit(modelo_.txtColor, this);
    txtColor_->setObjectName(QStringLiteral("txtColor"));
    txtColor_->setFont(Estilo::Fuente(20));
    txtColor_->setMinimumSize(420, Estilo::AltoBoton);
    txtColor_->setMaxLength(50);
    txtColor_->setAccessibleName(QStringLiteral("Nombre del color"));
    capa->addWidget(txtColor_);
    auto *botones = new QHBoxLayout;
    botones->setSpacing(16);
    botones->addStretch();
    auto *cmdAceptar = Estilo::Boton(QStringLiteral("Aceptar"), this);
    auto *cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones);

    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(txtColor_, &QLineEdit::returnPressed, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
}

void frmNuevoColorVista::Leer()
{
    modelo_.txtColor = txtColor_->text();
}

void frmNuevoColorVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
