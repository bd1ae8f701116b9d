#include "capturas/CapturasMenu.h"

#include "menu/FRMoPCIONES.h"
#include "ui/menu/FRMoPCIONESVista.h"

std::vector<std::pair<QString, std::unique_ptr<QWidget>>> VentanasMenu()
{
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> v;
    static FRMoPCIONES menu;
    v.emplace_back(QStringLiteral("FRMoPCIONES"), std::make_unique<FRMoPCIONESVista>(menu));
    return v;
}
