#pragma once

#include <QStringList>

// hilvan-admin's commands on an existing shop: copia, restaurar, pin, prueba-impresora and
// leer-ticket. Returns the exit code, or -1 when the first argument is none of them.
int OrdenTienda(const QStringList &argumentos);
// Their lines of the usage text.
extern const char *const UsoOrdenesTienda;
