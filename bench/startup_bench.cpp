// Start-up benchmark: runs each program several times with the start-up probe on, and reports the
// medians of the time from process start to its first painted window, of the processor time spent
// by then and of the peak memory, and the ratios of the first program to each of the others. It
// reports; it never fails a build.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Measures = std::array<double, 3>;  // milliseconds to the first frame, processor milliseconds, peak MiB

double Milliseconds(const timeval& t)
{
    return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0;
}

// One start: the time until the probe's line, then (the probe quits right after it) the processor
// time and peak memory of the start-up; nothing when no window showed.
std::optional<Measures> Run(const char* program)
{
    int ends[2];
    if (pipe(ends) != 0)
        return std::nullopt;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        close(ends[1]);
        setenv("QUADRIVELLO_STARTUP_PROBE", "1", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    std::string out;
    char buffer[256];
    for (ssize_t got = 0; out.find('\n') == std::string::npos && (got = read(ends[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(got));
    const std::chrono::duration<double, std::milli> frame = std::chrono::steady_clock::now() - start;
    close(ends[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (out.rfind("first-frame", 0) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    // ru_maxrss is in KiB.
    return Measures{frame.count(), Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
                    double(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    std::vector<std::array<std::vector<double>, 3>> samples(programs.size());  // by program, then measure
    // One start of each first, unmeasured, so that all find the libraries in the page cache; then
    // they take turns, so that a busy moment of the machine falls on all alike.
    for (const char* program : programs)
        Run(program);
    for (int i = 0; i < runs; ++i) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            if (const std::optional<Measures> sample = Run(programs[p])) {
                for (std::size_t m = 0; m < 3; ++m)
                    samples[p][m].push_back((*sample)[m]);
            }
        }
    }
    std::vector<Measures> medians;
    std::printf("Start-up benchmark, %d runs each (medians): time to the first painted window, processor time, "
                "peak memory\n",
                runs);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        medians.push_back({Median(samples[p][0]), Median(samples[p][1]), Median(samples[p][2])});
        std::printf("  %-36s %7.1f ms   cpu %6.1f ms   peak %6.1f MiB", programs[p], medians[p][0], medians[p][1],
                    medians[p][2]);
        if (const auto failures = std::size_t(runs) - samples[p][0].size(); failures > 0)
            std::printf("   (%zu runs showed no window)", failures);
        std::printf("\n");
    }
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("  %s / %s: time %.2fx, cpu %.2fx, memory %.2fx\n", programs[0], programs[p],
                    medians[0][0] / medians[p][0], medians[0][1] / medians[p][1], medians[0][2] / medians[p][2]);
    std::printf("  (aim against the empty window: time at most 1.25x, memory at most 1.20x)\n");
    return 0;
}
