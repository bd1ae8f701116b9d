#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// Bringing the old program's data, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasIntercambio();
