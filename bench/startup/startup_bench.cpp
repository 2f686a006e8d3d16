// Start-up of the meter window against a bare Qt window with the same controls:
// from process start to the window's first paint, and the peak resident memory.
// Needs an X display (run it under xvfb-run).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run {
    double seconds;
    double peakMegabytes;
};

Run startOnce(const std::string& program)
{
    int out[2];
    if (pipe(out) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const long long start = monotonicNanoseconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
        std::abort();
    close(out[1]);
    posix_spawn_file_actions_destroy(&actions);

    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return {-1, 0};
    return {double(std::stoll(text) - start) / 1e9, double(usage.ru_maxrss) / 1024.0};
}

void startUp(benchmark::State& state, const std::string& probe)
{
    const std::string program = std::string(PROBE_DIR) + "/" + probe;
    double peak = 0;
    for (auto _ : state) {
        const Run run = startOnce(program);
        if (run.seconds < 0) {
            state.SkipWithError("the probe did not paint (no display?)");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak += run.peakMegabytes;
    }
    state.counters["peak_RSS_MB"] = benchmark::Counter(peak / double(state.iterations()));
}

BENCHMARK_CAPTURE(startUp, bare_window, std::string("startup_bare_probe"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(startUp, meter_window, std::string("startup_meter_probe"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

} // namespace

BENCHMARK_MAIN();
