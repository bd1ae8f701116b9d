#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The assignment screen, both scanning screens with scanned garments (one of each in green) and
// a garment's detail, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasTaller();
