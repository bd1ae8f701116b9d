#pragma once

#include "PantallaBarras.h"

// Scanning garment tickets to give each garment to the worker chosen on the screen.
class frmAsignarBArras : public PantallaBarras
{
public:
    frmAsignarBArras() : PantallaBarras(6570, 2055) {}

    Grid gridTrabajadores;

    void CargarTrabajadores();
    void DarTamanosGridTrabajadores();
    void gridTrabajadores_Click(int fila);

protected:
    void Preparar() override;
    void Escanear(const QString &referencia) override;
    void Deshacer(const QString &referencia) override;
};
