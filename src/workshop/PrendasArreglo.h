#pragma once

#include "core/Grid.h"

#include <QString>
#include <array>
#include <functional>

// What frmListaEntregar and frmLista share: the garments of one order, one row per garment
// reference, with its state ("En Tienda" or "Pendiente") and its worker. A double touch on a
// garment that has a worker moves it in or out of the shop.
class PrendasArreglo
{
public:
    virtual ~PrendasArreglo() = default;

    QString Caption;
    QString lblTitulo;
    QString cmdAceptarCaption;
    Grid gridPrendas;
    QString lblReferencia, lblCliente, lblTelefono, lblTrabajador;
    // How to use the list; empty where its garments can no longer change.
    QString lblAyuda;
    int IdArreglo = 0;
    bool Abierto = false;

    // Fills the screen for the order and shows it through `mostrar` (modal).
    void CargarFormulario(int idarreglo, const std::function<void()> &mostrar);
    void DarTamanosGrid();
    virtual void LlenarPrendas(int idarreglo);

    void gridPrendas_DblClick(int fila);
    // The refusal when a garment of the order has no worker yet.
    static QString MensajeSinAsignar();
    void cmdAceptar_Click() { salirformulario(); }
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            salirformulario();
    }

protected:
    struct Forma {
        QString caption, titulo, aceptar;
        std::array<int, 5> anchos;
        QString consulta; // ends where the order number goes, before `final`
        QString final;
        bool conPrefijos;
        QString sinTrabajador;
    };
    explicit PrendasArreglo(const Forma &forma);
    // True (after telling why) when the garments of this order may not change any more.
    virtual bool Bloqueado() { return false; }
    // Whether the order was handed over, as LlenarPrendas read it.
    bool entregado_ = false;

private:
    Forma forma_;
};
