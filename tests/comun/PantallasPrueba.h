#pragma once

#include "core/Pantallas.h"
#include "core/Programa.h"

#include <QStringList>

// A test's screens on a 1024 x 768 display (unless the test sets another size), the program's from
// construction to destruction: what a test does not play opens nothing.
struct PantallasPrueba : Pantallas {
    PantallasPrueba() { G().pantallas = this; }
    ~PantallasPrueba() override
    {
        if (G().pantallas == this)
            G().pantallas = nullptr;
    }
    PantallasPrueba(const PantallasPrueba &) = delete;
    PantallasPrueba &operator=(const PantallasPrueba &) = delete;
    QSize TamanoPantalla() const override { return tamano; }
    QSize tamano{1024, 768};
};

// Writes down each garment whose detail is asked for, without opening it.
struct PantallasTaller : PantallasPrueba {
    void DetalleReferencia(const QString &referencia) override { detalles.append(referencia); }
    QStringList detalles;
};
