#pragma once

#include <QDialog>

class VistaPreviaTicket;

// The on-screen ticket printer: shows one printed ticket until it is taken away.
class VentanaTicket : public QDialog
{
public:
    VentanaTicket(const QByteArray &ticket, int columnas, QWidget *padre = nullptr);

private:
    VistaPreviaTicket *vista_;
};
