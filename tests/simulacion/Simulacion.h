#pragma once

#include "BaseDePrueba.h"
#include "core/Pantallas.h"
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
struct PantallasPuesto : Pantallas {
    QSize TamanoPantalla() const override { return {1024, 768}; }
    void Opciones() override;
    void ListaEntregar(int idarreglo) override;
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

    // Staff actions (each a step of a history; a till whose program is closed does nothing but start).
    void Arrancar(Puesto &q, bool nuevaCaja, int centimosIniciales);
    void Cerrar(Puesto &q);
    struct Prenda {
        int familia;                // 1..8, as listed on the sale screen
        std::vector<int> productos; // positions in the family's product list (wrap around)
        int dias;                   // due in this many days
    };
    void NuevoArreglo(Puesto &q, const std::vector<Prenda> &prendas, bool urgente, int cliente, int centimos,
                      int formaPago);
    void Merceria(Puesto &q, int centimos);
    // `aunEntregado`: the answer to "already handed over, go on?".
    void Modificar(Puesto &q, int idarreglo, bool aunEntregado);
    void TocarFamilia(Puesto &q, int familia, int producto, int dias);
    void TocarBorrar(Puesto &q, int fila);
    void TocarFecha(Puesto &q, int fila, int dias);
    void TocarPrecio(Puesto &q, int fila, int centimos);
    // The "--" of the garment (its position, wrapping round): the next alterations go to it.
    void ElegirPrenda(Puesto &q, int prenda);
    // Worker 0 closes the picker, which takes the garment away from its worker.
    void AsignarDeLaLista(Puesto &q, bool todos, int fila, int trabajador);
    void Pagar(Puesto &q, int centimos, int formaPago, bool todo);
    void Acabar(Puesto &q);
    // "Comenzar" when the screen holds a delivered order opened for changes.
    void DejarSiEntregado(Puesto &q);
    void Entregar(Puesto &q, int idarreglo);
    void Anular(Puesto &q, int idarreglo);
    void AsignarEscaneando(Puesto &q, int idarreglo, int prenda, int trabajador);
    void RecibirEscaneando(Puesto &q, int idarreglo, int prenda);
    void SacarDinero(Puesto &q, int centimos);
    void CobrarTienda(Puesto &q, int fila, bool todaLaDeuda);
    void PagarTrabajador(Puesto &q, int fila);
    void CopiaSeguridad(Puesto &q);
    void CierreCaja(Puesto &q);
    // The till's connection cut by the server in the middle of finishing its order.
    void CortarConexion(Puesto &q);
    void PasarDia();

    bool EsServidor() const { return b_.conexion.motor() == Motor::PostgreSQL; }
    qint64 acciones = 0;
    qint64 comprobaciones = 0;

private:
    void Activar(Puesto &q);
    void Desactivar(Puesto &q);
    QString Configuracion() const;
    QStringList Comprobar();

    BaseDePrueba b_;
    std::vector<std::unique_ptr<Puesto>> puestos_;
    QHash<QString, QString> cajasCerradas_; // closed cash day -> its movements when it closed
    QSet<qint64> anulados_;
    QString copiaPendiente_; // a backup just made, with the data of its moment
    QString datosCopia_;
};
