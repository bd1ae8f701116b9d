#pragma once

#include "DialogoModal.h"

#include <QString>

// The yes/no question. Callers take only Si as yes: closing the window otherwise gives 0.
class frmMensajeSiNo : public DialogoModal
{
public:
    static constexpr int Si = 6;
    static constexpr int No = 7;

    void CargarFormulario(const QString &texto, int &respuesta)
    {
        lblMensaje = texto;
        respuesta_ = 0;
        Mostrar();
        respuesta = respuesta_;
    }
    void cmdOK_Click()
    {
        respuesta_ = Si;
        Descargar();
    }
    void cmdCancel_Click()
    {
        respuesta_ = No;
        Descargar();
    }

    QString lblMensaje;

private:
    int respuesta_ = 0;
};
