#pragma once

#include "ui/common/Vista.h"

#include <functional>

class GridModel;
class QTableView;
class frmColores;

// The colours screen: names 18 to a column, a touch picks one.
class frmColoresVista : public Vista
{
    Q_OBJECT
public:
    explicit frmColoresVista(frmColores &modelo, QWidget *padre = nullptr);
    void Repintar() override;

protected:
    void Escape() override;

private:
    frmColores &modelo_;
    GridModel *datos_;
    QTableView *gridColores_;
};
