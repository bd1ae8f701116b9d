#pragma once

#include "core/Conexion.h"

#include <QString>

// The customer's ticket of an order and the garment tickets that go into the workshop.

// The customer ticket: shop header, ImprimirTicketArreglo and the footer with the cut.
// The sale screen calls it after an order is finished or reprinted.
void ImprimirArreglo(qint64 idarreglo);
// The body of the customer ticket: garments, subtotals, totals, dates and who attended.
void ImprimirTicketArreglo(qint64 idarreglo);
// An order's tickets printed from one read of the order: a far server is asked once, however
// many tickets come out.
class TicketsDeArreglo
{
public:
    explicit TicketsDeArreglo(qint64 idarreglo);
    // The order that holds this garment.
    explicit TicketsDeArreglo(const QString &referencia);
    void Cliente();                         // ImprimirArreglo
    void Cuerpo();                          // ImprimirTicketArreglo
    void Prenda(const QString &referencia); // ImprimirTicketPrenda

private:
    QString id_; // the order asked for; empty when found by a garment
    Recordset rs_;
};

// One whole garment ticket with its barcode, ending with the cut; nothing at all for a
// reference that has no lines.
void ImprimirTicketPrenda(const QString &referencia);

// The garment's barcode line (EAN-13), or its reference in large print where no barcode fits.
void ImprimirCodigoBarras(qint64 idarreglo, const QString &referencia);

// The 13 digits of the garment's barcode: "0000", the order number and the garment number in
// three digits. Empty when the reference does not fit (an order number of more than eight
// digits, a garment number of more than three): its scan would name another garment.
QString CodigoBarrasPrenda(qint64 idarreglo, const QString &referencia);
