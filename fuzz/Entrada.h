#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the text a user, a scanner or a file would hand the program.
inline QString TextoDe(const uint8_t *datos, size_t tam)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(tam));
}
