#pragma once

#include "ui/common/VistaDialogo.h"

class QCalendarWidget;
class frmCalendar;

// The calendar: a month with day cells a finger can pick, "Aceptar" and "Cancelar" below.
class frmCalendarVista : public VistaDialogo
{
    Q_OBJECT
public:
    explicit frmCalendarVista(frmCalendar &modelo, QWidget *padre = nullptr);
    void Repintar() override;

protected:
    void Escape() override;

private:
    frmCalendar &modelo_;
    QCalendarWidget *Cal1_;
};
