#pragma once

class QWidget;

// What a screen reader hears of the figures and data the windows show. Every label names its
// caption (its accessible name, or its own text when it has none) and gives what it shows
// through the standard text interface (AT-SPI Text), so "Importe total" is read with its amount.
// Every grid is read over its visible columns only, each named by its header (TablaAccesible).
namespace Accesible {
// Installs those interfaces for every label and grid of the program; call once after the QApplication.
void Instalar();
// Tells assistive technology which labels of `ventana` now show another value (the total after
// a line is added), so a screen reader can announce it.
void AvisarCambios(QWidget *ventana);
} // namespace Accesible
