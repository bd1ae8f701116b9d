#pragma once

#include <QString>
#include <functional>

// Adds a garment type, or renames one.
class frmNuevaFamilia
{
public:
    QString txtFamilia;
    QString cmdAceptarCaption = QStringLiteral("Aceptar");
    int Modo = 0; // 1 = renaming an existing family
    int IdFamilia = 0;
    bool Abierto = false;

    void CargarFormulario(int idfamilia, const std::function<void()> &mostrar);
    void cmdAceptar_Click();
    void cmdCancelar_Click() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
