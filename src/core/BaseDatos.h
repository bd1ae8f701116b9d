#pragma once

#include "Conexion.h"
#include "Configuracion.h"

#include <QDate>
#include <QStringList>

#include <functional>
#include <vector>

// Creates every table, index and function of the shop's database, seeds the rows no screen
// maintains and runs every schema step: a new shop is at this program's version. The connection
// must be open on an empty database. hasta stops after that step (0: the scripts alone), for the
// schema of an older copy.
void CrearBaseDatos(Conexion &conexion, int hasta = -1);
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
    // The owner's way back to a forgotten PIN (hashed like it), and the wrong PINs in a row with
    // the lock they brought: kept in the shop's row, so no counter or restart starts them afresh.
    {"parametros", "pinrecuperacion", "text", "varchar(255)"},
    {"parametros", "pinfallos", "integer", "integer"},
    {"parametros", "pinbloqueo", "timestamp", "timestamp"},
    {"parametros", "carpetacopias2", "text", "varchar(255)"}, // the daily copies' second folder
    // When the last garment of an order came back ready (Null while one is still out), when the
    // customer was last called to collect it and by whom, and after how many days a ready order
    // is called about (Null: 15).
    {"arreglos", "fechalisto", "timestamp", "timestamp"},
    {"arreglos", "fechallamada", "timestamp", "timestamp"},
    {"arreglos", "llamadopor", "text", "varchar(255)"},
    {"parametros", "diasaviso", "integer", "integer"},
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
// Adds the column when the table lacks it.
void AnadirColumna(Conexion &conexion, const ColumnaAnadida &columna, bool servidor);
// The unique index of one customer per telephone. A shop that already holds two customers with one
// telephone keeps working without the rule until they are merged (the support log says so); the
// index is tried again at every opening.
void CrearIndiceTelefonos(Conexion &conexion);

// One numbered change of the shop's schema. Run once per database, in one transaction with the
// version it leaves recorded in the table esquema (one row); a database from before versions has no
// such table and is version 0.
struct PasoEsquema {
    int version;
    const char *descripcion; // Spanish: shown to whoever updates the shop ("Versión 3: ...")
    void (*aplicar)(Conexion &conexion, bool servidor);
};
const std::vector<PasoEsquema> &PasosEsquema();
// The schema version this program makes and understands: its last step's.
int VersionEsquemaPrograma();
// The version recorded in the database; 0 when it has no esquema table.
int VersionEsquema(Conexion &conexion);
// Refuses (ErrorBaseDatos, with both versions named, having written nothing) a database made by
// a newer program.
void ComprobarVersionEsquema(Conexion &conexion);
// "versión de datos 9; este programa conoce hasta la 6": what every refusal of a newer database
// or copy says.
QString VersionesEsquema(int version);
// Brings a shop database up to this program's schema: the missing steps, in order, each in its
// own transaction under a lock that lets one counter of several run it while the others wait and
// then find it done. Refuses a newer database, untouched. Gives the Spanish description of each
// step it ran ("Versión 3: ..."); none the second time. antesDeCambiar runs once, only when there
// is a step to run, before the first (the counter makes its copy of the database as it was there).
// hasta stops after that step (the schema of an older copy, in memory).
QStringList ActualizarEsquema(Conexion &conexion, const std::function<void()> &antesDeCambiar = {},
                              int hasta = -1);
// Opens the connection the configuration names, sets the program-wide backend values and, on an
// existing database, brings its schema up to date (ActualizarEsquema: what it gives). Only crear
// (hilvan-admin init) may make a new database file.
QStringList AbrirSegunConfiguracion(Conexion &conexion, const Configuracion &config, bool crear = false,
                                    const std::function<void()> &antesDeCambiar = {});
