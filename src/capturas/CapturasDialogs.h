#pragma once

#include <QString>

// Renders the six shared dialogs, filled as the counter fills them, into PNG files in the
// folder. Needs the demo shop open as the program's connection. True when all were written.
bool CapturarDialogs(const QString &carpeta);
