#include "ui/printing/VentanaTicket.h"

#include "ui/common/Estilo.h"
#include "ui/printing/VistaPreviaTicket.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QVBoxLayout>

VentanaTicket::VentanaTicket(const QByteArray &ticket, int columnas, QWidget *padre)
    : Vista(SinModelo, QStringLiteral("Ticket"), padre)
{
    vista_ = new VistaPreviaTicket;
    vista_->MostrarTicket(ticket, columnas);

    auto *rollo = new QScrollArea;
    rollo->setWidget(vista_);
    rollo->setAlignment(Qt::AlignHCenter);
    rollo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollo->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: 32px; }"));
    rollo->setFrameShape(QFrame::NoFrame);
    rollo->setPalette(vista_->palette());
    QScroller::grabGesture(rollo->viewport(), QScroller::LeftMouseButtonGesture); // dragged by a finger

    auto *cerrar = Estilo::Boton(QStringLiteral("Cerrar"));
    connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cerrar);

    auto *capas = new QVBoxLayout(this);
    capas->addWidget(rollo, 1);
    capas->addLayout(botones);

    // The whole ticket when it fits on a 1024 x 768 screen, else the scroll bar.
    const int ancho = vista_->width() + 32 + 2 * capas->contentsMargins().left();
    const int alto = qMin(vista_->height() + Estilo::AltoBoton + 40, 720);
    resize(ancho, alto);
}
