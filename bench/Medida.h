#pragma once

#include <QString>
#include <functional>
#include <vector>

// Timing and memory of the benchmark process.
namespace Medida {

// Monotonic clock shared by every process of the machine, in nanoseconds: a child process
// can time itself from the instant its parent started it.
qint64 AhoraNs();
// CPU time used so far by this process, in milliseconds. Beside the wall clock it shows what
// an operation costs when other programs share the machine's cores.
double CpuMs();

// Wall milliseconds taken by one call.
double Ms(const std::function<void()> &trabajo);

struct Muestra {
    double ms = 0;
    double cpuMs = 0;
};
// Wall and CPU milliseconds taken by one call.
Muestra Medir(const std::function<void()> &trabajo);

// Medians of the wall and CPU times of several samples.
Muestra Mediana(const std::vector<Muestra> &muestras);
double Mediana(std::vector<double> valores);
// Peak resident memory of this process since the last reset, in MB (Linux VmHWM).
double PicoMb();
// Starts a new peak from the memory in use now (Linux clear_refs 5).
void ReiniciarPico();

} // namespace Medida
