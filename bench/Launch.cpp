// bench_launch PROGRAM [ARGS...]: stamps the monotonic clock into the environment and
// replaces itself with PROGRAM, which then measures its start-up from the exec on
// (Measure::LaunchNs reads the stamp; CLOCK_MONOTONIC is the same in both processes).
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string stamp = std::to_string(std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec);
    setenv("SETTINGS_BENCH_LAUNCH_NS", stamp.c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
