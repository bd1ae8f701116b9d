#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The sale screen with an order being taken for a partner shop, the colours screen and the
// new-colour window, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasVenta();
