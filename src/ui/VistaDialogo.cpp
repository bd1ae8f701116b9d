#include "VistaDialogo.h"

#include "Evento.h"
#include "dialogs/DialogoModal.h"

#include <QKeyEvent>

VistaDialogo::VistaDialogo(DialogoModal &modelo, QWidget *padre) : QDialog(padre), modelo_(modelo)
{
    setModal(true);
    setWindowTitle(QString::fromUtf8("Hilván"));
    modelo_.MostrarModal = [this] {
        Repintar();
        exec();
    };
}

VistaDialogo::~VistaDialogo()
{
    modelo_.MostrarModal = nullptr;
}

void VistaDialogo::Atender(const std::function<void()> &manejador)
{
    Evento::Proteger(manejador);
    if (modelo_.Cerrado)
        accept();
    else
        Repintar();
}

void VistaDialogo::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        Escape();
        return;
    }
    QDialog::keyPressEvent(e);
}
