#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The options menu, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasMenu();
