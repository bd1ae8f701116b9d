#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// Demo order 4 reopened on the sale screen (to change it, and to hand it over) and the
// haberdashery ticket, on the demo database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasReabrir();
