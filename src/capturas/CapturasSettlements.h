#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

// Worker pay and the partner shops' accounts on three years of a generated shop (and the pay
// listing printed to a PDF in the folder), for the screenshots.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasSettlements(const QString &carpeta);
