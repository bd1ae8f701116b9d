#pragma once

#include <QString>

// Books one movement of money under the cash day of its booking date and this counter's drawer
// (G().Puesto). A zero amount is never booked.
void MeterMovimientoCaja(double importe, const QString &concepto, int formapago, qint64 idarreglo,
                         qint64 idticket);

// The date of a booking as a cash day's name, "yyyymmdd".
QString NombreCierreDeFecha(const QString &fecha);
// The cash day a booking made at `fecha` belongs to, as an SQL expression worked out by the
// database in the booking's own statement: the booking date's day (a counter left running overnight
// books into the new day) unless "Cierre de caja" has closed that day already on any counter, in
// which case the day after the last one closed. Every counter then books into the day the close
// left open, never into a closed one.
QString CajaDeFechaSQL(const QString &fecha, bool servidor);
// The cash day a booking made now belongs to.
QString NombreCierreDeHoy();

// Opens the day's cash at start-up. The first counter of the day asks whether to start a new
// cash day (which closes the earlier days); every counter then books its own drawer's float
// once a day. Sets G().NombreCierre.
void AbrirCajaDelDia();

// Deletes an order with its lines and the money booked for it, even from a closed cash day, and
// writes what it was in the journal. An order handed over is kept, and false returned, unless
// tambienEntregado.
bool BorrarArreglo(qint64 idarreglo, bool tambienEntregado = true);

// The options menu's "Sacar dinero de caja": asks the amount on the keypad and books it out of
// the till under the current cash day. An answer that is not a number does nothing.
void cmdSacarDinero_Click();
