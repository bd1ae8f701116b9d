#pragma once

#include "ui/common/VistaDialogo.h"

class GridModel;
class QLabel;
class QTableView;
class Selector;

// The user and payment-method pickers: the title, a list of names with rows a finger can pick,
// "Aceptar" (and "Cancelar" on the user picker).
class SelectorVista : public VistaDialogo
{
    Q_OBJECT
public:
    explicit SelectorVista(Selector &modelo, QWidget *padre = nullptr);
    void Repintar() override;

private:
    Selector &modelo_;
    GridModel *datos_;
    QTableView *gridTrabajadores_;
    QLabel *titulo_;
    bool repintando_ = false;
};
