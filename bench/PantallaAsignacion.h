#pragma once

#include <QString>

// "Ver todos los arreglos" on the real assignment screen, timed end to end in a fresh process:
// from the touch to the first rows painted, and to the list read to its end with the grid filled.

// The child's side: prints "asignacion <first ms> <complete ms> <CPU ms> <peak MB> <rows> <gap ms>",
// the gap being the longest the event loop went without a turn while the list filled.
int PantallaAsignacionHijo(int argc, char **argv, const QString &config);

struct ResultadoPantalla {
    double primerasMs = -1; // -1: the child failed
    double completaMs = -1;
    double cpuMs = 0;
    double picoMb = 0;
    qint64 filas = 0;
    double huecoMs = -1;
    QString error;
};

ResultadoPantalla LanzarPantallaAsignacion(const QString &config);
