#pragma once

#include <QString>
#include <functional>
#include <vector>

// Timing and memory of the benchmark process.
namespace Medida {

// Monotonic clock shared by every process of the machine, in nanoseconds: a child process
// can time itself from the instant its parent started it.
qint64 AhoraNs();
// Milliseconds taken by one call.
double Ms(const std::function<void()> &trabajo);
double Mediana(std::vector<double> valores);
// Peak resident memory of this process since the last reset, in MB (Linux VmHWM).
double PicoMb();
// Starts a new peak from the memory in use now (Linux clear_refs 5).
void ReiniciarPico();

} // namespace Medida
