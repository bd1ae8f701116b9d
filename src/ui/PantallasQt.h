#pragma once

#include "core/Pantallas.h"

class PantallasQt : public Pantallas
{
public:
    QSize TamanoPantalla() const override;
    int ListaClientes() override;
    void FichaCliente(const QString &telefono, int idcliente) override;
    void Calculadora() override;
    QString Colores() override;
    void NuevoColor() override;
    int AnchoTextoTwips(const QString &texto) const override;
    void HojaVenta() override;
    void HojaVentaDeCaja(const QString &nombrecierre) override;
    void ListaCierres() override;
    void PendientesPorTrabajador() override;
    void Atrasados() override;
    void TerminarPrograma() override;
};
