#pragma once

#include "DialogoModal.h"

#include <QDate>
#include <QString>

// The calendar: a date for a garment or a listing, handed back as "d/m/yyyy".
class frmCalendar : public DialogoModal
{
public:
    // fecha is empty when the user cancelled.
    void CargarFormulario(QString &fecha);
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    // One touch for the usual promises: that many days from today, accepted at once.
    void cmdDias_Click(int dias);

    QDate Cal1;
    QDate Hoy;

private:
    QString fecha_;
};
