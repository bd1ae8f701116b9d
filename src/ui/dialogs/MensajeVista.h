#pragma once

#include "ui/common/VistaDialogo.h"

#include <functional>

class QLabel;
class Mensaje;
class frmMensajeSiNo;

// The message and the yes/no question: the text large and wrapped, big buttons below.
class MensajeVista : public VistaDialogo
{
    Q_OBJECT
public:
    explicit MensajeVista(Mensaje &modelo, QWidget *padre = nullptr);
    explicit MensajeVista(frmMensajeSiNo &modelo, QWidget *padre = nullptr);
    void Repintar() override;

protected:
    void Escape() override;

private:
    void Montar(const std::function<void()> &aceptar, const std::function<void()> &cancelar);

    const QString &texto_;
    QLabel *lblMensaje_ = nullptr;
    std::function<void()> escape_;
};
