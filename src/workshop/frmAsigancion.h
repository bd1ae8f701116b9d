#pragma once

#include "core/Grid.h"
#include "core/TextosLista.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>

// The back-office screen where each garment taken in at the counter is given to a worker or
// taken away again. Every change is keyed by the garment reference, so all alterations of one
// garment go to the same worker.
//
// "Ver todos los arreglos" lists ten years of lines: the first orders are listed at once and
// the rest is read behind them, a page of order numbers at a time (QuedanPaginas /
// LlenarSiguientePagina), each page about as long as the view may keep the user waiting, so the
// screen shows rows at once, answers touches while it fills and never holds a whole record set.
class frmAsigancion
{
public:
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
    // Orders a page of "all the lines" covers: few for the first page, so that it shows at once,
    // then as many as are read in about MsPorPagina, at most twice the last page's. Never fewer
    // than OrdenesMinimas: on a machine busy with other work each page is slow whatever its
    // size, and more pages would only add statements and repaints.
    static constexpr int OrdenesPrimeraPagina = 300;
    static constexpr int OrdenesMinimas = 1000;
    static constexpr int OrdenesPorPagina = 5000;
    static constexpr int MsPorPagina = 30;

    void CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGridArreglos();
    void LlenarListaArreglos(int cuantos);
    QString DimeIdProductoPorReferencia(const QString &referencia);

    // The list of all lines goes on filling while this is true.
    bool QuedanPaginas() const { return paginaHasta_ > paginaMinimo_ && filasPendientes_ > 0; }
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
    // Appends a row per record of the statement, at most `limite` of them (-1: all). The rows
    // are read one by one, not held in a record set: the list of every line is long. With
    // `sumarIguales`, a record that repeats the last row's order, garment, worker, date and
    // alteration adds its price to that row instead.
    void AnadirFilas(const QString &sql, qint64 limite, bool sumarIguales = false);
    void PonerTrabajador(const QString &referencia, const QString &id, const QString &nombre);

    qint64 paginaHasta_ = 0;
    qint64 paginaMinimo_ = 0;
    qint64 ordenesPagina_ = 0;
    qint64 filasPendientes_ = 0;
    qint64 msPagina_ = 0; // how long the last page took to read
    TextosLista textos_;
};
