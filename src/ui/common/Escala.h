#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

// How large the program is drawn. The layouts are made for 1024 x 768; on a larger screen the whole
// program is drawn larger by one factor (Qt's own scale factor, so fonts, buttons, keypads, grid rows,
// borders and pictures all grow together and stay sharp), and what is left over beyond the 4:3 area
// goes to the windows' grids. PrepararPantalla runs before the QApplication is made.
namespace Escala {
// The factor for a screen of `pantalla` pixels and, when it says, `mm` millimetres: the 1024 x 768
// layout as large as fits, and larger still, while the sale screen's smallest layout (1024 x 740)
// fits, until a touch target is 9 mm.
double Factor(QSize pantalla, QSizeF mm = {});
// "1920x1080" read; an invalid size for anything else.
QSize LeerTamano(const QString &texto);

// Chooses the factor for the screen the sale screen opens on. `ventana` keeps a 1024 x 768 window
// at the desktop's own size (a back-office PC); `captura`, when valid, is the size of the screen
// the screenshots are drawn on, with no display (QT_SCALE_FACTOR set beforehand still counts, as a
// desktop's HiDPI setting would). Call before the QApplication; it may briefly connect to the display.
void PrepararPantalla(int &argc, char **argv, bool ventana, QSize captura = {});
// After PrepararPantalla: whether the program fills the screen, and the factor chosen.
bool PantallaCompleta();
double FactorElegido();
// The room of the screen the sale screen is on, in the program's pixels (1024 x 768 and more).
QSize Lienzo();
// Once the QApplication exists: each window, the first time it shows, takes its share of what the
// screen has beyond 1024 x 768 (a 1000 x 720 listing on a 16:9 screen widens by a third) and never
// more than the screen; dialogs then centre on the window that opened them.
void Instalar();
} // namespace Escala
