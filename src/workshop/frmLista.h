#pragma once

#include "PrendasArreglo.h"

// The garments of one order as seen from the customer's history: their state can still be
// changed, also after the order was handed over.
class frmLista : public PrendasArreglo
{
public:
    frmLista()
        : PrendasArreglo(
            {QStringLiteral("Lista de prendas en el arreglo"),
             QStringLiteral("Lista de prendas en el arreglo"),
             QStringLiteral("Salir"),
             {1230, 4080, 1920, 15, 2520},
             QStringLiteral("SELECT DISTINCT     arreglos_detalles.referenciaPrenda,     "
                            "arreglos_detalles.Nombreprenda,     arreglos_detalles.listoparaentrega , "
                            "costureras.Nombre FROM arreglos_detalles LEFT OUTER JOIN     costureras ON "
                            "    arreglos_detalles.idCosturera = costureras.idCosturera Where "
                            "(arreglos_detalles.idArreglo = "),
             QStringLiteral(") ORDER BY arreglos_detalles.referenciaPrenda"),
             false,
             MensajeSinAsignar()})
    {
    }
};
