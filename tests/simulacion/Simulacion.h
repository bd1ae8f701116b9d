#pragma once

#include "BaseDePrueba.h"
#include "Fiabilidad.h"
#include "TallerDePrueba.h"
#include "core/Programa.h"
#include "counter/frmPrincipal.h"
#include "printing/SalidaMemoria.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

class FRMoPCIONES;

// The windows a counter's sale screen opens, played by the staff of the simulation: the options
// menu runs what the step asked for on the real menu; the hand-over list presses "Entregar a
// cliente" on the real screen.
struct PantallasPuesto : PantallasEntrega {
    PantallasPuesto()
    {
        usuario = [](frmListaEntregar &l) { l.cmdMarcarComoEntregado_Click(); };
    }
    ArregloParaVenta Opciones(int arregloEnVenta) override;
    void TerminarPrograma() override { terminado = true; }
    bool terminado = false;
    std::function<void(FRMoPCIONES &)> enMenu;
};

// One till: its own program (sale screen and connection), staff answering its dialogs and its
// ticket printer. The program-wide values of each till are kept here while another till acts.
struct Puesto {
    DialogosGuion dialogos;
    PantallasPuesto pantallas;
    SalidaMemoria impresora;
    ValoresPrograma valores;
    std::unique_ptr<frmPrincipal> p; // null while the program is closed on this till
    QString configuracion;           // its bdcostuaccess.dat
};

// A shop whose tills interleave their work on one database, for the simulation of whole days.
// Each step is one till's action, run as its view would run it; every invariant is then read
// back from the database with the simulation's own SQL.
class Simulacion
{
public:
    explicit Simulacion(int puestos);
    ~Simulacion();

    // A new history: the demo shop without orders or cash, every till closed, 5/12/2026 09:00.
    void Empezar();
    int Puestos() const { return int(puestos_.size()); }

    // The till's action, inside the event boundary as the program runs it. Returns what went
    // wrong: the invariants broken afterwards, a message in English, an exception other than a
    // database error.
    QStringList En(int puesto, const std::function<void(Puesto &)> &accion);

    // A garment of a new order, as the step draws it.
    struct Prenda {
        int familia;                // 1.., as listed on the sale screen (wraps around)
        std::vector<int> productos; // positions in the family's product list (wrap around)
        int dias;                   // due in this many days
    };

    bool EsServidor() const { return b.conexion.motor() == Motor::PostgreSQL; }
    qint64 acciones = 0; // each followed by a check of every invariant
    BaseDePrueba b;
    std::unique_ptr<ServidorLejano> lejos; // between the tills and a server: the steps cut it
    QSet<qint64> anulados;

private:
    void Activar(Puesto &q);
    void Desactivar(Puesto &q);
    void Cerrar(Puesto &q);
    QStringList Comprobar();

    std::vector<std::unique_ptr<Puesto>> puestos_;
    QHash<QString, QString> cajasCerradas_; // closed cash day -> its movements when it closed
};
