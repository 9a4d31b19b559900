// Many puzzles from the real generator, each checked against the level's cells rather than its rules.
#include "Generation.h"
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RandomSource.h"
#include "RecordingView.h"

#include <QTest>

#include <map>
#include <tuple>

class TestGenerationSoak : public QObject {
    Q_OBJECT
private slots:
    void soak_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("level 1") << 1 << 20240611u;
        QTest::newRow("level 2") << 2 << 7u;
        QTest::newRow("level 3") << 3 << 123456789u;
    }

    // Every puzzle is sound and its solution lists carry its numbers. Over all of them every cell
    // holds every digit it may: 1 to 9, and 0 too past the first cell of an across entry where no
    // entry starts (a free cell is drawn 1 to 9).
    void soak()
    {
        QFETCH(int, level);
        QFETCH(unsigned, seed);
        const LevelData& data = *FindLevel(level);
        SeededRandom random(seed);
        PuzzleState state;
        RecordingView view;
        std::map<std::pair<int, int>, unsigned> seen, possible;
        for (int n = 0; n < 100'000; ++n) {
            view.clearLog();
            GeneratePuzzle(data, state, view, random);
            const GeneratedPuzzle p = CapturePuzzle(data, state, view);
            std::vector<std::string> problems = PuzzleProblems(p);
            for (const auto& [entries, numbers, box] : {std::tuple(data.geometry.across, p.across, Control::Text4),
                                                        std::tuple(data.geometry.down, p.down, Control::Text5)}) {
                std::string lines;
                for (const GridEntry& e : entries) {
                    const std::string digits = std::to_string(numbers[std::size_t(e.index)]);
                    lines += std::string(1, e.letter) + ") " + digits + "\r\n";
                    for (int j = 0; j < e.length && j < int(digits.size()); ++j)
                        seen[{e.cells[j].row, e.cells[j].column}] |= 1u << (digits[std::size_t(j)] - '0');
                }
                if (lines != view.texts[box])
                    problems.push_back("solution list \"" + view.texts[box] + "\" is not \"" + lines + "\"");
            }
            if (!problems.empty()) {
                std::string text = "seed " + std::to_string(seed) + ", puzzle " + std::to_string(n);
                for (const std::string& problem : problems)
                    text += "; " + problem;
                QFAIL(text.c_str());
            }
        }
        for (const auto entries : {data.geometry.across, data.geometry.down})
            for (const GridEntry& e : entries)
                for (int j = 0; j < e.length; ++j)
                    possible[{e.cells[j].row, e.cells[j].column}] |= 0x3FEu | (e.direction == Across && j > 0);
        for (const auto entries : {data.geometry.across, data.geometry.down})
            for (const GridEntry& e : entries)
                possible[{e.cells[0].row, e.cells[0].column}] &= ~1u;
        QCOMPARE(seen, possible);
    }
};

QTEST_APPLESS_MAIN(TestGenerationSoak)
#include "tst_generation_soak.moc"
