#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class QLabel;
class QPushButton;
class QTableView;
class PrendasArreglo;
class frmListaEntregar;

// frmListaEntregar and frmLista: the order's labels, its garments, and the buttons. The
// hand-over button shows only when the screen is frmListaEntregar.
class PrendasArregloVista : public Vista
{
    Q_OBJECT
public:
    PrendasArregloVista(PrendasArreglo &modelo, frmListaEntregar *entregar, QWidget *padre = nullptr);
    void Repintar() override;
    QTableView *gridPrendas;
    QLabel *lblReferencia, *lblCliente, *lblTelefono, *lblTrabajador, *ayuda;
    QPushButton *cmdMarcarComoEntregado = nullptr;
    QPushButton *cmdAceptar;

protected:
    void Escape() override;

private:
    PrendasArreglo &modelo_;
    frmListaEntregar *entregar_;
    GridModel *datos_;
};
