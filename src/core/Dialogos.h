#pragma once

#include <QString>

// The small modal windows every screen uses to tell and to ask. The real ones are Qt windows;
// tests queue the answers and read back every message shown.
class Dialogos
{
public:
    virtual ~Dialogos() = default;

    // One-button message ("Aceptar").
    virtual void Mensaje(const QString &texto) = 0;
    // 6 for "Aceptar", 7 for "Cancelar", 0 when closed otherwise. Only 6 means yes.
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
