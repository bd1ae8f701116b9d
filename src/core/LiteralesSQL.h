#pragma once

#include <QDateTime>
#include <QString>

// The literals the form models write into their SQL text. Every text value goes through here, so
// that what staff type is always data and never SQL.

// A quoted text: 'D''Oro'.
QString ComillasSQL(const QString &texto);
// A LIKE condition's right-hand side that finds the text anywhere, taken literally: "%" and "_"
// typed by staff are searched for, not wildcards ("'%50!%%' escape '!'").
QString PatronContiene(const QString &texto);
// The SQL literal of a program date text: Null for empty text, else a quoted ISO date-time.
QString LiteralFechaSQL(const QString &texto);
QString LiteralFechaSQL(const QDateTime &fecha);
// Null for empty text; otherwise a date literal the backend understands.
QString FechaSQL(const QString &valor, int esSqlServer);
