#include "MensajeVista.h"

#include "Estilo.h"
#include "dialogs/Mensaje.h"
#include "dialogs/frmMensajeSiNo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MensajeVista::MensajeVista(Mensaje &modelo, QWidget *padre)
    : VistaDialogo(modelo, padre), texto_(modelo.lblMensaje)
{
    Montar([&modelo] { modelo.cmdAceptar_Click(); }, nullptr);
}

MensajeVista::MensajeVista(frmMensajeSiNo &modelo, QWidget *padre)
    : VistaDialogo(modelo, padre), texto_(modelo.lblMensaje)
{
    Montar([&modelo] { modelo.cmdOK_Click(); }, [&modelo] { modelo.cmdCancel_Click(); });
}

void MensajeVista::Montar(const std::function<void()> &aceptar, const std::function<void()> &cancelar)
{
    // A message has nothing to cancel, so Escape dismisses it; a question is answered no.
    escape_ = cancelar ? cancelar : aceptar;
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(30, 30, 30, 24);
    capa->setSpacing(28);

    lblMensaje_ = new QLabel(this);
    lblMensaje_->setObjectName(QStringLiteral("lblMensaje"));
    lblMensaje_->setFont(Estilo::Fuente(18));
    lblMensaje_->setWordWrap(true);
    lblMensaje_->setAlignment(Qt::AlignCenter);
    lblMensaje_->setMinimumWidth(600);
    lblMensaje_->setMaximumWidth(860);
    capa->addWidget(lblMensaje_, 1);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(24);
    botones->addStretch();
    auto *cmdOK = Estilo::Boton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setMinimumSize(190, 72);
    connect(cmdOK, &QPushButton::clicked, this, [this, aceptar] { Atender(aceptar); });
    botones->addWidget(cmdOK);
    if (cancelar) {
        auto *cmdCancel = Estilo::Boton(QStringLiteral("Cancelar"), this);
        cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
        cmdCancel->setMinimumSize(190, 72);
        connect(cmdCancel, &QPushButton::clicked, this, [this, cancelar] { Atender(cancelar); });
        botones->addWidget(cmdCancel);
    } else {
        cmdOK->setDefault(true); // a message is dismissed with Enter too
    }
    botones->addStretch();
    capa->addLayout(botones);
}

void MensajeVista::Repintar()
{
    // The shop's texts break lines with CR LF.
    lblMensaje_->setText(QString(texto_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    adjustSize();
}

void MensajeVista::Escape()
{
    Atender(escape_);
}
