#pragma once

#include <QDialog>
#include <functional>

class DialogoModal;
class QPushButton;

// A shared dialog's window: shown modally when its form model asks, closed when a handler of
// the form model closes it. Escape works as the dialog's cancel.
class VistaDialogo : public QDialog
{
    Q_OBJECT
public:
    VistaDialogo(DialogoModal &modelo, QWidget *padre);
    ~VistaDialogo() override;
    virtual void Repintar() = 0;

protected:
    // Runs a handler of the form model, then repaints or closes as the form model says.
    void Atender(const std::function<void()> &manejador);
    // A big button, named like the form model's control, that runs one of its handlers.
    QPushButton *Boton(const QString &texto, const QString &nombre, const std::function<void()> &manejador);
    virtual void Escape() { reject(); }
    void keyPressEvent(QKeyEvent *e) override;

private:
    DialogoModal &modelo_;
};
