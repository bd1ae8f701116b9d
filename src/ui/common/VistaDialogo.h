#pragma once

#include "ui/common/Vista.h"

class DialogoModal;

// What a shared dialog adds to Vista: it is shown modally whenever its form model asks, and
// closes when a handler of the form model closes it. Escape works as the dialog's cancel.
class VistaDialogo : public Vista
{
    Q_OBJECT
public:
    VistaDialogo(DialogoModal &modelo, const QString &titulo, QWidget *padre);
    ~VistaDialogo() override;

protected:
    // A big button, named like the form model's control, that runs one of its handlers.
    QPushButton *Boton(const QString &texto, const QString &nombre, const std::function<void()> &manejador);
    void Escape() override { reject(); }

private:
    DialogoModal &modelo_;
};
