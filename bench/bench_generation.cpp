// How fast puzzles are made: per level with a window that does nothing, and one whole
// "Genera Definizioni" on the real window. It reports figures and never fails.
#include "Form1.h"
#include "Generation.h"
#include "Levels.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class NullView final : public GridView {
public:
    void SetCaption(LabelArray, int, const std::string&) override {}
    void SetVisible(LabelArray, int, bool) override {}
    void SetBackColor(LabelArray, int, Rgb) override {}
    void SetBackColor(Control, Rgb) override {}
    void SetEnabled(Control, bool) override {}
    std::string GetText(Control) override { return {}; }
    void SetText(Control, const std::string&) override {}
    void LoadPicture(const std::string&) override {}
    void FillRectangle(int, int, int, int, Rgb) override {}
    void DrawText(int, int, const std::string&) override {}
    void ShowMessage(const std::string&) override {}
};

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Puzzles per second for a level over ten batches of 50,000: the best batch (the figure when the
// core is not shared) and the median one.
std::pair<double, double> PuzzlesPerSecond(int level)
{
    const LevelData& data = *FindLevel(level);
    PuzzleState state;
    NullView view;
    SeededRandom random(static_cast<std::uint32_t>(level));
    constexpr int Batch = 50'000;
    std::vector<double> rates;
    for (int b = 0; b < 10; ++b) {
        const auto start = Clock::now();
        for (int i = 0; i < Batch; ++i)
            GeneratePuzzle(data, state, view, random);
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
    std::printf("puzzles per second with a view that does nothing:\n");
    for (int level = 1; level <= LevelCount; ++level) {
        const auto [best, median] = PuzzlesPerSecond(level);
        std::printf("  level %d: best batch %.0f, median batch %.0f\n", level, best, median);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 form(QStringLiteral(QUADRIVELLO_APP_DIR));
    form.Form_Load();
    form.window().show();
    while (!form.activatedOnce())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("the real window on the %s platform:\n", qPrintable(QGuiApplication::platformName()));
    ReportMilliseconds("Genera Definizioni (the handler)", 500, [&] { form.Command2_Click(); });
    ReportMilliseconds("Genera Definizioni and the repaint after it", 500, [&] {
        form.Command2_Click();
        QCoreApplication::processEvents();
    });
    ReportMilliseconds("Livello 3 (the menu item)", 200, [&] { form.mnuLiv3_Click(); });
    return 0;
}
