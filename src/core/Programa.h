#pragma once

#include <QString>

class Conexion;
class Dialogos;
class Pantallas;
class Reloj;
class SalidaListados;
class SalidaTickets;

// The few values the whole program shares: the connection, the shop parameters read at
// start-up, the current cash day and the ports to the outside world.
struct ValoresPrograma {
    Conexion *conexion = nullptr;
    int EsSqlServer = 0;
    QString RutaBaseDatos;
    QString ArchivoConfiguracion; // bdcostuaccess.dat; the server's backups go beside it

    QString nombretienda, nombre, direccion, nif, cp, localidad, telefono;
    QString pie1, pie2, pie3, pie4, pie5, pie6, pie7;
    QString puertocom, parametrospuerto, anchuracarro;
    int AnchuraTicket = 0;

    QString NombreCierre;
    // This counter's name (its drawer), stored with every cash movement it books.
    QString Puesto;
    bool EntregandoArreglo = false;
    // A back-office screen that continues on the sale screen (modify, hand over, view an order)
    // leaves the order here and closes; the options menu closes when it finds it set, and the
    // sale screen then empties itself and loads that order.
    int ArregloACargar = 0;
    bool ArregloACargarParaEntregar = false;
    // The stored order open on this counter's sale screen (0: none): the back office must not
    // annul it from under the screen.
    int ArregloEnVenta = 0;

    Reloj *reloj = nullptr;
    Dialogos *dialogos = nullptr;
    Pantallas *pantallas = nullptr;
    SalidaTickets *salidaTickets = nullptr;
    SalidaListados *salidaListados = nullptr;
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
