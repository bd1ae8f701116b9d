#include "ui/common/VistaDialogo.h"

#include "dialogs/DialogoModal.h"

#include <QPushButton>

VistaDialogo::VistaDialogo(DialogoModal &modelo, const QString &titulo, QWidget *padre)
    : Vista([&modelo] { return !modelo.Cerrado; }, titulo, padre), modelo_(modelo)
{
    modelo_.MostrarModal = [this] {
        Repintar();
        exec();
    };
}

VistaDialogo::~VistaDialogo()
{
    modelo_.MostrarModal = nullptr;
}

QPushButton *VistaDialogo::Boton(const QString &texto, const QString &nombre,
                                 const std::function<void()> &manejador)
{
    auto *b = Vista::Boton(texto, nombre, manejador);
    b->setMinimumSize(190, 72);
    return b;
}
