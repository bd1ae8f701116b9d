#pragma once

#include "core/Conexion.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One line of the checks printed after an import: a figure of the source and the same figure
// read back from the database.
struct Comprobacion {
    QString que;
    QString origen;
    QString base;
    bool Bien() const { return origen == base; }
};

struct OpcionesImportar {
    QString origen;              // .mdb/.accdb file or folder of CSV files
    bool omitirErroneas = false; // refused rows go to `informe` and the import goes on
    QString informe;
    // Called every few thousand rows: the table, rows done and rows it has.
    std::function<void(const QString &tabla, qint64 hechas, qint64 total)> progreso;
};

struct ResultadoImportar {
    bool ok = false;
    QString error; // why nothing was imported
    std::vector<Comprobacion> comprobaciones;
    qint64 omitidas = 0;
    QStringList avisos; // tables or columns the source lacks or has in excess
};

// Brings the old program's tables into a database just created (no orders, no customers), every
// id kept, all in one transaction: any row that cannot be taken (unless omitirErroneas) or any
// check that does not match leaves the database as it was.
ResultadoImportar Importar(Conexion &conexion, const OpcionesImportar &opciones);

// The checks as a table for the terminal.
QString TablaComprobaciones(const std::vector<Comprobacion> &comprobaciones);
