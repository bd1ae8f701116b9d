#pragma once

#include <QString>

// Renders every window of the program with demo data into PNG files in the folder.
// Returns 0 when all were written.
int HacerCapturas(const QString &carpeta);
