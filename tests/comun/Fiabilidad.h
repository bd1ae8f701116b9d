#pragma once

#include "BaseDePrueba.h"

#include <QProcess>
#include <QStringList>

// One counter program (hilvan-puesto) working on the test's database in a process of its own.
class PuestoProceso
{
public:
    PuestoProceso(const QString &programa, const BaseDePrueba &b, const QStringList &opciones);
    ~PuestoProceso();
    // Waits until it is connected and ready; false when it said something else or never came up.
    bool Listo();
    // All counters waiting in Listo start at once.
    void Empezar();
    // What it wrote, one line each ("acabado N LINEAS IMPORTE", "entregado N", "mensaje ...").
    QStringList Lineas();

    QProcess proceso;

private:
    QByteArray salida_;
};

// The far server of scripts/proxy-retardo.py between the counters and the test's server: Orden
// sends it commands, one a line ("cortar", "rechazar", "perder-commit 1"...), and returns once taken.
struct ServidorLejano {
    explicit ServidorLejano(const BaseDePrueba &b);
    ~ServidorLejano() { proceso.kill(), proceso.waitForFinished(); }
    void Orden(const QString &orden);
    DatosServidor datos; // the test's database, through it
    QProcess proceso;
};

// The size of a run: the variable's value ("8x500", "1000") when set, else the short default.
int NumeroDeEntorno(const char *variable, int corto, int posicion = 0);

// The test's database opened again on another connection, as a restarted program would.
void AbrirOtraVez(const BaseDePrueba &b, Conexion &c);

// A damaged file, an order without lines, a line without its order, money of an order that does not
// exist. Empty when all is well.
QStringList FallosDeEstructura(Conexion &c);

// What a shop would find wrong after a fault: FallosDeEstructura, money booked under the wrong
// reference, a till that disagrees with the orders (customers of these runs pay in full on
// hand-over; partner shops pay later, each payment whole and taken out of the till again as
// "Retirado caja P.T.").
QStringList FallosDeIntegridad(Conexion &c);

// A text staff would read as English: the engine's, the driver's or the program's own words (its
// texts are Spanish).
bool EnIngles(const QString &texto);

// A command of hilvan-admin (the program at `programa`) on the test's database, run as the shop runs
// it: the configuration file beside the database, the support log in the test's folder, `entrada`
// typed on its input. Its exit code; what it wrote goes to `dicho`.
int HilvanAdmin(const QString &programa, const BaseDePrueba &b, const QStringList &orden,
                const QByteArray &entrada = {}, QString *dicho = nullptr);
