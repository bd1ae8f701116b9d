#pragma once

#include "Conexion.h"
#include "Configuracion.h"

#include <QDate>

// Creates every table, index and function of the shop's database and seeds the rows no
// screen maintains. The connection must be open on an empty database.
void CrearBaseDatos(Conexion &conexion);
// The catalogue entry for haberdashery sold within an order, "Productos mercería", which the
// haberdashery sale and the workshop screens find by its name. A new shop gets it (the demo shop
// brings its own).
void SembrarMerceria(Conexion &conexion);
// A column added to the shop's schema since its first version: a counter adds it when it opens an
// older database, so an older copy may be restored without it.
struct ColumnaAnadida {
    const char *tabla;
    const char *columna;
    const char *tipoSQLite;
    const char *tipoServidor;
};
inline constexpr ColumnaAnadida ColumnasAnadidas[] = {
    {"caja", "puesto", "text", "varchar(255)"},    // the counter (drawer) that booked a movement
    {"parametros", "pin", "text", "varchar(255)"}, // the owner's PIN, as a salted slow hash
};
// A table added since the first version, made as the schema scripts make it when a counter opens
// an older database; a copy without it may be restored. On the server it has no seguir_id trigger.
struct TablaAnadida {
    const char *tabla;
    const char *sqlite;
    const char *servidor;
};
inline constexpr TablaAnadida TablasAnadidas[] = {
    {"operaciones",
     "create table if not exists operaciones (idoperacion integer primary key autoincrement, fecha "
     "timestamp, "
     "nombrecierre text, puesto text, usuario text, tipo text, idarreglo integer, importe numeric(12,2), "
     "detalle text)",
     "create table if not exists operaciones (idoperacion serial primary key, fecha timestamp, nombrecierre "
     "varchar(255), puesto varchar(255), usuario varchar(255), tipo varchar(255), idarreglo integer, importe "
     "numeric(12,2), detalle text)"},
};
bool EsTablaAnadida(const QString &tabla);
// Brings a shop database made by an older version up to this one's schema (columns and indexes
// added since); run on every opening, it changes nothing the second time.
void ActualizarEsquema(Conexion &conexion);
// Opens the connection the configuration names and sets the program-wide backend values. Only
// crear (hilvan-admin init) may make a new database file.
void AbrirSegunConfiguracion(Conexion &conexion, const Configuracion &config, bool crear = false);
