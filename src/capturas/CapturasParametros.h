#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The parameters screen with the demo shop's values, for the screenshot command.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasParametros();
