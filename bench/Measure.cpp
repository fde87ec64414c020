#include "bench/Measure.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace Measure {

std::int64_t NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::int64_t LaunchNs()
{
    const char* value = std::getenv("SETTINGS_BENCH_LAUNCH_NS");
    return value ? std::strtoll(value, nullptr, 10) : -1;
}

std::int64_t StatusKb(const char* Name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // A /proc file has no size: read it whole rather than testing for its end.
    const QByteArray key = QByteArray(Name) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

std::int64_t PeakMemoryKb()
{
    return StatusKb("VmHWM");
}

double Median(QList<double> Values)
{
    if (Values.isEmpty())
        return 0.0;
    std::sort(Values.begin(), Values.end());
    const qsizetype middle = Values.size() / 2;
    return Values.size() % 2 ? Values[middle] : (Values[middle - 1] + Values[middle]) / 2.0;
}

} // namespace Measure
