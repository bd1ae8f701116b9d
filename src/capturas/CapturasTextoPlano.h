#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// A customer, a colour and a garment type whose names look like markup, on every screen that
// shows them, and both keypads after fifty digits: for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasTextoPlano();
