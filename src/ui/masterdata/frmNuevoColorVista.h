#pragma once

#include "ui/common/Vista.h"

#include <functional>

class QLineEdit;
class frmNuevoColor;

// Asks the name of a new colour.
class frmNuevoColorVista : public Vista
{
    Q_OBJECT
public:
    explicit frmNuevoColorVista(frmNuevoColor &modelo, QWidget *padre = nullptr);

protected:
    void Escape() override;
    void Leer() override;

private:
    frmNuevoColor &modelo_;
    QLineEdit *txtColor_;
};
