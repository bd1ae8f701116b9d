#pragma once

#include "core/Pantallas.h"

#include <QApplication>
#include <functional>

// Shows form model `modelo`'s window modally over the active window, until a handler closes it.
// The form model's CargarFormulario() calls this once its data is ready.
template <class V, class M, class... Mas> std::function<void()> MostrarVista(M &modelo, Mas... mas)
{
    return [&modelo, mas...] {
        V vista(modelo, mas..., QApplication::activeWindow());
        vista.exec();
    };
}

// Opens a screen: a fresh form model of type M loads with `datos` and shows its view V;
// gives back what the form model answers (the chosen colour, customer...).
template <class M, class V, class... Datos> auto Abrir(const Datos &...datos)
{
    M modelo;
    return modelo.CargarFormulario(datos..., MostrarVista<V>(modelo));
}

class PantallasQt : public Pantallas
{
public:
    int ListaClientes() override;
    void FichaCliente(const QString &telefono, int idcliente) override;
    void Calculadora() override;
    QString Colores() override;
    void NuevoColor() override;
    int AnchoTextoTwips(const QString &texto) const override;
    void ImportarDatos() override;
    void AsignarBarras() override;
    void EntradaBarras() override;
    void DetalleReferencia(const QString &referencia) override;
    void NuevaFamilia(int idfamilia) override;
    void MantProductos(int idproducto) override;
    void ListadoProductos() override;
    ArregloParaVenta Opciones(int arregloEnVenta) override;
    void NuevoTrabajador(int idcosturera) override;
    ArregloParaVenta ListaEntregar(int idarreglo) override;
    void ListaPrendas(int idarreglo) override;
    void ArreglosCliente(int idcliente) override;
    void HojaVentaDeCaja(const QString &nombrecierre) override;
    void TerminarPrograma() override;
};
