#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// The sales sheet of one cash day: its movements newest first (without the opening float),
// then the cash and other totals, the opening float and the money that should be in the drawer.
class frmHojaVenta
{
public:
    QString lblVenta;
    Grid gridHojaVenta;
    bool Abierto = false;

    enum Columna { ColFecha, ColConcepto, ColImporte, ColFormaPago };

    // The day's movements; `inicio` reads its opening float instead.
    static QString SqlMovimientos(const QString &nombrecierre, bool inicio);

    // Fills the sheet of the cash day and shows it through `mostrar` (modal).
    void CargarFormulario(const QString &nombrecierre, const std::function<void()> &mostrar);
    void Llenar(const QString &nombrecierre);
    void DarTamanosGrid();

    void Command1_Click();
    void cmdSalir_Click() { Abierto = false; }
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
