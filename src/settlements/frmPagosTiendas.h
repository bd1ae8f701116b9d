#pragma once

#include "core/Combo.h"
#include "core/Grid.h"
#include "core/TextosLista.h"

#include <QString>
#include <functional>
#include <memory>

class FilaLeida;
class LecturaAparte;

// The partner shops' running account: their delivered orders with price, what has been paid and
// what is still owed; one order's payment, or a shop's whole debt, is booked in the cash journal
// as a payment and an equal withdrawal, so the till does not change. Every shop's whole history
// is listed a page of order numbers at a time (ContinuarLista), the totals after the last page. On a
// server every page is read aside by a worker (LecturaAparte): the screen never waits for the server.
class frmPagosTiendas
{
public:
    frmPagosTiendas();
    ~frmPagosTiendas();

    static constexpr int TodasLasTiendas = 9999999;

    Combo cmbTienda;
    Combo cmbMeses;
    Combo cmbAno; // editable: its text may be typed
    bool chkPendientes = false;
    Grid gridPagos;
    bool Abierto = false;
    static constexpr qint64 OrdenesPorPagina = 20000;

    void CargarFormulario(const std::function<void()> &mostrar);
    void LlenarListaTiendas();
    void LlenarAnos();
    void DarTamanosGrid();
    void LlenarLista(int idtienda);
    bool ListaIncompleta() const { return paginaHasta_ > paginaMinimo_ || resto_; }
    void ContinuarLista();
    void CompletarLista();

    // Shop 9999999 is every shop; month 0 lists every date and ignores the year. Each order comes
    // with its total and what has been paid towards it ("abonado"). `desde`/`hasta` narrow it to
    // a page of order numbers (`desde` excluded); 0 and 0 is no narrowing.
    static QString SqlLista(int idtienda, int ano, int mes, qint64 desde = 0, qint64 hasta = 0);

    void cmdAceptar_Click();
    void gridPagos_DblClick(int fila);
    void cmdCancelarDeuda_Click();
    void cmdImprimir_Click();
    void cmdsalir_Click() { Cerrar(); }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Cerrar();
    }

private:
    // The chosen month (0 for none) and year; false, after telling staff, when the year is not a number.
    bool LeerFecha(int &ano, int &mes);
    bool SePuedeCobrar(int fila) const;
    bool Cobrar(int fila, bool soloLoMostrado, double *cobrado = nullptr);
    void Cerrar();
    void AgregarFila(const FilaLeida &q);
    void PonerTotales();

    int tienda_ = 0;
    int ano_ = 0;
    int mes_ = 0;
    bool pendientes_ = false;
    qint64 paginaHasta_ = 0;
    qint64 paginaMinimo_ = 0;
    TextosLista textos_;
    double suma_[3] = {0, 0, 0}; // price, paid, owed
    int campos_[5] = {};
    std::unique_ptr<LecturaAparte> resto_;     // every page, on a server
    std::unique_ptr<LecturaAparte> preparada_; // on a server: a worker ready for every shop's list
};
