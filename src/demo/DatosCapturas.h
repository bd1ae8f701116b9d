#pragma once

#include <QString>
#include <QStringList>

struct ResultadoImportar;

// The rows the screenshots add to the demo shop, and the garments they scan. The program's
// connection (Bd()) holds the demo shop.

// A customer (with this telephone), a colour and a garment type with a product, under the given
// names: names that look like markup, for the pictures that show they stay plain text. Returns
// the customer's id.
int SembrarNombres(const QString &cliente, const QString &telefono, const QString &color,
                   const QString &familia);
// An order of that customer, taken in today, with one garment of the newest product under that
// name. Returns the order's number.
qint64 SembrarArreglo(int idcliente, const QString &nombrePrenda);

// Where a demo garment is in the workshop.
enum class EstadoPrenda {
    SinAsignar,    // given to no worker
    ConTrabajador, // with a worker, not back in the shop
    EnTienda,      // back in the shop, ready to hand over
};
// At most `cuantas` demo garments in that state (haberdashery aside), as the reader would scan
// their tickets, in reference order.
QStringList EscaneosPrendas(EstadoPrenda estado, int cuantas);

// The demo shop exported into `carpeta` and brought back into a new database there, as the import
// screen brings a shop in: its result and checks, for the picture of that screen's end.
ResultadoImportar ImportacionDemo(const QString &carpeta);
