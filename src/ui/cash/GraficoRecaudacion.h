#pragma once

#include <QString>
#include <vector>

struct Recaudacion;
class QWidget;

// A bar chart of takings, one bar per period, for the owner to see the trend at a glance.
QWidget *GraficoRecaudacion(const QString &titulo, const std::vector<Recaudacion> &barras, QWidget *padre);
