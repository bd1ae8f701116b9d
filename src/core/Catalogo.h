#pragma once

#include <QString>
#include <vector>

// What the counter reads on every touch, held in memory: the families, the products and their
// prices, and the users' names. A touch on a family or a product never waits for the server.
//
// When it is read again: at once after this program wrote to one of those tables (any screen,
// any connection of the process); on the embedded file whenever another counter has written to
// the file since (the engine's data_version, a check that costs no read); on the server when it
// is more than two minutes old, since another counter's change cannot be seen without asking,
// and asking costs a round trip. The whole catalogue comes in one statement.
namespace Catalogo {

struct Familia {
    int id = 0;
    QString nombre;
};

struct Producto {
    int id = 0;
    int idfamilia = 0;
    QString nombre;
    double precio1 = 0;   // the customer's price
    double precio2 = 0;   // a partner shop's
    bool enVenta = false; // activo = 0: offered at the counter
};

// In the order the counter lists them (by name, Spanish order).
const std::vector<Familia> &Familias();
// A family's products offered at the counter, by name.
std::vector<const Producto *> ProductosEnVenta(int idfamilia);
// Null when the catalogue has no such product.
const Producto *BuscarProducto(int idproducto);
// "??" when the family is gone, as the stored lines show it.
QString NombreFamilia(int idfamilia);
// Empty when no such user.
QString NombreUsuario(int idusuario);
// Read again now if it would be due within AdelantoMs: the sale screen's timer calls it between
// touches, so that a touch does not wait for the server.
void Adelantar();
inline constexpr int AdelantoMs = 10000;
// Read again at the next use: this counter knows another changed something.
void Olvidar();

} // namespace Catalogo
