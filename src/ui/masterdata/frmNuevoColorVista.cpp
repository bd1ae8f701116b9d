#include "ui/masterdata/frmNuevoColorVista.h"

#include "masterdata/frmNuevoColor.h"
#include "ui/common/Estilo.h"
#include "ui/common/Evento.h"
#include "ui/printing/TextoPlano.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNuevoColorVista::frmNuevoColorVista(frmNuevoColor &modelo, QWidget *padre)
    : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(QStringLiteral("Nuevo color"));
    setModal(true);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(24, 18, 24, 20);
    capa->setSpacing(14);
    auto *titulo = new Etiqueta(QStringLiteral("Nuevo color"), this);
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
            [this] { Atender([this] { modelo_.cmdAceptar_Click(); }); });
    connect(txtColor_, &QLineEdit::returnPressed, this,
            [this] { Atender([this] { modelo_.cmdAceptar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this,
            [this] { Atender([this] { modelo_.cmdCancelar_Click(); }); });
}

void frmNuevoColorVista::Atender(const std::function<void()> &manejador)
{
    modelo_.txtColor = txtColor_->text();
    Evento::Proteger(manejador);
    if (!modelo_.Abierto)
        accept();
}

void frmNuevoColorVista::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        Atender([this] { modelo_.Form_KeyPress(27); });
        return;
    }
    QDialog::keyPressEvent(e);
}
