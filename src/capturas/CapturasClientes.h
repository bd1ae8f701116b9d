#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// The customer list (with a partner shop), a customer's card and the calculator, on the demo
// database, for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasClientes();
