#pragma once

#include "ui/common/VistaDialogo.h"

class QLabel;
class QPushButton;
class frmPadNumerico;

// The touch keypad: a prompt, the figure being typed, and keys a finger can hit.
class frmPadNumericoVista : public VistaDialogo
{
    Q_OBJECT
public:
    explicit frmPadNumericoVista(frmPadNumerico &modelo, QWidget *padre = nullptr);
    void Repintar() override;

protected:
    void Escape() override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QPushButton *Tecla(const QString &texto, const QString &nombre, const std::function<void()> &manejador);
    QPushButton *Tecla(const char *texto, const char *nombre, void (frmPadNumerico::*manejador)());

    frmPadNumerico &modelo_;
    QLabel *lblTitulo_;
    QLabel *txtCifra_;
    QPushButton *cmdExacto_;
};
