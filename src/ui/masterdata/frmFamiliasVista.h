#pragma once

#include "ui/common/Vista.h"

class frmFamilias;

class frmFamiliasVista : public Vista
{
    Q_OBJECT
public:
    explicit frmFamiliasVista(frmFamilias &modelo, QWidget *padre = nullptr);
    QTableView *tabla() const { return tabla_; }

protected:
    void Repintar() override;
    void Escape() override;

private:
    frmFamilias &modelo_;
    GridModel *gridModel_;
    QTableView *tabla_;
};
