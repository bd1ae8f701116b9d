#pragma once

#include "ui/common/VistaDialogo.h"

#include <vector>

class QLabel;
class QPushButton;
class frmPadNumerico;

// The touch keypad: a prompt, the figure being typed, and keys a finger can hit.
class frmPadNumericoVista : public VistaDialogo
{
    Q_OBJECT
public:
    static constexpr int MaximoSugerencias = 5;
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
    std::vector<QPushButton *> billetes_;
    std::vector<QPushButton *> sugerencias_;
};
