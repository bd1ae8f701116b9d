#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The sale screen taking an order (at 1024 x 768 and larger), an order reopened and handed over,
// the haberdashery ticket, the calculator and an order handed over from the garment list, on the
// demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasCounter();
