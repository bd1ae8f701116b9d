#include "frmCalculadora2.h"

#include "core/Formato.h"

#include <cmath>

double frmCalculadora2::Valor() const
{
    return Val(txtPantalla);
}

void frmCalculadora2::Mostrar(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1e13) {
        txtPantalla = QStringLiteral("Error");
        error_ = true;
        return;
    }
    // Ten decimals are plenty at a counter and hide binary noise such as 0.30000000000000004.
    txtPantalla = TextoNumero(std::round(v * 1e10) / 1e10);
}

void frmCalculadora2::Digito(QChar c)
{
    if (error_)
        Borrar();
    if (nuevaEntrada_) {
        txtPantalla = c == u'.' ? QStringLiteral("0.") : QString(c);
        nuevaEntrada_ = false;
        return;
    }
    if (c == u'.' && txtPantalla.contains(u'.'))
        return;
    if (txtPantalla.size() >= 14)
        return;
    if (txtPantalla == QLatin1String("0") && c != u'.')
        txtPantalla = c;
    else
        txtPantalla += c;
}

bool frmCalculadora2::Calcular(double b)
{
    double r = b;
    switch (pendiente_.unicode()) {
    case u'+':
        r = acumulado_ + b;
        break;
    case u'-':
        r = acumulado_ - b;
        break;
    case u'*':
        r = acumulado_ * b;
        break;
    case u'/':
        if (b == 0) {
            txtPantalla = QStringLiteral("Error");
            error_ = true;
            return false;
        }
        r = acumulado_ / b;
        break;
    default:
        break;
    }
    Mostrar(r);
    acumulado_ = r;
    return !error_;
}

void frmCalculadora2::Operacion(QChar op)
{
    if (error_)
        return;
    if (!nuevaEntrada_ || pendiente_.isNull()) {
        if (!Calcular(Valor()))
            return;
    }
    pendiente_ = op;
    nuevaEntrada_ = true;
}

void frmCalculadora2::Igual()
{
    if (error_ || pendiente_.isNull())
        return;
    Calcular(Valor());
    pendiente_ = QChar();
    nuevaEntrada_ = true;
}

void frmCalculadora2::Porcentaje()
{
    if (error_)
        return;
    const double b = Valor();
    if (pendiente_ == u'+' || pendiente_ == u'-')
        Mostrar(acumulado_ * b / 100.0);
    else if (pendiente_ == u'*') {
        Mostrar(acumulado_ * b / 100.0);
        pendiente_ = QChar();
        acumulado_ = Valor();
        nuevaEntrada_ = true;
        return;
    } else
        Mostrar(b / 100.0);
    if (!pendiente_.isNull()) {
        Calcular(Valor());
        pendiente_ = QChar();
    }
    nuevaEntrada_ = true;
}

void frmCalculadora2::Borrar()
{
    txtPantalla = QStringLiteral("0");
    acumulado_ = 0;
    pendiente_ = QChar();
    nuevaEntrada_ = true;
    error_ = false;
}

void frmCalculadora2::Retroceso()
{
    if (error_ || nuevaEntrada_)
        return;
    txtPantalla.chop(1);
    if (txtPantalla.isEmpty() || txtPantalla == QLatin1String("-"))
        txtPantalla = QStringLiteral("0");
}
