#include "Entrada.h"
#include "core/CodigoBarras.h"
#include "printing/DecodificadorTicket.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    const QString leido = TextoDe(datos, tam);
    (void)ReferenciaDeCodigo(leido);
    // Whatever digits a reference has, its barcode is a full symbol.
    QString digitos;
    for (QChar c : leido)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos += c;
    if (ModulosEAN13(CodigoEAN13(digitos)).size() != 95)
        std::abort();
    (void)CodigoEAN13(leido);
    (void)ModulosEAN13(leido);
    return 0;
}
