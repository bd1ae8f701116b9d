#include "ui/masterdata/frmNuevaFamiliaVista.h"

#include "masterdata/frmNuevaFamilia.h"
#include "ui/common/Estilo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNuevaFamiliaVista::frmNuevaFamiliaVista(frmNuevaFamilia &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Nueva familia"), padre), modelo_(modelo)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(24, 18, 24, 20);
    capa->setSpacing(14);
    capa->addWidget(Etiqueta(QStringLiteral("Tipo prenda")));
    txtFamilia_ = new QLineEdit(modelo_.txtFamilia, this);
    txtFamilia_->setObjectName(QStringLiteral("txtFamilia"));
    txtFamilia_->setAccessibleName(QStringLiteral("Tipo prenda"));
    txtFamilia_->setFont(Estilo::Fuente(20));
    txtFamilia_->setMinimumSize(420, Estilo::AltoBoton);
    txtFamilia_->setMaxLength(50);
    capa->addWidget(txtFamilia_);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    cmdAceptar_ = Boton(modelo_.cmdAceptarCaption, QStringLiteral("cmdAceptar"),
                        [this] { modelo_.cmdAceptar_Click(); });
    botones->addWidget(cmdAceptar_);
    botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"),
                             [this] { modelo_.cmdCancelar_Click(); }));
    capa->addLayout(botones);
    connect(txtFamilia_, &QLineEdit::returnPressed, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
}

void frmNuevaFamiliaVista::Leer()
{
    modelo_.txtFamilia = txtFamilia_->text();
}

void frmNuevaFamiliaVista::Repintar()
{
    cmdAceptar_->setText(modelo_.cmdAceptarCaption);
}

void frmNuevaFamiliaVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
