#pragma once

#include "core/Grid.h"

#include <QString>

// Sends a screen's grid to the page printer as a paged listing with its title.
void ImprimirGrid(const Grid &grid, const QString &titulo, bool apaisado);
