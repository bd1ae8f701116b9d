#pragma once

#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

// One look for every window: large type and buttons a finger can hit all day.
namespace Estilo {
inline constexpr int AltoBoton = 64; // px, the smallest touch target
inline constexpr int AnchoBoton = 150;
inline constexpr int PuntosTexto = 14;
inline constexpr int PuntosBoton = 15;
inline constexpr int TwipsPorPixel = 15;  // grid widths and heights are given in twips
inline constexpr int AltoFilaTactil = 52; // px, a grid row a finger can pick out

QFont Fuente(int puntos = PuntosTexto, bool negrita = false);
// Applies the program's palette and fonts to the application.
void Aplicar();
// The caption is shown as it is ("&" marks no shortcut). Labels: Etiqueta, in TextoPlano.h.
QPushButton *Boton(const QString &texto, QWidget *padre = nullptr);
} // namespace Estilo
