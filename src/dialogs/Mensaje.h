#pragma once

#include "DialogoModal.h"

#include <QString>

// The one-button message.
class Mensaje : public DialogoModal
{
public:
    void CargarFormulario(const QString &texto)
    {
        lblMensaje = texto;
        Mostrar();
    }
    void cmdAceptar_Click() { Descargar(); }

    QString lblMensaje;
};
