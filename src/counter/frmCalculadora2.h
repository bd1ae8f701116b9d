#pragma once

#include <QString>

// A pocket calculator for the counter: digits, the four operations, percent, clear.
// Works like a shop's desk calculator: operations chain left to right; "%" after
// "a + b" adds b percent of a, after "a x b" gives b percent of a.
class frmCalculadora2
{
public:
    QString txtPantalla = QStringLiteral("0");

    void Digito(QChar c);     // '0'..'9' or '.'
    void Operacion(QChar op); // '+', '-', '*', '/'
    void Igual();
    void Porcentaje();
    void Borrar();    // C: everything
    void Retroceso(); // last digit typed

private:
    double Valor() const;
    void Mostrar(double v);
    bool Calcular(double b);
    double acumulado_ = 0;
    QChar pendiente_;
    bool nuevaEntrada_ = true;
    bool error_ = false;
};
