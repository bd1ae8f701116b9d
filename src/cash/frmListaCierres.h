#pragma once

#include "core/Grid.h"

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

// One bar of the takings chart: a cash day ("05/12") or a month ("dic 26") and what came in.
struct Recaudacion {
    QString etiqueta;
    double importe = 0;
};

// Every cash day, newest first, with the sum of all its movements; opens a day's sales sheet.
class frmListaCierres
{
public:
    Grid gridCierres;
    bool Abierto = false;
    // Oldest first: the newest 30 cash days, and the 12 months up to this one (empty months at 0).
    std::vector<Recaudacion> recaudacionDias;
    std::vector<Recaudacion> recaudacionMeses;

    static QString SqlCierres();
    // Day rows have an 8-character periodo (yyyymmdd), month rows a 6-character one (yyyymm).
    static QString SqlRecaudacion(const QDate &primerMes);

    void CargarFormulario(const std::function<void()> &mostrar);
    void Llenar();
    void LlenarRecaudacion();

    void gridCierres_Click(int fila);
    void cmdVerDetalle_Click();
    void cmdAceptar_Click() { Abierto = false; }
    void salirformulario() { Abierto = false; }
    void Form_KeyPress(int tecla)
    {
        if (tecla == 27)
            Abierto = false;
    }
};
