#include "Entrada.h"
#include "core/Formato.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    const QString texto = TextoDe(datos, tam);
    const double v = Val(texto);
    const bool numero = EsNumero(texto);
    (void)FormatoImporte(texto);
    if (std::isfinite(v)) {
        const QString sql = TextoNumero(v);
        // What goes into SQL is a plain number: no exponent, no grouping, no locale.
        for (QChar c : sql)
            if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-')))
                std::abort();
        if (std::fabs(v) < 1e12 && std::fabs(Val(sql) - v) > 1e-6 * std::max(1.0, std::fabs(v)))
            std::abort();
        (void)FormatoImporte(RedondearImporte(v));
    }
    (void)numero;
    return 0;
}
