#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The ticket windows of a demo order, printed on the program's database, for the screenshots:
// the customer ticket and a garment ticket, each with the name of its picture.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasPrinting();
