#pragma once

#include <QDate>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

// The order the benchmark finishes at the counter.
struct EncargoMedido {
    struct Prenda {
        int idfamilia;
        QString nombre;                             // the garment's label, as the separator row shows it
        QDate fecha;                                // delivery date
        std::vector<std::pair<int, double>> lineas; // product and price
    };
    int idcliente = 0;
    int idusuario = 1;
    double entregado = 0; // money kept in the till in this visit
    std::vector<Prenda> prendas;
};

// The counter actions the benchmark times, behind one seam: CrearVentaMedida gives the sale
// screen's own form model (frmPrincipal, no view) with the ticket printing going to memory.
class VentaMedida
{
public:
    virtual ~VentaMedida() = default;
    // Touch on a family: the products of the family are listed and a garment is started.
    virtual void TocarFamilia(int idfamilia) = 0;
    // Touch on a product: one line is added to the last garment.
    virtual void TocarProducto(int idproducto) = 0;
    // "Fin arreglo" on a new order: the save and the cash movement in one transaction, then the
    // screen emptied; both print questions answered "no". Returns the new order number.
    virtual qint64 AcabarEncargo(const EncargoMedido &encargo) = 0;
    // What answering "yes" to both print questions adds: one ticket per garment, the drawer
    // and the customer ticket, into memory.
    virtual void ImprimirTickets(qint64 idarreglo, int prendas) = 0;
};

std::unique_ptr<VentaMedida> CrearVentaMedida();
