#pragma once

#include <QString>
#include <vector>

// The shop's tables and columns as the database creation script makes them, in the order an
// import fills them (customers before their orders, orders before their lines).
enum class TipoColumna { Entero, Importe, Texto, Fecha };

struct ColumnaEsquema {
    QString nombre;
    TipoColumna tipo;
};

struct TablaEsquema {
    QString nombre;
    QString clave; // empty for the one row of parameters
    bool autonumerica = false;
    std::vector<ColumnaEsquema> columnas;
    int Columna(const QString &nombre) const; // without regard to case; -1 when missing
};

const std::vector<TablaEsquema> &TablasEsquema();
