#include "Entrada.h"
#include "core/Dialecto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    const QString sql = TextoDe(datos, tam);
    const QDateTime ahora(QDate(2026, 12, 5), QTime(10, 30));
    (void)Dialecto::Traducir(sql, Motor::SQLite, ahora);
    (void)Dialecto::Traducir(sql, Motor::PostgreSQL, ahora);
    return 0;
}
