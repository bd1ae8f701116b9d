#pragma once

#include <functional>

// What the shared dialogs have in common: each is shown modally by whoever drives it (its Qt
// view, or a test playing the user) and is closed by its own buttons.
class DialogoModal
{
public:
    virtual ~DialogoModal() = default;

    // Shows the window and returns when it has closed.
    std::function<void()> MostrarModal;
    // Set by the handler that closes the window.
    bool Cerrado = false;

protected:
    void Mostrar()
    {
        Cerrado = false;
        if (MostrarModal)
            MostrarModal();
    }
    void Descargar() { Cerrado = true; }
};
