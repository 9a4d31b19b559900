// How fast puzzles are made: per level, and one whole "Genera Definizioni" on the real window. It
// reports figures and never fails.
#include "Game.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Puzzles per second for a level over ten batches of 50,000: the best batch (the figure when the
// core is not shared) and the median one.
std::pair<double, double> PuzzlesPerSecond(int level)
{
    const Level& data = GetLevel(level);
    SeededRandom random(static_cast<std::uint32_t>(level));
    constexpr int Batch = 50'000;
    std::vector<double> rates;
    for (int b = 0; b < 10; ++b) {
        const auto start = Clock::now();
        for (int i = 0; i < Batch; ++i)
            static_cast<void>(GeneratePuzzle(data, random));
        rates.push_back(Batch / Seconds(Clock::now() - start));
    }
    std::sort(rates.begin(), rates.end());
    return {rates.back(), rates[rates.size() / 2]};
}

// Milliseconds of one call, as median and worst over `runs` calls after a few warm-up calls.
template <class F> void ReportMilliseconds(const char* what, int runs, F call)
{
    for (int i = 0; i < 20; ++i)
        call();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        call();
        ms.push_back(Seconds(Clock::now() - start) * 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (double m : ms)
        total += m;
    std::printf("  %-44s median %.3f ms, mean %.3f ms, worst %.3f ms (%d runs)\n", what, ms[ms.size() / 2],
                total / double(ms.size()), ms.back(), runs);
}

}  // namespace

int main(int argc, char** argv)
{
    std::printf("puzzles per second:\n");
    for (int level = 1; level <= LevelCount; ++level) {
        const auto [best, median] = PuzzlesPerSecond(level);
        std::printf("  level %d: best batch %.0f, median batch %.0f\n", level, best, median);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Game game(QStringLiteral(QUADRIVELLO_APP_DIR));
    game.window().fitToScreen();
    game.start();
    std::printf("the real window on the %s platform:\n", qPrintable(QGuiApplication::platformName()));
    ReportMilliseconds("Genera Definizioni (the handler)", 500, [&] { game.newPuzzle(); });
    ReportMilliseconds("Genera Definizioni and the repaint after it", 500, [&] {
        game.newPuzzle();
        QCoreApplication::processEvents();
    });
    ReportMilliseconds("Livello 3 (the menu item)", 200, [&] { game.chooseLevel(3); });
    return 0;
}
