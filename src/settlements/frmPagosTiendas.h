#pragma once

#include "core/Combo.h"
#include "core/Grid.h"

#include <QString>
#include <functional>

// The partner shops' running account: their delivered orders with price, what has been paid and
// what is still owed; one order's payment, or a shop's whole debt, is booked in the cash journal
// as a payment and an equal withdrawal, so the till does not change.
class frmPagosTiendas
{
public:
    static constexpr int TodasLasTiendas = 9999999;

    Combo cmbTienda;
    Combo cmbMeses;
    Combo cmbAno; // editable: its text may be typed
    bool chkPendientes = false;
    Grid gridPagos;
    bool Abierto = false;

    void CargarFormulario(const std::function<void()> &mostrar);
    void LlenarListaTiendas();
    void LlenarAnos();
    void DarTamanosGrid();
    void LlenarLista(int idtienda);

    // Shop 9999999 is every shop; month 0 lists every date and ignores the year. Each order comes
    // with its total and what has been paid towards it ("abonado").
    static QString SqlLista(int idtienda, int ano, int mes);

    void cmdAceptar_Click();
    void gridPagos_DblClick(int fila);
    void cmdCancelarDeuda_Click();
    void cmdImprimir_Click();
    void cmdsalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    // The chosen month (0 for none) and year; false, after telling staff, when the year is not a number.
    bool LeerFecha(int &ano, int &mes);
    bool SePuedeCobrar(int fila) const;
    bool Cobrar(int fila, bool soloLoMostrado, double *cobrado = nullptr);
};
