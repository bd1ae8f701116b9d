#pragma once

#include <QString>

// An order a back-office screen hands to the sale screen, which loads it in place of the one on
// it: to change it, or (entregar) to hand it over. Given back by the screen that chose it (its
// CargarFormulario) and by the options menu, never left in a program-wide value.
struct ArregloParaVenta {
    int idarreglo = 0; // 0: none
    bool entregar = false;
};

// Opens other screens and tells what the logic needs to know of the display.
// A screen that another screen's form model opens has its own method here; the defaults do
// nothing, so that a test supplies only the screens it looks at. The options menu's screens are
// not here: the registry of screens (ui/menu/RegistroPantallas) opens them.
class Pantallas
{
public:
    virtual ~Pantallas() = default;

    // Customers: the list returns the chosen customer id (0 for none); the card creates or edits one.
    virtual int ListaClientes() { return 0; }
    virtual void FichaCliente(const QString &telefono, int idcliente)
    {
        Q_UNUSED(telefono);
        Q_UNUSED(idcliente);
    }

    // The calculator: not modal, it stays open beside the screen that opened it.
    virtual void Calculadora() {}

    // Colours: the picker returns the chosen name (empty for none); the small window adds one.
    virtual QString Colores() { return {}; }
    virtual void NuevoColor() {}
    // The options menu, told which stored order the sale screen has open (0: none) so that it is
    // not annulled from under it; gives back the order a back-office screen chose for the sale screen.
    virtual ArregloParaVenta Opciones(int arregloEnVenta)
    {
        Q_UNUSED(arregloEnVenta);
        return {};
    }
    // "Traer los datos del programa anterior", into a shop still empty.
    virtual void ImportarDatos() {}
    // Workshop screens opened from the assignment screen.
    virtual void AsignarBarras() {}
    virtual void EntradaBarras() {}
    virtual void DetalleReferencia(const QString &referencia) { Q_UNUSED(referencia); }
    // The catalogue: a family added (id 0) or renamed; a product card, new (id 0) or edited; the product
    // list.
    virtual void NuevaFamilia(int idfamilia) { Q_UNUSED(idfamilia); }
    virtual void MantProductos(int idproducto) { Q_UNUSED(idproducto); }
    virtual void ListadoProductos() {}
    // The garments of one order: for handing it over (gives back the order when "Entregar a
    // cliente" sends it to the sale screen), and as seen from the customer's history.
    virtual ArregloParaVenta ListaEntregar(int idarreglo)
    {
        Q_UNUSED(idarreglo);
        return {};
    }
    virtual void ListaPrendas(int idarreglo) { Q_UNUSED(idarreglo); }
    // Every garment a customer has brought.
    virtual void ArreglosCliente(int idcliente) { Q_UNUSED(idcliente); }
    // The worker dialog: idcosturera 0 for a new worker.
    virtual void NuevoTrabajador(int idcosturera) { Q_UNUSED(idcosturera); }
    // The sales sheet of any cash day, from the list of cash days.
    virtual void HojaVentaDeCaja(const QString &nombrecierre) { Q_UNUSED(nombrecierre); }
    // Closes the connection and ends the program (after the cash closing).
    virtual void TerminarPrograma() {}

    // Width of a text in the sale screen's grid font, in twips; 0 when there is no screen.
    virtual int AnchoTextoTwips(const QString &texto) const
    {
        Q_UNUSED(texto);
        return 0;
    }
};
