#pragma once

#include "ui/common/Vista.h"

#include <functional>
#include <vector>

class FRMoPCIONES;
class QPushButton;

// The back-office menu, full screen: three columns of large buttons under their headings and
// "Menu principal" at the bottom right. Escape returns to the sale screen.
class FRMoPCIONESVista : public Vista
{
    Q_OBJECT
public:
    explicit FRMoPCIONESVista(FRMoPCIONES &modelo, QWidget *padre = nullptr);
    void Repintar() override;
    // The button with this caption, for tests.
    QPushButton *Boton(const QString &caption) const;

protected:
    void Escape() override;

private:
    FRMoPCIONES &modelo_;
    std::vector<QPushButton *> botones_;
};
