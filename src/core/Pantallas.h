#pragma once

#include <QString>

// Opens other screens and tells what the logic needs to know of the display.
// Each screen that opens another has its own method here; the defaults do nothing, so that a test
// supplies only the screens it looks at.
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
    // Back-office screens opened from the options menu.
    virtual void Opciones() {}
    virtual void Asignacion() {}
    virtual void PendientesPorTrabajador() {}
    virtual void Atrasados() {}
    virtual void PagosATrabajadores() {}
    virtual void PagosTiendas() {}
    virtual void DecProd() {}
    virtual void Familias() {}
    virtual void ListaTrabajadores() {}
    virtual void CopiaSeguridad() {}
    virtual void HojaVenta() {}
    virtual void ListaCierres() {}
    virtual void RegistroOperaciones() {}
    virtual void ParametrosGenerales() {}
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
    // The garments of one order: for handing it over, and as seen from the customer's history.
    virtual void ListaEntregar(int idarreglo) { Q_UNUSED(idarreglo); }
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
