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
    void ParametrosGenerales() override;
    void CopiaSeguridad() override;
    void Asignacion() override;
    void AsignarBarras() override;
    void EntradaBarras() override;
    void DetalleReferencia(const QString &referencia) override;
    void PagosATrabajadores() override;
    void PagosTiendas() override;
    void DecProd() override;
    void Familias() override;
    void NuevaFamilia(int idfamilia) override;
    void MantProductos(int idproducto) override;
    void ListadoProductos() override;
    void Opciones() override;
    void ListaTrabajadores() override;
    void NuevoTrabajador(int idcosturera) override;
    void ListaEntregar(int idarreglo) override;
    void ListaPrendas(int idarreglo) override;
    void ArreglosCliente(int idcliente) override;
    void HojaVenta() override;
    void HojaVentaDeCaja(const QString &nombrecierre) override;
    void ListaCierres() override;
    void RegistroOperaciones() override;
    void PendientesPorTrabajador() override;
    void Atrasados() override;
    void TerminarPrograma() override;
};
