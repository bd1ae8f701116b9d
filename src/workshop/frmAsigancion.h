#pragma once

#include "core/Grid.h"
#include "core/Pantallas.h"
#include "core/TextosLista.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class FilaLeida;
class LecturaAparte;

// The back-office screen where each garment taken in at the counter is given to a worker or
// taken away again. Every change is keyed by the garment reference, so all alterations of one
// garment go to the same worker.
//
// "Ver todos los arreglos" lists ten years of lines: the first orders are listed at once and
// the rest is read behind them by a worker on a connection of its own (LecturaAparte); the
// screen appends what it has read in turns of about MsPorPagina (QuedanPaginas /
// LlenarSiguientePagina), so it shows rows at once, answers touches while it fills and never
// holds a whole record set.
class frmAsigancion
{
public:
    frmAsigancion();
    ~frmAsigancion();

    Grid gridListaArreglos;
    QString lblCuantos = QString::fromUtf8("NOTA: Solo se muestran los 200 últimos arreglos.");
    QString lblViendo = QStringLiteral("Lista arreglos");
    bool Abierto = false;
    // The row a search found, for the view to bring to the top; the view sets it back to 0.
    int FilaSuperior = 0;

    // Grid columns.
    enum {
        ColIdArreglo,
        ColReferencia,
        ColPersona,
        ColRecibido,
        ColEntrega,
        ColImporte,
        ColTrabajador,
        ColIdCosturera
    };

    // Statements of the lists, also timed by the benchmark. SqlListaArreglos is the not-assigned
    // list. SqlTodasLasLineas is every line, one row per line in the list's order (newest order
    // first, then garment, worker, date and alteration), for the screen to add up the lines that
    // share all of these; `desde`/`hasta` (order numbers, `desde` excluded) narrow it to one page
    // of orders, 0 and 0 is no narrowing.
    static QString SqlListaArreglos();
    static QString SqlTodasLasLineas(qint64 desde = 0, qint64 hasta = 0);
    static QString SqlArreglosPorTrabajador(int costurera, bool pendiente);
    // The orders of the first page of "all the lines", read at once on the screen's connection;
    // then the rest is appended for about MsPorPagina in each turn of the screen.
    static constexpr int OrdenesPrimeraPagina = 300;
    static constexpr int MsPorPagina = 15;

    // Gives back the order "Ver arreglo" sends to the sale screen, if any.
    ArregloParaVenta CargarFormulario(const std::function<void()> &mostrar);
    ArregloParaVenta ArregloACargar;
    void DarTamanosGridArreglos();
    void LlenarListaArreglos(int cuantos);
    QString DimeIdProductoPorReferencia(const QString &referencia);

    // The list of all lines goes on filling while this is true.
    bool QuedanPaginas() const { return resto_ != nullptr && filasPendientes_ != 0; }
    void LlenarSiguientePagina();

    void cmdAsignar_Click();
    void cmdArreglosSinAsignar_Click();
    void cmdVerTodos_Click();
    void cmdBuscarPorNumero_Click();
    void cmdVerArreglo_Click();
    void cmdAsignarBarras_Click();
    void cmdEntradaBarras_Click();
    void cmdPendientePorTrabajador_Click() { ListaPorTrabajador(true); }
    void cmdHistoricoPorTrabajador_Click() { ListaPorTrabajador(false); }
    void gridListaArreglos_Click(int fila);
    void gridListaArreglos_DblClick();
    void cmdsalir_Click() { salirformulario(); }
    void Form_KeyPress(int) { salirformulario(); }
    void salirformulario();

private:
    bool HayFilaElegida() const;
    void ListaPorTrabajador(bool pendiente);
    void Llenar(const QString &sql);
    // Appends a row for a record, while filasPendientes_ allows (below 0: no limit). The rows are
    // read one by one, not held in a record set: the list of every line is long. With
    // `sumarIguales`, a record that repeats the last row's order, garment, worker, date and
    // alteration adds its price to that row instead.
    void AnadirFila(const FilaLeida &q, bool sumarIguales);
    // Stripes the rows appended from `antes` on and counts them.
    void AcabarPagina(int antes);
    void PonerTrabajador(const QString &referencia, const QString &id, const QString &nombre);

    std::unique_ptr<LecturaAparte> resto_;     // the rest of the list of every line
    std::unique_ptr<LecturaAparte> preparada_; // on a server: a worker ready for "Ver todos"
    qint64 filasPendientes_ = 0;
    std::vector<int> campos_; // where each field is in the records being read
    // The last row appended: its order, the keys its lines share and its sum, for the lines that
    // add up to it, whichever part of the reading brings them; the order's own texts (number,
    // days) are made once per order, the worker's text once along a garment.
    struct Ultima {
        std::array<QVariant, 5> clave;
        qint64 id = -1;
        QString idTexto, recibido, entrega, trabajador;
        double suma = 0;
    } ultima_;
    TextosLista textos_;
};
