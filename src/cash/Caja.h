#pragma once

#include <QString>

// Books one movement of money under a cash day. A zero amount is never booked.
void MeterMovimientoCaja(double importe, const QString &concepto, const QString &nombrecierre, int formapago,
                         qint64 idarreglo, qint64 idticket);

// Deletes an order with its lines and the money booked for it, even from a closed cash day.
void BorrarArreglo(qint64 idarreglo);

// The options menu's "Sacar dinero de caja": asks the amount on the keypad and books it out of
// the till under the current cash day. An answer that is not a number does nothing.
void cmdSacarDinero_Click();
