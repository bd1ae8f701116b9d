#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The customer list and card, the colours, the shop's parameters (with a network printer too),
// the catalogue and the workers, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasMasterdata();
