#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

class Recordset;

// What the two scanning screens share: the scan box a keyboard-style reader types into, the
// list of garments scanned since the screen opened, and taking a row off that list.
// A garment ticket arrives as "$" + 13 digits + Enter. A scan that does nothing (not a ticket of
// this shop, a garment that does not exist, one already listed) changes no row and says why in
// lblAviso, on the screen itself: the staff keep scanning without a window to close.
class PantallaBarras
{
public:
    virtual ~PantallaBarras() = default;

    QString txtBarras;
    Grid gridAsignacion;
    // What was wrong with the last scan; empty after one that listed its garment.
    QString lblAviso;
    // The last scan was refused: the screen beeps.
    bool EscaneoRechazado = false;
    bool Abierto = false;

    enum { ColReferencia, ColPrenda, ColTrabajador };
    // Rows of garments that needed nothing are painted this green.
    static constexpr Color Verde = Rgb(0, 255, 0);

    void CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGridAsignacion();

    void Command1_Click();
    void cmdBorrarFila_Click();
    void gridAsignacion_Click(int fila);
    void cmdAceptar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

protected:
    explicit PantallaBarras(int anchoPrenda, int anchoTrabajador)
        : anchoPrenda_(anchoPrenda), anchoTrabajador_(anchoTrabajador)
    {
    }
    virtual void Preparar() {}
    // One garment reference, not listed yet; lists it, or calls Rechazar.
    virtual void Escanear(const QString &referencia) = 0;
    void Rechazar(const QString &aviso);
    // What taking a garment off the list undoes in the database.
    virtual void Deshacer(const QString &referencia) { Q_UNUSED(referencia); }
    // Lists a garment from the first line of the record set: its reference, "garment/product".
    void AnadirFila(const Recordset &rs, const QString &trabajador, bool yaEstaba);

private:
    int anchoPrenda_;
    int anchoTrabajador_;
};
