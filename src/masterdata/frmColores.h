#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// The colour names: the picker the sale screen opens from a garment, and the place where
// colours are added and deleted. Names read down 18 rows, then continue in the next pair of
// columns (a hidden id column beside each name column).
class frmColores
{
public:
    static constexpr int FilasPorColumna = 18;

    Grid gridColores;
    // The chosen name; empty after "Cancelar".
    QString Resultado;
    bool Abierto = false;

    // Fills the grid, shows the screen through `mostrar` (modal) and returns the chosen name.
    QString CargarFormulario(const std::function<void()> &mostrar);
    void DarTamanosGridColores();
    void CargarColores();
    void BorrarColor(int idcolor);

    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void cmdBorrar_Click();
    void cmdNuevo_Click();
    void Form_KeyPress(int tecla);
};
