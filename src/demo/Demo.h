#pragma once

#include <QDate>

class Conexion;

// Fills a small, believable shop around the given day: catalogue, customers (one of them a
// partner shop), workers, colours, staff and a few orders in every state. The connection holds a
// database just made by CrearBaseDatos. For trying the program out (hilvan-admin demo), the
// screenshots and the tests.
void LlenarDemo(Conexion &conexion, const QDate &hoy);
