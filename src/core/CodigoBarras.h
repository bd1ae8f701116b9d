#pragma once

#include <QString>

// The 13 digits printed as the garment ticket's barcode for the given reference digits.
QString CodigoEAN13(const QString &digitos);
// The garment reference ("1234.2") a scanner's "$"-prefixed text stands for; empty otherwise.
QString ReferenciaDeCodigo(const QString &leido);
