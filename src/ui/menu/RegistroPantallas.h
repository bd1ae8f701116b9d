#pragma once

#include "core/Pantallas.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class FRMoPCIONES;

// What the checks that walk the registry need to know of a screen.
enum RasgoPantalla : unsigned {
    PideClave = 1, // behind the owner's PIN: the options menu asks it before opening
    EsListado = 2, // a listing over the shop's history: hilvan-bench measures it on the ten-year shop
    SeTeclea = 4,  // staff type or scan text into it: test_bd_hostil tries hostile text in its boxes
};

// One row of the registry of screens (RegistroPantallas.cpp). A new screen is one row there, after
// its form model, its view and its test; a menu button is a row with a column and a button name.
struct FichaPantalla {
    const char *modelo; // the form model ("frmAtrasados"); "" for a menu action with no screen
    const char *nombre; // what staff call it: its menu caption, or its window's title
    const char *area;   // its folder under src/ and src/ui/ ("workshop")
    const char *vista;  // its view under src/ui/ ("workshop/frmAtrasadosVista"); "" for none
    int columna;        // its column on the options menu (0 Arreglos, 1 Mantenimiento, 2 Cajas); -1: off it
    const char *abre;   // on the menu: its button's name; off it: what opens it (a Pantallas method)
    unsigned rasgos;    // RasgoPantalla flags
    ArregloParaVenta (*abrir)(FRMoPCIONES &menu); // what its menu button does; nullptr off the menu
    const char *captura;                          // its picture's name in `hilvan --capturas`; "" for none
    std::unique_ptr<QWidget> (*capturar)(); // makes that picture; nullptr: its area's Ventanas<Area>() does
};

// Every screen and menu action of the program, the options menu's buttons in menu order.
const std::vector<FichaPantalla> &RegistroPantallas();
// The row of a form model or, for a menu action, of its caption; nullptr when there is none.
const FichaPantalla *BuscarPantalla(const QString &modeloONombre);
// The screen index of docs/ARCHITECTURE.md, as the registry says it (a test compares the two).
QString IndicePantallas();
