#include "ui/masterdata/frmNuevoTrabajadorVista.h"

#include "masterdata/frmNuevoTrabajador.h"
#include "ui/common/Estilo.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNuevoTrabajadorVista::frmNuevoTrabajadorVista(frmNuevoTrabajador &modelo, QWidget *padre)
    : Vista(modelo.Abierto, modelo.Caption, padre), modelo_(modelo)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(24, 18, 24, 20);
    capa->setSpacing(14);
    auto *titulo = new QLabel(modelo_.Caption, this);
    titulo->setFont(Estilo::Fuente(18, true));
    capa->addWidget(titulo);
    auto *rotulo = new QLabel(QStringLiteral("Nombre"), this);
    capa->addWidget(rotulo);
    txtFamilia = new QLineEdit(modelo_.txtFamilia, this);
    txtFamilia->setObjectName(QStringLiteral("txtFamilia"));
    txtFamilia->setAccessibleName(QStringLiteral("Nombre"));
    txtFamilia->setFont(Estilo::Fuente(20));
    txtFamilia->setMinimumSize(460, Estilo::AltoBoton);
    txtFamilia->setMaxLength(50);
    rotulo->setBuddy(txtFamilia);
    capa->addWidget(txtFamilia);
    chkDesactivado = new QCheckBox(QStringLiteral("Desactivado"), this);
    chkDesactivado->setObjectName(QStringLiteral("chkDesactivado"));
    chkDesactivado->setAccessibleName(QStringLiteral("Desactivado"));
    chkDesactivado->setFont(Estilo::Fuente(18));
    chkDesactivado->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 36px; height: 36px; }"));
    chkDesactivado->setMinimumHeight(56);
    chkDesactivado->setChecked(modelo_.chkDesactivado);
    capa->addWidget(chkDesactivado);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(16);
    botones->addStretch();
    cmdAceptar = Estilo::Boton(modelo_.cmdAceptarCaption, this);
    cmdCancelar = Estilo::Boton(QStringLiteral("Cancelar"), this);
    cmdAceptar->setAccessibleName(modelo_.cmdAceptarCaption);
    cmdCancelar->setAccessibleName(QStringLiteral("Cancelar"));
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    capa->addLayout(botones);

    connect(cmdAceptar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(txtFamilia, &QLineEdit::returnPressed, this,
            [this] { Ejecutar([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Ejecutar([this] { modelo_.cmdCancelar_Click(); }); });
}

void frmNuevoTrabajadorVista::Leer()
{
    modelo_.txtFamilia = txtFamilia->text();
    modelo_.chkDesactivado = chkDesactivado->isChecked();
}

void frmNuevoTrabajadorVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
