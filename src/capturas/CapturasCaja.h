#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The sales sheet, the list of cash days, the garments out with the workers and the late
// orders, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasCaja();
