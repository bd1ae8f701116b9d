#pragma once

#include "Simulacion.h"

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <ostream>
#include <vector>

// What the generator needs to know of the shop: how many tills, and how many orders were taken
// in so far (the numbers a step may name; a number no order has is tried too).
struct Modelo {
    int puestos = 3;
    int arreglos = 0;
};

// In the order of their weights in the random draw (Pasos.cpp).
enum class Tipo {
    NuevoArreglo,
    Merceria,
    Modificar,
    TocarFamilia,
    TocarFila,
    TocarFecha,
    Pagar,
    Acabar,
    Entregar,
    Anular,
    Escanear,
    SacarDinero,
    CobrarTienda,
    PagarTrabajador,
    CierreCaja,
    Arrancar,
    PasarDia,
    AsignarLista,
    ElegirPrenda,
    Corte
};

// One till's action in a history, shown as a person would replay it.
struct Paso : rc::state::Command<Modelo, Simulacion> {
    Tipo tipo = Tipo::Acabar;
    int puesto = 0;
    int numero = 0;   // an order number
    int a = 0, b = 0; // the action's other choices (amount in cents, row, garment, worker...)
    bool si = false;
    std::vector<Simulacion::Prenda> prendas;

    Paso() = default;
    // A step of a history written by hand.
    Paso(Tipo t, int p, int n = 0, int a_ = 0, int b_ = 0, bool s = false,
         std::vector<Simulacion::Prenda> ps = {})
        : tipo(t), puesto(p), numero(n), a(a_), b(b_), si(s), prendas(std::move(ps))
    {
    }

    void checkPreconditions(const Modelo &m) const override;
    void apply(Modelo &m) const override;
    void run(const Modelo &m, Simulacion &s) const override;
    void show(std::ostream &os) const override;

    // Runs the step; the faults it left behind, empty when none.
    QStringList Ejecutar(Simulacion &s) const;
    QString Texto() const;
};

using PasoSP = std::shared_ptr<const rc::state::Command<Modelo, Simulacion>>;

// The next step of a history.
rc::Gen<PasoSP> GenerarPaso(const Modelo &m);
