#include "Medida.h"

#include <QFile>
#include <algorithm>
#include <ctime>
#include <malloc.h>

namespace Medida {

qint64 AhoraNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

double Ms(const std::function<void()> &trabajo)
{
    return Medir(trabajo).ms;
}

Muestra Medir(const std::function<void()> &trabajo)
{
    const double cpu = CpuMs();
    const qint64 inicio = AhoraNs();
    trabajo();
    return {double(AhoraNs() - inicio) / 1e6, CpuMs() - cpu};
}

Muestra Mediana(const std::vector<Muestra> &muestras)
{
    std::vector<double> ms, cpu;
    for (const Muestra &m : muestras) {
        ms.push_back(m.ms);
        cpu.push_back(m.cpuMs);
    }
    return {Mediana(ms), Mediana(cpu)};
}

double Mediana(std::vector<double> valores)
{
    if (valores.empty())
        return 0;
    std::sort(valores.begin(), valores.end());
    const size_t m = valores.size() / 2;
    return valores.size() % 2 ? valores[m] : (valores[m - 1] + valores[m]) / 2;
}

double PicoMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linea : f.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void ReiniciarPico()
{
    malloc_trim(0); // memory freed by the previous operation goes back to the system first
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace Medida
