#pragma once

#include <QChar>

// The receipt printer's character table (PC437, the ESC/POS default): Ñ is byte 165 there.

// The byte that prints the character; '?' for a character the printer does not have.
char ByteImpresora(QChar c);
// The character the printer prints for a byte.
QChar CaracterImpresora(unsigned char byte);
