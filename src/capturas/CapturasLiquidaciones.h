#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// Worker pay and the shops' accounts on a few years of a generated shop, and the catalogue
// screens on the demo database, for the screenshots; the worker-pay listing is also printed to
// a PDF file in the folder, to be looked at as paper.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasLiquidaciones(const QString &carpeta);
