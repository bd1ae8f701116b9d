#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class Conexion;

// What must hold in a shop's database after any action of any till, read with the simulation's
// own SQL (the sales sheet, worker pay and shop accounts are compared with their screens).
// Empty when all is well; else one line per fault, in words a person can check.
QStringList Invariantes(Conexion &c);

// Cash days whose every movement is closed.
QStringList CajasCerradas(Conexion &c);
// The movements of one cash day, one line each, without those of the annulled orders.
QString MovimientosDeCaja(Conexion &c, const QString &dia, const QSet<qint64> &anulados);
