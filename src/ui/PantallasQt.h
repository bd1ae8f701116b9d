#pragma once

#include "core/Pantallas.h"

class PantallasQt : public Pantallas
{
public:
    QSize TamanoPantalla() const override;
};
