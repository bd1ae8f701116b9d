#include "Entrada.h"
#include "core/Programa.h"
#include "printing/CanalTickets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    G().AnchuraTicket = 40;
    const QString texto = TextoDe(datos, tam);
    (void)BytesTicket(texto);
    for (int modo = 0; modo < 3; ++modo)
        (void)AlinearTexto(texto, modo);
    (void)PartirLineas(texto);
    // With no output set the line goes nowhere, but it is composed all the same.
    ImprimirLineaTicket(texto, 1, 0, 1, 0, 0);
    return 0;
}
