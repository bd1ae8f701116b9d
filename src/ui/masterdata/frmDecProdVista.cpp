#include "ui/masterdata/frmDecProdVista.h"

#include "masterdata/frmDecProd.h"

#include <QHBoxLayout>
#include <QPushButton>

frmDecProdVista::frmDecProdVista(frmDecProd &modelo, QWidget *padre)
    : Vista(modelo.Abierto, QStringLiteral("Arreglos en prendas"), padre), modelo_(modelo)
{
    auto *capa = new QHBoxLayout(this);
    capa->setContentsMargins(30, 30, 30, 30);
    capa->setSpacing(24);
    for (QPushButton *b : {Boton(QStringLiteral("Nuevo arreglo"), QStringLiteral("cmdAsignar"),
                                 [this] { modelo_.cmdAsignar_Click(); }),
                           Boton(QStringLiteral("Modificar datos"), QStringLiteral("cmdVerArreglo"),
                                 [this] { modelo_.cmdVerArreglo_Click(); })}) {
        b->setMinimumSize(240, 110);
        capa->addWidget(b);
    }
}

void frmDecProdVista::Escape()
{
    modelo_.Form_KeyPress(27);
}
