#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// Numbers are written and read with "." for decimals and "," for grouping on every machine,
// whatever its locale: the shop's amounts look the same on screen, on tickets and in SQL.
// Nothing here asks or tells the user: a refusal comes back as its Spanish message (see Tecleado.h
// for what staff just typed).

QString ReemplazarCaracter(const QString &texto, QChar caracter, const QString &reemplazo);

QString FormatoImporte(double valor);
QString FormatoImporte(const QString &valor); // empty stays empty
QString FormatoImporte(const QVariant &valor);
// "0.00": two decimals, no grouping, halves away from zero (grid cells and sums).
QString FormatoDosDecimales(double valor);

// A field's value as text: Null gives "" (NuloABlanco) or "0" (NuloACero).
QString NuloABlanco(const QVariant &valor);
QString NuloACero(const QVariant &valor);
// A value as plain text: numbers with "." and no grouping, date-times as the program writes them.
QString TextoDeValor(const QVariant &valor);

void QuitarAcentos(QString &texto);

// A number as SQL wants it: "." decimals, no grouping, no exponent ("12.5", "-3", "0").
QString TextoNumero(double valor);
// The leading number of a text, ignoring grouping commas: "1,234.50" -> 1234.5, "12abc" -> 12,
// "" or "abc" -> 0.
double Val(const QString &texto);
// A field's value as a number without going through text: Null is 0, text is read like Val.
double NumeroDeValor(const QVariant &valor);
// True when the whole text (spaces aside) is one number: "12.5", "-3", "1,234.50".
bool EsNumero(const QString &texto);
// Rounds to cents, halves away from zero.
double RedondearImporte(double valor);

// The largest amount the shop takes in one figure: anything above is a slip of the finger.
inline constexpr double ImporteMaximo = 99999.99;
// Every amount staff type (keypads, prices, withdrawals, opening cash) is read here, whole, before
// any sum is made with it: digits with an optional point and at most two decimals ("12", "12.5",
// ".50", "1,234.50"), from 0 to ImporteMaximo. Anything else gives no value and, in motivo, the
// Spanish message for the caller to show; nothing is rounded, cut or read in part.
std::optional<double> LeerImporte(const QString &texto, QString *motivo = nullptr);

// The longest text a field keeps: the server's text columns hold 255 characters.
inline constexpr int LargoMaximoTexto = 255;
// Every text staff type or scan is checked here before it is saved or searched for. A field keeps
// any printable character, emoji and right-to-left marks included, but no control character
// (line breaks and tabs too: every field is one line of a ticket or a grid cell), no byte-order
// mark or non-character, no half of a 4-byte character, and at most LargoMaximoTexto characters.
// Empty when the text can be used; otherwise the Spanish message that names the field.
QString MotivoTextoNoAdmitido(const QString &texto, const QString &campo);

// An order number typed on a keypad: digits only (spaces aside), at most nine of them; anything
// else ("1.5", letters, a figure no order reaches) is no number at all, never a part of one.
std::optional<qint64> LeerNumeroArreglo(const QString &texto);
