#include "ui/counter/frmInicioVista.h"

#include "counter/frmInicio.h"
#include "ui/common/Estilo.h"
#include "ui/printing/TextoPlano.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmInicioVista::frmInicioVista(frmInicio &modelo, QWidget *padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint), modelo_(modelo)
{
    setFixedSize(520, 300);
    setWindowTitle(QString::fromUtf8("Hilván: arrancando"));
    if (const QScreen *pantalla = QGuiApplication::primaryScreen())
        move(pantalla->geometry().center() - rect().center());
    setStyleSheet(QStringLiteral("frmInicioVista { background: #fbf8f2; border: 3px solid #8a7b66; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(30, 30, 30, 24);
    auto *titulo = new Etiqueta(QString::fromUtf8("Hilván"), this);
    titulo->setFont(Estilo::Fuente(40, true));
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setStyleSheet(QStringLiteral("color: #6b3e2e;"));
    auto *sub = new Etiqueta(QStringLiteral("Arreglos de ropa"), this);
    sub->setFont(Estilo::Fuente(18));
    sub->setAlignment(Qt::AlignCenter);
    lblEstado_ = new Etiqueta(this);
    lblEstado_->setFont(Estilo::Fuente(13));
    lblEstado_->setAlignment(Qt::AlignCenter);
    capa->addStretch();
    capa->addWidget(titulo);
    capa->addWidget(sub);
    capa->addStretch();
    capa->addWidget(lblEstado_);
    Repintar();
    // An X session without a window manager (a kiosk till) leaves a dialog shown over the
    // splash undrawn: the splash steps aside while a start-up question is asked.
    qApp->installEventFilter(this);
}

bool frmInicioVista::eventFilter(QObject *objeto, QEvent *e)
{
    if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && qobject_cast<QDialog *>(objeto)) {
        if (e->type() == QEvent::Show && isVisible()) {
            apartada_ = true;
            hide();
        } else if (e->type() == QEvent::Hide && apartada_ && !QApplication::activeModalWidget()) {
            apartada_ = false;
            show();
        }
    }
    return QWidget::eventFilter(objeto, e);
}

void frmInicioVista::closeEvent(QCloseEvent *e)
{
    // Start-up is over: the rest of the run's events need not pass by the splash.
    qApp->removeEventFilter(this);
    QWidget::closeEvent(e);
}

void frmInicioVista::Repintar()
{
    lblEstado_->setText(modelo_.lblEstado);
    lblEstado_->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
