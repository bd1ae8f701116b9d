#pragma once

#include "Conexion.h"
#include "Configuracion.h"

#include <QDate>

// Creates every table, index and function of the shop's database and seeds the rows no
// screen maintains. The connection must be open on an empty database.
void CrearBaseDatos(Conexion &conexion);
// Fills a small, believable shop around the given day: catalogue, customers (one of them a
// partner shop), workers, colours, staff and a few orders in every state.
void LlenarDemo(Conexion &conexion, const QDate &hoy);
// Opens the connection the configuration names and sets the program-wide backend values.
void AbrirSegunConfiguracion(Conexion &conexion, const Configuracion &config);
