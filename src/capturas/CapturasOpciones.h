#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The options menu, the workers' screens, the garments of an order (ready to hand over and
// delivered, from both doors), a customer's orders and the sale screen handing an order over,
// on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasOpciones();
