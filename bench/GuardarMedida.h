#pragma once

#include "Medida.h"

#include <QString>
#include <functional>
#include <vector>

// One saving operation from a screen, timed as staff run it through its form model.
struct GuardadoMedido {
    QString nombre;
    Medida::Muestra medida;
    QString nota; // what went wrong when the operation did not do its work
};

// The operations that save from a screen other than a new order's "Fin arreglo": handing an order
// over (opened from its scanned ticket, finished with the rest of the money), a payment on account
// (opened from the menu), an annulment, a garment scanned back from its worker, money taken out of
// the till and the cash close. Each run works on an order of its own that `crear` saves (and gives
// the number of); `restaurar` puts the database back as it was after each close.
std::vector<GuardadoMedido> MedirGuardados(int veces, const std::function<qint64()> &crear,
                                           const std::function<void()> &restaurar);
