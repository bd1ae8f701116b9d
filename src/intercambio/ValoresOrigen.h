#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The values of another program's export as this shop's database keeps them. Each reader gives
// no value and the Spanish reason when the text cannot be taken.

// Whole numbers ("12", "-3"); a flag may also come as a word ("True", "Falso", "Sí").
std::optional<qint64> EnteroOrigen(const QString &texto, QString &motivo);
// Amounts with a decimal point or comma, grouping allowed ("1.234,50", "1,234.50", "12,5",
// "12.5000"), in cents, halves away from zero.
std::optional<qint64> CentimosOrigen(const QString &texto, QString &motivo);
// Cents as an amount with a decimal point and two decimals ("-12.05"), exactly.
QString TextoCentimos(qint64 centimos);
// Text without control characters, spaces trimmed; a line break or tab between words is one space.
QString TextoOrigen(const QString &texto);

// Dates come as ISO text, as "MM/DD/YY HH:MM:SS" (the Access tools) or "DD/MM/YYYY" (Spanish
// exports). Which number is the day is decided for a whole table from what its dates show: a
// first number above 12 is a day, a second one above 12 a month; with no such date, a two-digit
// year means the month comes first and a four-digit one the day. Two-digit years go to the
// nearest century, as everywhere in the program.
class LectorFechas
{
public:
    // True for a valid "yyyy-mm-dd hh:mm:ss", already the database's own spelling: most dates
    // of a large import are read without going through a date-time.
    static bool IsoCompleta(const QString &texto);
    void Observar(const QString &texto);
    // Empty when the table's dates can be read one way; otherwise why not.
    QString Decidir();
    std::optional<QDateTime> Leer(const QString &texto, QString &motivo) const;

private:
    bool diaDelante_ = false;
    bool mesDelante_ = false;
};
