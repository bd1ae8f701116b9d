#pragma once

#include <QStringList>

// hilvan-admin importar and exportar: bringing a shop's data in from the old program, and taking
// it all out again. Returns the exit code, or -1 when the first argument is neither.
int OrdenIntercambio(const QStringList &argumentos);
extern const char *const UsoOrdenesIntercambio;
