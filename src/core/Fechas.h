#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// The program writes dates as "dd/mm/yy", "d/m/yyyy" or "dd/mm/yyyy hh:mm:ss"; the database
// keeps real date-times. These helpers are the only bridge between the two.

// Reads a date text of the program (or an ISO text); invalid when it is not a date.
QDateTime FechaDeTexto(const QString &texto);
// A date-time as the program writes it in text: "dd/mm/yyyy", with " hh:mm:ss" when it has a time.
QString TextoDeFecha(const QDateTime &fecha);
// A field value (date-time, date text or Null) in the given Qt format; empty for Null or non-dates.
QString FormatoFecha(const QVariant &valor, const QString &formato);
