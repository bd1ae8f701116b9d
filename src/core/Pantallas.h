#pragma once

#include <QSize>

// Opens other screens and tells what the logic needs to know of the display.
// Each screen that opens another gets its own method here as it is built.
class Pantallas
{
public:
    virtual ~Pantallas() = default;
    virtual QSize TamanoPantalla() const = 0;
};
