#pragma once

#include "core/Grid.h"

#include <QString>
#include <functional>

// "Registro de operaciones": the journal of who moved money and data, newest first, read-only.
// A touch on a row shows its whole detail (an annulled order's lines and money).
class frmRegistroOperaciones
{
public:
    // The newest entries shown; the printed listing holds the same.
    static constexpr int Maximo = 2000;

    QString lblTitulo;
    Grid gridOperaciones;
    bool Abierto = false;

    enum Columna { ColFecha, ColPuesto, ColUsuario, ColTipo, ColArreglo, ColImporte, ColDetalle };

    static QString SqlOperaciones();

    void CargarFormulario(const std::function<void()> &mostrar);
    void Llenar();
    void gridOperaciones_DblClick(int fila);
    void cmdImprimir_Click();
    void cmdSalir_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
