// Start-up benchmark: runs each program several times with the start-up probe on, and reports the
// time from process start to its first painted window, the processor time spent by then, and the
// peak memory, as medians, and the ratios of the first program to each of the others. It reports;
// it never fails a build.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

double Milliseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

// One start: fork, exec with the probe variable, wait for its line, then for its exit (the probe
// quits right after the line, so the processor time is that of the start-up).
Sample Run(const char* program)
{
    Sample sample;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return sample;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        setenv("QUADRIVELLO_STARTUP_PROBE", "1", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string out;
    char buffer[256];
    ssize_t got = 0;
    while (out.find('\n') == std::string::npos && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(got));
    const auto frame = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.ok = out.rfind("first-frame", 0) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    sample.milliseconds = std::chrono::duration<double, std::milli>(frame - start).count();
    sample.cpuMilliseconds = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    sample.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    return sample;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    const char* program = nullptr;
    std::vector<double> times, cpu, peaks;
    int failures = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Series> all;
    for (int a = 2; a < argc; ++a)
        all.push_back(Series{argv[a], {}, {}, {}, 0});
    // One start of each first, unmeasured, so that all find the libraries in the page cache; then
    // they take turns, so that a busy moment of the machine falls on all alike.
    for (const Series& s : all)
        Run(s.program);
    for (int i = 0; i < runs; ++i) {
        for (Series& s : all) {
            const Sample sample = Run(s.program);
            if (!sample.ok) {
                ++s.failures;
                continue;
            }
            s.times.push_back(sample.milliseconds);
            s.cpu.push_back(sample.cpuMilliseconds);
            s.peaks.push_back(sample.peakMegabytes);
        }
    }
    std::printf("Start-up benchmark, %d runs each (medians): time to the first painted window, processor time, peak memory\n",
                runs);
    for (const Series& s : all) {
        std::printf("  %-36s %7.1f ms (min %6.1f)   cpu %6.1f ms   peak %6.1f MiB", s.program, Median(s.times),
                    s.times.empty() ? 0 : *std::min_element(s.times.begin(), s.times.end()), Median(s.cpu),
                    Median(s.peaks));
        if (s.failures > 0)
            std::printf("   (%d runs showed no window)", s.failures);
        std::printf("\n");
    }
    const Series& first = all.front();
    for (std::size_t k = 1; k < all.size(); ++k) {
        const Series& base = all[k];
        if (first.times.empty() || base.times.empty())
            continue;
        std::printf("  %s / %s: time %.2fx, cpu %.2fx, memory %.2fx\n", first.program, base.program,
                    Median(first.times) / Median(base.times), Median(first.cpu) / Median(base.cpu),
                    Median(first.peaks) / Median(base.peaks));
    }
    std::printf("  (aim against the empty window: time at most 1.25x, memory at most 1.20x)\n");
    return 0;
}
