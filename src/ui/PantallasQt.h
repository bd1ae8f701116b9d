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
    void Opciones() override;
    void ListaTrabajadores() override;
    void NuevoTrabajador(int idcosturera) override;
    void ListaEntregar(int idarreglo) override;
    void ListaPrendas(int idarreglo) override;
    void ArreglosCliente(int idcliente) override;
};
