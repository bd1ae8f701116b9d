#include "CodigoBarras.h"

QString CodigoEAN13(const QString &digitos)
{
    QString d = digitos.left(12).rightJustified(12, QLatin1Char('0'));
    if (d[0] == QLatin1Char('0'))
        d[0] = QLatin1Char('1');
    int a = 0, b = 0;
    for (int i = 0; i < 12; ++i) {
        const int v = d[i].digitValue();
        if (i % 2 == 0)
            a += v; // positions 1, 3, 5 ... counted from 1
        else
            b += v;
    }
    const int total = a + 3 * b;
    const int control = total % 10 == 0 ? 0 : 10 - total % 10;
    return d + QString::number(control);
}

QString ReferenciaDeCodigo(const QString &leido)
{
    if (!leido.startsWith(QLatin1Char('$')))
        return {};
    const QString cuerpo = leido.mid(2, leido.size() - 3);
    const QString arreglo = cuerpo.left(8);
    const QString prenda = cuerpo.right(3);
    return QString::number(arreglo.toLongLong()) + QLatin1Char('.') + QString::number(prenda.toLongLong());
}
