#pragma once

#include "core/Conexion.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One line of the checks printed after an import: a figure of the source and the same figure
// read back from the database.
struct Comprobacion {
    Comprobacion(QString q, QString o, QString b, QString e = {}, QString n = {})
        : que(std::move(q)), origen(std::move(o)), base(std::move(b)), esperado(std::move(e)),
          nota(std::move(n))
    {
    }
    QString que;
    QString origen;
    QString base;
    QString esperado; // what the database must hold when rows were left out; empty: the source's
    QString nota;     // how many rows were left out
    bool Bien() const { return (esperado.isEmpty() ? origen : esperado) == base; }
};

// How far the import has gone: the table being brought (empty while the checks run) and the part
// of it done, from 0 to 1 (reading the source is the first half, writing the rows the second).
struct AvanceImportar {
    QString tabla;
    double parte = 0;
    qint64 guardadas = 0;
    qint64 total = 0;
};

struct OpcionesImportar {
    QString origen;              // .mdb/.accdb file or folder of CSV files
    bool omitirErroneas = false; // refused rows go to `informe` and the import goes on
    QString informe;
    // Called every few thousand rows and every moment while a source table is read. It may throw
    // ErrorIntercambio (a cancelled import): nothing is then imported.
    std::function<void(const AvanceImportar &)> progreso;
};

struct ResultadoImportar {
    bool ok = false;
    QString error; // why nothing was imported
    std::vector<Comprobacion> comprobaciones;
    qint64 omitidas = 0;
    QStringList omitidasPorTabla; // "caja: 3 de las 510 filas del origen"
    QStringList avisos;           // tables or columns the source has in excess, optional tables it lacks
};

// Brings the old program's tables into a database just created (no orders, no customers), every
// id kept, all in one transaction. The checks compare the database with what the source says it
// holds (its row counts, its money): a source the tools cannot read whole, a table the shop needs
// or a column with data missing, any row that cannot be taken (unless omitirErroneas) or any check
// that does not match leaves the database as it was. Tables the shop's data does not include are
// never touched.
ResultadoImportar Importar(Conexion &conexion, const OpcionesImportar &opciones);

// The checks as a table for the terminal.
QString TablaComprobaciones(const std::vector<Comprobacion> &comprobaciones);
