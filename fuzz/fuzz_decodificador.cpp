#include "printing/DecodificadorTicket.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    (void)DecodificarTicket(QByteArray(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(tam)));
    return 0;
}
