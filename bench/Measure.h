#pragma once

#include <QList>

#include <cstdint>

// Clock, memory and statistics shared by the benchmark programs.
namespace Measure {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a launcher's time
// stamp and a child's can be subtracted.
std::int64_t NowNs();

// The time stamp that bench_launch took just before it replaced itself with this process,
// from the environment; -1 when started some other way.
std::int64_t LaunchNs();

// The process's peak resident set (VmHWM) in kB, or -1.
std::int64_t PeakMemoryKb();
// A line of /proc/self/status in kB ("RssAnon", "RssFile" ...), or -1.
std::int64_t StatusKb(const char* Name);

double Median(QList<double> Values);

} // namespace Measure
