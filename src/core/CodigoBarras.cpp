#include "CodigoBarras.h"

namespace {

// The EAN-13 check digit of 12 digits.
int DigitoControl(const QString &doce)
{
    int a = 0, b = 0;
    for (int i = 0; i < 12; ++i) {
        const int v = doce[i].digitValue();
        if (i % 2 == 0)
            a += v; // positions 1, 3, 5 ... counted from 1
        else
            b += v;
    }
    const int total = a + 3 * b;
    return total % 10 == 0 ? 0 : 10 - total % 10;
}

} // namespace

QString CodigoEAN13(const QString &digitos)
{
    QString d = digitos.left(12).rightJustified(12, QLatin1Char('0'));
    if (d[0] == QLatin1Char('0'))
        d[0] = QLatin1Char('1');
    return d + QString::number(DigitoControl(d));
}

QString ReferenciaDeCodigo(const QString &leido)
{
    // "$", the lead digit, 8 of order, 3 of garment, the check digit: nothing else is a ticket of
    // this shop (a foreign article's code, a reader that drops the check digit, a misread).
    if (leido.size() != 14 || leido[0] != QLatin1Char('$') || leido[1] != PrimeraCifraCodigoPrenda)
        return {};
    for (int i = 1; i < 14; ++i)
        if (leido[i] < QLatin1Char('0') || leido[i] > QLatin1Char('9'))
            return {};
    if (leido[13].digitValue() != DigitoControl(leido.mid(1, 12)))
        return {};
    return QString::number(leido.mid(2, 8).toLongLong()) + QLatin1Char('.')
           + QString::number(leido.mid(10, 3).toLongLong());
}
