#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class QLabel;
class QPushButton;
class QTableView;
class frmDetalleReferencia;

class frmDetalleReferenciaVista : public Vista
{
    Q_OBJECT
public:
    explicit frmDetalleReferenciaVista(frmDetalleReferencia &modelo, QWidget *padre = nullptr);

    QTableView *gridDetalle() const { return tabla_; }
    QLabel *lblCliente() const { return lblCliente_; }
    QPushButton *cmdTicket() const { return cmdTicket_; }
    QPushButton *cmdsalir() const { return cmdsalir_; }

protected:
    void Escape() override;

private:
    void Repintar() override;
    frmDetalleReferencia &modelo_;
    GridModel *gridModel_;
    QTableView *tabla_;
    QLabel *lblReferencia_;
    QLabel *lblCliente_;
    QLabel *lblAtendido_;
    QPushButton *cmdTicket_;
    QPushButton *cmdsalir_;
};
