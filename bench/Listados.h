#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class Conexion;

// What the listings are asked for, taken from the shop's own data so that each one returns
// what it would on a busy day.
struct ParametrosListados {
    int costurera = 1; // the worker with the most garments pending
    int tienda = 0;    // the partner shop with the most orders
    int ano = 0;       // the last whole month before the newest cash day
    int mes = 0;
    int cliente = 0; // the customer with the most orders
    qint64 clienteArreglos = 0;
    QString cierre; // the newest cash day
    QString busqueda = QStringLiteral("Garc");
    int diasAtraso = 15;
    qint64 ultimoArreglo = 0; // the newest order: where the assignment screen's pages start
};

ParametrosListados ElegirParametros(Conexion &c);

// One listing as its screen runs it: the statements in order and, for the shop accounts,
// one DimeSumaCajaArreglo per order listed.
struct Listado {
    QString nombre;
    double objetivoMs;
    QStringList sql;
    bool sumasCaja = false;
    // A screen's own handler, from the touch to the last row on screen; returns the rows shown.
    std::function<qint64()> pantalla = {};
    // Lets go of what the screen keeps, once its row is measured.
    std::function<void()> liberar = {};
    // Set by `pantalla`: the longest step it ran without going back to the event loop (the
    // touch, or one part of a list read behind the rows on screen), in ms; -1 when not noted.
    std::shared_ptr<double> esperaMs = {};
};

std::vector<Listado> ListadosDeLaTienda(const ParametrosListados &p);
