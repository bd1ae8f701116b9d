#pragma once

#include <QString>
#include <functional>

// A worker's name and whether she is still working for the shop; a new worker, or one edited.
class frmNuevoTrabajador
{
public:
    QString txtFamilia;
    bool chkDesactivado = false;
    QString cmdAceptarCaption = QStringLiteral("Aceptar");
    QString Caption = QStringLiteral("Nuevo trabajador");
    bool Abierto = false;

    // idcosturera 0 for a new worker. Shows the dialog through `mostrar` (modal).
    void CargarFormulario(int idcosturera, const std::function<void()> &mostrar);
    // Saves and closes; an empty name does nothing and leaves the dialog open.
    void cmdAceptar_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }

private:
    bool editando_ = false;
    int idcosturera_ = 0;
};
