#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class BaseDePrueba;

// What must hold in a shop's database after any action of any till: FallosDeEstructura, and what
// the simulation reads with its own SQL (the sales sheet, worker pay and shop accounts are compared with
// their screens). Empty when all is well; else one line per fault, in words a person can check.
QStringList Invariantes(BaseDePrueba &b);

// The movements of one cash day, one line each, without those of the annulled orders.
QString MovimientosDeCaja(BaseDePrueba &b, const QString &dia, const QSet<qint64> &anulados);
