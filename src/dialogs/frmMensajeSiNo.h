#pragma once

#include "DialogoModal.h"
#include "core/Dialogos.h"

#include <QString>

// The yes/no question. Callers take only Dialogos::Si as yes: closing the window otherwise gives 0.
class frmMensajeSiNo : public DialogoModal
{
public:
    void CargarFormulario(const QString &texto, int &respuesta)
    {
        lblMensaje = texto;
        respuesta_ = 0;
        Mostrar();
        respuesta = respuesta_;
    }
    void cmdOK_Click()
    {
        respuesta_ = Dialogos::Si;
        Descargar();
    }
    void cmdCancel_Click()
    {
        respuesta_ = Dialogos::No;
        Descargar();
    }

    QString lblMensaje;

private:
    int respuesta_ = 0;
};
