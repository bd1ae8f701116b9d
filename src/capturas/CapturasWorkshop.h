#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The assignment screen (all lines and as it opens), the garments out with the workers, the late
// orders, the garments of an order (ready and delivered, from both doors), a customer's orders,
// both barcode screens and a garment's detail, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasWorkshop();
