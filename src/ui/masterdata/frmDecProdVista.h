#pragma once

#include "ui/common/Vista.h"

class frmDecProd;

class frmDecProdVista : public Vista
{
    Q_OBJECT
public:
    explicit frmDecProdVista(frmDecProd &modelo, QWidget *padre = nullptr);

protected:
    void Repintar() override {}
    void Escape() override;

private:
    frmDecProd &modelo_;
};
