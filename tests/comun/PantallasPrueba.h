#pragma once

#include "core/Pantallas.h"

#include <QStringList>

// A test's screens on a 1024 x 768 display: what a test does not play opens nothing.
struct PantallasPrueba : Pantallas {
    QSize TamanoPantalla() const override { return {1024, 768}; }
};

// Writes down each garment whose detail is asked for, without opening it.
struct PantallasTaller : PantallasPrueba {
    void DetalleReferencia(const QString &referencia) override { detalles.append(referencia); }
    QStringList detalles;
};
