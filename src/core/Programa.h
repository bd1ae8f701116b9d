#pragma once

#include <QString>

class Conexion;
class Dialogos;
class Pantallas;
class Reloj;
class SalidaListados;
class SalidaTickets;

// The few values the whole program shares: the connection, the shop parameters read at
// start-up, the current cash day and the ports to the outside world. Nothing passes between
// screens here: a screen gives its result back to the one that opened it (Pantallas).
struct ValoresPrograma {
    Conexion *conexion = nullptr; // the one database connection of the run
    int EsSqlServer = 0;          // 1 on PostgreSQL: the few statements that differ ask it
    QString RutaBaseDatos;        // the SQLite file, or the server's description, as configured
    QString ArchivoConfiguracion; // bdcostuaccess.dat; the server's backups go beside it

    // The shop's parametros row, read at start-up (LeerParametros): the name and address on every
    // ticket, the ticket's foot lines, and the ticket printer's port, its settings and its width.
    QString nombretienda, nombre, direccion, nif, cp, localidad, telefono;
    QString pie1, pie2, pie3, pie4, pie5, pie6, pie7;
    QString puertocom, parametrospuerto, anchuracarro;
    int AnchuraTicket = 0; // anchuracarro as a number of characters; 0 when it is none

    QString NombreCierre; // the open cash day ("yyyyMMdd"), which every movement is booked to
    // This counter's name (its drawer), stored with every cash movement it books.
    QString Puesto;

    // The ports: the real ones in main(), fakes in the tests.
    Reloj *reloj = nullptr;                   // the shop clock (RelojPrograma)
    Dialogos *dialogos = nullptr;             // messages, questions, keypads (Dlg)
    Pantallas *pantallas = nullptr;           // opens other screens
    SalidaTickets *salidaTickets = nullptr;   // the ticket printer
    SalidaListados *salidaListados = nullptr; // printed and exported listings
};

ValoresPrograma &G();

// The shop clock (the system clock unless a test fixed one).
Reloj &RelojPrograma();
Dialogos &Dlg();

// Call first thing in main(): without TZ the C library re-reads the zone file on every local
// date conversion, which makes long lists of dates several times slower.
void PrepararZonaHoraria();

// "1.0.0": shown on the sale screen and written in the support log.
QString VersionPrograma();
