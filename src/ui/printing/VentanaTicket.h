#pragma once

#include "ui/common/Vista.h"

class VistaPreviaTicket;

// The on-screen ticket printer: shows one printed ticket until it is taken away.
class VentanaTicket : public Vista
{
public:
    VentanaTicket(const QByteArray &ticket, int columnas, QWidget *padre = nullptr);

protected:
    void Escape() override { reject(); }

private:
    VistaPreviaTicket *vista_;
};
