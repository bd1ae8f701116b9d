#pragma once

#include "core/Conexion.h"

#include <QDate>

// A long, repeatable shop history for measuring the program on years of work: catalogue,
// customers (a few dozen partner shops among them), workers who come and go, and the orders of
// every working day with their garments, workshop states and cash journal, as the program's own
// screens would have left them. The same seed and the same `hoy` give the same database.
struct OpcionesHistoria {
    int arreglos = 150000;
    quint32 semilla = 1;
    // The history ends on the last working day before this date, so that the shop looks as it
    // does before the first start-up of the day.
    QDate hoy;
};

struct ResumenHistoria {
    qint64 arreglos = 0;
    qint64 lineas = 0;
    qint64 clientes = 0;
    qint64 tiendas = 0;
    qint64 movimientos = 0;
    int dias = 0; // cash days, one per working day
    QDate primerDia, ultimoDia;
};

// Fills a database just created by CrearBaseDatos (it refuses one that holds orders or
// customers). Everything runs in one transaction.
ResumenHistoria GenerarHistoria(Conexion &conexion, const OpcionesHistoria &opciones);
