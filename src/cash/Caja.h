#pragma once

#include <QString>

// Books one movement of money under a cash day. A zero amount is never booked.
void MeterMovimientoCaja(double importe, const QString &concepto, const QString &nombrecierre, int formapago,
                         qint64 idarreglo, qint64 idticket);
