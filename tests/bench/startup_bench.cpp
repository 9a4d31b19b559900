// Start-up benchmark: runs each program several times with the start-up probe on, and reports the
// time from process start to its first painted window and its peak memory, as medians and as the
// ratios of the first program to the second. It reports; it never fails a build.
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
    double peakMegabytes = 0;
    bool ok = false;
};

// One start: fork, exec with the probe variable, wait for its line, then for its exit.
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
    const char* program;
    std::vector<double> times, peaks;
    int failures = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Series game{argv[2], {}, {}, 0};
    Series bare{argv[3], {}, {}, 0};
    // One start of each first, unmeasured, so both find the libraries in the page cache; then the
    // two take turns, so a busy moment of the machine falls on both alike.
    Run(game.program);
    Run(bare.program);
    for (int i = 0; i < runs; ++i) {
        for (Series* s : {&game, &bare}) {
            const Sample sample = Run(s->program);
            if (!sample.ok) {
                ++s->failures;
                continue;
            }
            s->times.push_back(sample.milliseconds);
            s->peaks.push_back(sample.peakMegabytes);
        }
    }
    std::printf("Start-up benchmark, %d runs each: time to the first painted window, peak memory\n", runs);
    for (const Series* s : {&game, &bare}) {
        std::printf("  %-40s median %7.1f ms  (min %6.1f, max %6.1f)   peak %6.1f MiB",
                    s->program, Median(s->times),
                    s->times.empty() ? 0 : *std::min_element(s->times.begin(), s->times.end()),
                    s->times.empty() ? 0 : *std::max_element(s->times.begin(), s->times.end()),
                    Median(s->peaks));
        if (s->failures > 0)
            std::printf("   (%d runs showed no window)", s->failures);
        std::printf("\n");
    }
    if (!game.times.empty() && !bare.times.empty()) {
        std::printf("  ratio: time %.2fx (aim at most 1.25x), memory %.2fx (aim at most 1.20x)\n",
                    Median(game.times) / Median(bare.times), Median(game.peaks) / Median(bare.peaks));
    }
    return 0;
}
