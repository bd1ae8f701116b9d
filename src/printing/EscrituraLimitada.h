#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

// Writing a ticket line to a printer that may be gone: every wait is bounded, so that no line
// holds the counter for more than a second.
inline constexpr int LimiteLineaMs = 800;

// Writes all the bytes to a non-blocking descriptor before the deadline; false when it could not.
bool EscribirAntesDe(int fd, const QByteArray &bytes, const QDeadlineTimer &limite);
// Waits until the device reports its last write done (the USB printer driver says so through
// poll), so that closing it does not cancel the line; false when the deadline came first.
bool EsperarEscrito(int fd, const QDeadlineTimer &limite);
