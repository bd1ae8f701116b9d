#pragma once

#include "PrendasArreglo.h"
#include "core/Pantallas.h"

// The garments of an order the customer comes to collect. "Entregar a cliente" hands the order
// over on the sale screen once every garment has been assigned and is back in the shop; a
// delivered order can no longer be changed here.
class frmListaEntregar : public PrendasArreglo
{
public:
    frmListaEntregar();

    QString cmdMarcarComoEntregadoCaption = QStringLiteral("Entregar a cliente");
    bool cmdMarcarComoEntregadoEnabled = true;
    // Set by "Entregar a cliente": the order goes on to the sale screen to be handed over.
    ArregloParaVenta ArregloACargar;

    void LlenarPrendas(int idarreglo) override;
    void cmdMarcarComoEntregado_Click();

    // Asks the order number on the keypad and opens this screen for it. `noEncontrado` starts
    // the message for a number no order has; a blank or non-numeric answer does nothing. Gives
    // back the order when it is to be handed over on the sale screen.
    static ArregloParaVenta PedirArregloYMostrar(const QString &noEncontrado);
    // The same screen for an order whose number is known (a garment ticket scanned); the message
    // noEncontrado when there is no such order.
    static ArregloParaVenta MostrarParaEntregar(qint64 idarreglo, const QString &noEncontrado);

protected:
    bool Bloqueado() override;
};

// The order number typed on the keypad under `titulo`, kept as typed in `respuesta`; false when
// the answer is empty or not a number.
bool PedirNumeroArreglo(const QString &titulo, QString &respuesta, qint64 &idarreglo);
