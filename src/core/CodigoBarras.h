#pragma once

#include <QString>

// The digit a garment ticket's barcode begins with: the reference never fills the first of the
// 12 digits, and CodigoEAN13 turns that zero into 1.
inline constexpr QLatin1Char PrimeraCifraCodigoPrenda('1');

// The 13 digits printed as the garment ticket's barcode for the given reference digits.
QString CodigoEAN13(const QString &digitos);
// The garment reference ("1234.2") a scanner's "$" + 13 digits stand for, when they are a garment
// ticket of this shop (lead digit 1, right check digit); empty otherwise.
QString ReferenciaDeCodigo(const QString &leido);
