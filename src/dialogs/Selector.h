#pragma once

#include "DialogoModal.h"
#include "core/Grid.h"

#include <QString>

// What the user and payment-method pickers share: a grid with the hidden id in column 0 and the
// name in column 1, one row per record in alphabetical order. The first name is current until
// the user touches another, so "Aceptar" straight away takes it.
class Selector : public DialogoModal
{
public:
    void gridTrabajadores_Click(int fila);
    // A touch on a name: current, and on a picker that chooses on touch also accepted.
    void gridTrabajadores_Toque(int fila);
    virtual void cmdAceptar_Click() = 0;
    virtual void cmdCancelar_Click() {}

    QString Caption;
    Grid gridTrabajadores;
    bool cmdCancelarVisible = false;
    bool AceptarAlTocar = false;

protected:
    Selector(const QString &caption, bool conCancelar) : Caption(caption), cmdCancelarVisible(conCancelar) {}
    void LlenarGrid(const QString &cabecera, const QString &sql, const QString &campoId);
    bool HayFilaActual() const;
    // Makes the row whose id (column 0) is given current, when there is one.
    void HacerActual(const QString &id);
    // Trimmed text of the current row.
    QString TextoFilaActual(int columna) const;
};
