#pragma once

#include "core/Pantallas.h"
#include "core/Programa.h"

#include <QStringList>

// A test's screens, the program's from construction to destruction: what a test does not play opens nothing.
struct PantallasPrueba : Pantallas {
    PantallasPrueba() { G().pantallas = this; }
    ~PantallasPrueba() override
    {
        if (G().pantallas == this)
            G().pantallas = nullptr;
    }
    PantallasPrueba(const PantallasPrueba &) = delete;
    PantallasPrueba &operator=(const PantallasPrueba &) = delete;
};

// Writes down each garment whose detail is asked for, without opening it.
struct PantallasTaller : PantallasPrueba {
    void DetalleReferencia(const QString &referencia) override { detalles.append(referencia); }
    QStringList detalles;
};
