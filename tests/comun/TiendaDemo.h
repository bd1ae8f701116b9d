#pragma once

#include "BaseDePrueba.h"
#include "core/BaseDatos.h"
#include "core/Programa.h"
#include "demo/Demo.h"
#include "printing/SalidaMemoria.h"

// The demo shop of 5/12/2026 with its cash day open, tickets kept in memory and the screens a
// test gives. Order 1 is delivered; 3 has its one garment back in the shop; 4 has both garments
// with a worker; 6 has a garment no worker has yet.
template <class P> struct TiendaDemo {
    BaseDePrueba b;
    P pantallas;
    SalidaMemoria impresora;
    TiendaDemo()
    {
        LlenarDemo(b.conexion, QDate(2026, 12, 5));
        G().pantallas = &pantallas;
        G().salidaTickets = &impresora;
        G().NombreCierre = QStringLiteral("20261205");
    }
    ~TiendaDemo()
    {
        G().pantallas = nullptr;
        G().salidaTickets = nullptr;
    }
};
