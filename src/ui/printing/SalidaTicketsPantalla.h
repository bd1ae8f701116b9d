#pragma once

#include "core/SalidaTickets.h"

#include <memory>

class QWidget;

// Where the program's tickets go, chosen from the shop parameters once they are read:
// the printer the parameters name, or for port 0 the on-screen ticket window over padre.
std::unique_ptr<SalidaTickets> CrearSalidaTickets(QWidget *padre);
