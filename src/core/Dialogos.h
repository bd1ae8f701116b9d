#pragma once

#include <QString>
#include <functional>
#include <vector>

// A customer the telephone keypad offers while the digits are being typed.
struct ClienteSugerido {
    int idcliente = 0;
    QString nombre;
    QString telefono;
};
using BuscarClientes = std::function<std::vector<ClienteSugerido>(const QString &cifras)>;

// Which of an order's tickets to print: the garments' tickets, the customer's, or both.
enum ImprimirTickets { ImprimirNada = 0, ImprimirPrendas = 1, ImprimirCliente = 2, ImprimirTodo = 3 };

// The small modal windows every screen uses to tell and to ask. The real ones are Qt windows;
// tests queue the answers and read back every message shown.
class Dialogos
{
public:
    virtual ~Dialogos() = default;

    // One-button message ("Aceptar").
    virtual void Mensaje(const QString &texto) = 0;
    // The answers of MensajeSiNo: Si for "Aceptar", No for "Cancelar", 0 when the window was closed
    // otherwise. Only Si means yes.
    static constexpr int Si = 6;
    static constexpr int No = 7;
    virtual int MensajeSiNo(const QString &texto) = 0;
    // The text typed on the keypad, unchecked; empty when cancelled.
    virtual QString PadNumerico(const QString &titulo, bool letraGrande) = 0;
    // The keypad for a PIN: what is typed shows as dots.
    virtual QString PadClave(const QString &titulo) { return PadNumerico(titulo, false); }
    // The keypad for money, with one key that answers the exact amount still to pay.
    virtual QString PadImporte(const QString &titulo, const QString &exacto)
    {
        Q_UNUSED(exacto);
        return PadNumerico(titulo, false);
    }
    // The telephone keypad: while digits are typed it offers the customers buscar finds for them,
    // and a touch on one answers its id in idcliente (0 when the figure was typed to the end).
    virtual QString PadTelefono(const QString &titulo, const BuscarClientes &buscar, int &idcliente)
    {
        Q_UNUSED(buscar);
        idcliente = 0;
        return PadNumerico(titulo, true);
    }
    // The tickets of order ref to print, in one choice; porDefecto is the shop's usual answer.
    // Without a window for that choice, the two questions are asked one after the other.
    virtual int ElegirImpresion(const QString &ref, bool reimpresion, int porDefecto)
    {
        Q_UNUSED(porDefecto);
        int r = ImprimirNada;
        if (MensajeSiNo(
                QString::fromUtf8("¿Imprimir ticket con descripción del arreglo de cada prenda?\r\nRef.: ")
                + ref)
            == Si)
            r |= ImprimirPrendas;
        if (MensajeSiNo(reimpresion ? QString::fromUtf8("¿Imprimir de nuevo el ticket?")
                                    : QString::fromUtf8("¿Imprimir ticket del arreglo?\r\nRef.: ") + ref)
            == Si)
            r |= ImprimirCliente;
        return r;
    }
    // The chosen date as "d/m/yyyy" (no leading zeros); empty when cancelled.
    virtual QString Calendario() = 0;
    // Staff member attending; 0 when the window was closed without a choice.
    virtual int Usuario() = 0;
    // Payment method; id 0 and empty name when closed without a choice.
    virtual void FormaPago(QString &nombre, int &idformapago) = 0;
    // Worker a garment goes to (active workers only); 0 after "Cancelar", which takes the garment
    // from its worker; TrabajadorSinElegir when the window was closed otherwise (nothing changes).
    static constexpr int TrabajadorSinElegir = -1;
    virtual int Trabajador() { return TrabajadorSinElegir; }
};
