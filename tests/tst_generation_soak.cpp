// Many puzzles from the real generator, each checked against the level's cells rather than its rules.
#include "Generation.h"
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RandomSource.h"

#include <QTest>

#include <map>
#include <set>

namespace {

constexpr int PuzzlesPerLevel = 100'000;

// Keeps only what a puzzle is made of: the clue texts and the two solution lists.
class PuzzleView final : public GridView {
public:
    std::array<std::string, ClueSlots> acrossClues, downClues;
    std::string acrossLines, downLines;

    void SetCaption(LabelArray array, int index, const std::string& caption) override
    {
        if (array == LabelArray::Label4)
            acrossClues[std::size_t(index)] = caption;
        else if (array == LabelArray::Label8)
            downClues[std::size_t(index)] = caption;
    }
    std::string GetText(Control box) override { return box == Control::Text4 ? acrossLines : downLines; }
    void SetText(Control box, const std::string& text) override
    {
        if (box == Control::Text4)
            acrossLines = text;
        else if (box == Control::Text5)
            downLines = text;
    }
    void SetVisible(LabelArray, int, bool) override {}
    void SetBackColor(LabelArray, int, Rgb) override {}
    void SetBackColor(Control, Rgb) override {}
    void SetEnabled(Control, bool) override {}
    void LoadPicture(const std::string&) override {}
    void FillRectangle(int, int, int, int, Rgb) override {}
    void DrawText(int, int, const std::string&) override {}
    void ShowMessage(const std::string&) override {}
};

GeneratedPuzzle Capture(const LevelData& level, const PuzzleState& state, const PuzzleView& view)
{
    GeneratedPuzzle p;
    p.level = &level;
    for (std::size_t i = 0; i < level.geometry.across.size(); ++i) {
        p.across.push_back(state.HorizontalSolutions[i]);
        p.acrossClues.push_back(view.acrossClues[i]);
    }
    for (std::size_t i = 0; i < level.geometry.down.size(); ++i) {
        p.down.push_back(state.VerticalSolutions[i]);
        p.downClues.push_back(view.downClues[i]);
    }
    return p;
}

// The solution list the player's numbers make: "A) 47\r\n" and so on, in clue-index order.
std::string Lines(std::span<const GridEntry> entries, const std::vector<int>& numbers)
{
    std::string lines;
    for (const GridEntry& e : entries)
        lines += std::string(1, e.letter) + ") " + std::to_string(numbers[std::size_t(e.index)]) + "\r\n";
    return lines;
}

std::string Describe(const GeneratedPuzzle& p, const std::vector<std::string>& problems)
{
    std::string text;
    for (std::size_t i = 0; i < p.across.size(); ++i)
        text += " " + std::to_string(p.across[i]) + " [" + p.acrossClues[i] + "]";
    text += " /";
    for (std::size_t i = 0; i < p.down.size(); ++i)
        text += " " + std::to_string(p.down[i]) + " [" + p.downClues[i] + "]";
    for (const std::string& problem : problems)
        text += "; " + problem;
    return text;
}

// The digits a cell can hold: 0 only where an across number has a digit that starts no entry;
// the first cell of an entry and a cell no across entry covers (a free digit) hold 1 to 9.
std::map<std::pair<int, int>, unsigned> PossibleDigits(const LevelData& level)
{
    std::map<std::pair<int, int>, unsigned> possible;
    for (const auto entries : {level.geometry.across, level.geometry.down})
        for (const GridEntry& e : entries)
            for (int j = 0; j < e.length; ++j)
                possible[{e.cells[j].row, e.cells[j].column}] = 0x3FEu;
    for (const GridEntry& e : level.geometry.across)
        for (int j = 1; j < e.length; ++j)
            possible[{e.cells[j].row, e.cells[j].column}] |= 1u;
    for (const auto entries : {level.geometry.across, level.geometry.down})
        for (const GridEntry& e : entries)
            possible[{e.cells[0].row, e.cells[0].column}] &= ~1u;
    return possible;
}

}  // namespace

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

    // Every puzzle is sound; over all of them every cell takes every digit it may hold, and every
    // clue form turns up.
    void soak()
    {
        QFETCH(int, level);
        QFETCH(unsigned, seed);
        const LevelData& data = *FindLevel(level);
        SeededRandom random(seed);
        PuzzleState state;
        PuzzleView view;
        std::map<std::pair<int, int>, unsigned> seen;
        std::set<char> signs;
        for (int n = 0; n < PuzzlesPerLevel; ++n) {
            GeneratePuzzle(data, state, view, random);
            const GeneratedPuzzle p = Capture(data, state, view);
            std::vector<std::string> problems = PuzzleProblems(p);
            if (view.acrossLines != Lines(data.geometry.across, p.across)
                || view.downLines != Lines(data.geometry.down, p.down))
                problems.push_back("solution lists do not match the numbers");
            if (!problems.empty()) {
                const std::string where = "seed " + std::to_string(seed) + ", puzzle " + std::to_string(n) + ":";
                QFAIL((where + Describe(p, problems)).c_str());
            }
            for (const auto entries : {data.geometry.across, data.geometry.down}) {
                const std::vector<int>& numbers = entries[0].direction == Across ? p.across : p.down;
                for (const GridEntry& e : entries) {
                    const std::string digits = std::to_string(numbers[std::size_t(e.index)]);
                    for (int j = 0; j < e.length; ++j)
                        seen[{e.cells[j].row, e.cells[j].column}] |= 1u << (digits[std::size_t(j)] - '0');
                }
            }
            for (const auto& clues : {p.acrossClues, p.downClues})
                for (const std::string& clue : clues)
                    signs.insert(clue[clue.find(' ', 1) + 1]);
        }
        QCOMPARE(seen, PossibleDigits(data));
        QCOMPARE(signs, (std::set<char>{'+', '-', '*', '/'}));
    }
};

QTEST_APPLESS_MAIN(TestGenerationSoak)
#include "tst_generation_soak.moc"
