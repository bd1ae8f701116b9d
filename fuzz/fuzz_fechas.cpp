#include "Entrada.h"
#include "core/Fechas.h"
#include "core/LiteralesSQL.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    const QString texto = TextoDe(datos, tam);
    const QDateTime f = FechaDeTexto(texto);
    const QString literal = LiteralFechaSQL(texto);
    // A date literal is Null or one quoted value.
    if (literal != QLatin1String("Null")
        && !(literal.size() >= 2 && literal.startsWith(QLatin1Char('\''))
             && literal.endsWith(QLatin1Char('\''))))
        std::abort();
    if (f.isValid())
        (void)FormatoFecha(f, QStringLiteral("dd/MM/yy"));
    (void)FormatoFecha(QVariant(texto), QStringLiteral("dd/MM/yyyy"));
    (void)FechaSQL(texto, 0);
    (void)FechaSQL(texto, 1);
    return 0;
}
