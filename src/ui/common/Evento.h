#pragma once

#include <functional>

// The event boundary: every button, touch or key of a view runs through here, so that a
// database or printer fault is shown to the user and the program goes on.
namespace Evento {
void Proteger(const std::function<void()> &accion);
}
