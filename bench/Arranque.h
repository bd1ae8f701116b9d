#pragma once

#include <QString>

// Start-up of the counter program, timed in a fresh process from the instant it is launched to
// the sale screen shown, without the splash's two-second pause.

// The child's side: argv holds the configuration, the launch instant (Medida::AhoraNs) and
// "si" or "no", the answer to "¿Comenzar una nueva caja?". Prints one line:
// "arranque <ms> <CPU ms> <peak MB> <questions asked>".
int ArranqueHijo(int argc, char **argv, const QString &config, qint64 lanzadoNs, bool nuevaCaja);

struct ResultadoArranque {
    double ms = -1; // -1: the child failed
    double cpuMs = 0;
    double picoMb = 0;
    int preguntas = 0;
    QString error;
};

// The parent's side: launches this same program as the child and reads its line.
ResultadoArranque LanzarArranque(const QString &config, bool nuevaCaja);
