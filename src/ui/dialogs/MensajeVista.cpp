#include "ui/dialogs/MensajeVista.h"

#include "dialogs/Mensaje.h"
#include "dialogs/frmMensajeSiNo.h"
#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

MensajeVista::MensajeVista(Mensaje &modelo, QWidget *padre)
    : VistaDialogo(modelo, QStringLiteral("Mensaje"), padre), texto_(modelo.lblMensaje)
{
    Montar([&modelo] { modelo.cmdAceptar_Click(); }, nullptr);
}

MensajeVista::MensajeVista(frmMensajeSiNo &modelo, QWidget *padre)
    : VistaDialogo(modelo, QStringLiteral("Pregunta"), padre), texto_(modelo.lblMensaje)
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

    lblMensaje_ = new ::Etiqueta(this);
    lblMensaje_->setObjectName(QStringLiteral("lblMensaje"));
    lblMensaje_->setFont(Estilo::Fuente(19));
    lblMensaje_->setWordWrap(true);
    lblMensaje_->setAlignment(Qt::AlignCenter);
    capa->addWidget(lblMensaje_, 1);

    auto *botones = new QHBoxLayout;
    botones->setSpacing(24);
    botones->addStretch();
    auto *cmdOK = Boton(QStringLiteral("Aceptar"), QStringLiteral("cmdOK"), aceptar);
    botones->addWidget(cmdOK);
    if (cancelar)
        botones->addWidget(Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancel"), cancelar));
    else
        cmdOK->setDefault(true); // a message is dismissed with Enter too
    botones->addStretch();
    capa->addLayout(botones);
}

void MensajeVista::Repintar()
{
    // The shop's texts break lines with CR LF.
    const QString texto = QString(texto_).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblMensaje_->setText(texto);
    // As wide as the longest line, so the caller's own line breaks are the ones shown; only
    // a line longer than the screen allows is wrapped.
    const QFontMetrics medida(lblMensaje_->font());
    int ancho = 0;
    for (const QString &linea : texto.split(u'\n'))
        ancho = std::max(ancho, medida.horizontalAdvance(linea));
    lblMensaje_->setFixedWidth(std::clamp(ancho + 16, 440, 880));
    adjustSize();
}

void MensajeVista::Escape()
{
    escape_();
}
