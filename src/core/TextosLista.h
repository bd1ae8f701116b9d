#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

// The texts of a long listing, each made once: worker names, garments, days and amounts repeat
// over hundreds of thousands of rows, and one shared copy of each keeps the listing fast and small.
class TextosLista
{
public:
    QString Compartido(const QString &texto);
    // A day as "dd/MM/yy"; "" when the value is not a date.
    QString Fecha(const QVariant &valor);
    // "0.00", as FormatoDosDecimales writes it.
    QString Importe(double importe);
    // "1,234.50", as FormatoImporte writes it.
    QString ImporteConMiles(double importe);
    void Vaciar();

private:
    QHash<QString, QString> textos_;
    QHash<int, QString> fechas_;
    QHash<double, QString> importes_;
    QHash<double, QString> conMiles_;
};
