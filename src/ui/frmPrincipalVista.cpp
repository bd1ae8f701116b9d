#include "frmPrincipalVista.h"

#include "Estilo.h"
#include "Evento.h"
#include "counter/frmPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

frmPrincipalVista::frmPrincipalVista(frmPrincipal &modelo, QWidget *padre) : QWidget(padre), modelo_(modelo)
{
    setWindowTitle(modelo_.Caption);
    setMinimumSize(1024, 768);
    resize(1024, 768);
    auto *capa = new QVBoxLayout(this);
    capa->addStretch();
    lblVersion_ = new QLabel(this);
    lblVersion_->setFont(Estilo::Fuente(10));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    capa->addWidget(lblVersion_);
    Repintar();
}

void frmPrincipalVista::Repintar()
{
    setWindowTitle(modelo_.Caption);
    lblVersion_->setText(modelo_.lblVersion);
}

void frmPrincipalVista::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmPrincipalVista::closeEvent(QCloseEvent *e)
{
    if (saliendo_) {
        e->accept();
        return;
    }
    bool salir = false;
    Evento::Proteger([&] { salir = modelo_.salirformulario(); });
    if (salir) {
        saliendo_ = true;
        e->accept();
        QApplication::quit();
    } else {
        e->ignore();
    }
}
