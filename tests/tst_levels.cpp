// The level tables against the grid's own rules: runs of open cells, letters, crossing digit sources.
#include "Levels.h"

#include <QTest>

#include <map>
#include <set>

namespace {

using CellSet = std::set<std::pair<int, int>>;  // (row, column)

CellSet OpenCells(const LevelData& level)
{
    CellSet open;
    for (const auto entries : {level.geometry.across, level.geometry.down})
        for (const GridEntry& e : entries)
            for (int j = 0; j < e.length; ++j)
                open.insert({e.cells[j].row, e.cells[j].column});
    return open;
}

// Every run of two or more open cells in a row (across) or a column (down), in reading order.
std::vector<std::vector<Cell>> Runs(const CellSet& open, int direction)
{
    std::vector<std::vector<Cell>> runs;
    const int outer = direction == Across ? GridRows : GridColumns;
    const int inner = direction == Across ? GridColumns : GridRows;
    for (int o = 0; o < outer; ++o) {
        std::vector<Cell> run;
        for (int i = 0; i <= inner; ++i) {
            const Cell c = direction == Across ? Cell{i, o} : Cell{o, i};
            if (i < inner && open.count({c.row, c.column})) {
                run.push_back(c);
                continue;
            }
            if (run.size() >= 2)
                runs.push_back(run);
            run.clear();
        }
    }
    return runs;
}

// Down runs come out column by column; entries are numbered by their first cells in reading order.
void SortByFirstCell(std::vector<std::vector<Cell>>& runs)
{
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) {
        return std::pair(a[0].row, a[0].column) < std::pair(b[0].row, b[0].column);
    });
}

}  // namespace

class TestLevels : public QObject {
    Q_OBJECT
private slots:
    void entriesAreTheRunsOfOpenCells()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            const CellSet open = OpenCells(level);
            for (int direction : {int(Across), int(Down)}) {
                auto runs = Runs(open, direction);
                SortByFirstCell(runs);
                const auto entries = direction == Across ? level.geometry.across : level.geometry.down;
                QCOMPARE(entries.size(), runs.size());
                for (std::size_t k = 0; k < runs.size(); ++k) {
                    QCOMPARE(entries[k].index, Integer(k));
                    QCOMPARE(entries[k].direction, Integer(direction));
                    QCOMPARE(entries[k].length, int(runs[k].size()));
                    for (std::size_t j = 0; j < runs[k].size(); ++j)
                        QVERIFY(entries[k].cells[j] == runs[k][j]);
                }
            }
        }
    }

    void lettersFollowTheFirstCellsInReadingOrder()
    {
        const std::string sequence = "ABCDEFGHILMNOPQRS";
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            std::map<std::pair<int, int>, char> firstCells;
            for (const auto entries : {level.geometry.across, level.geometry.down}) {
                for (const GridEntry& e : entries) {
                    const auto key = std::pair(e.cells[0].row, e.cells[0].column);
                    // A cell that starts an across and a down entry carries one letter for both.
                    if (firstCells.count(key))
                        QCOMPARE(firstCells[key], e.letter);
                    firstCells[key] = e.letter;
                }
            }
            std::string inOrder;
            for (const auto& [cell, letter] : firstCells)
                inOrder += letter;
            QCOMPARE(inOrder, sequence.substr(0, inOrder.size()));
            QCOMPARE(inOrder.size(), n == 1 ? std::size_t(17) : std::size_t(11));

            std::string across, down;
            for (const GridEntry& e : level.geometry.across)
                across += e.letter;
            for (const GridEntry& e : level.geometry.down)
                down += e.letter;
            QCOMPARE(across, std::string(level.acrossLetters));
            QCOMPARE(down, std::string(level.downLetters));
        }
    }

    // A down cell takes the digit of the across entry covering it; a free cell is covered by none;
    // guarded digits are exactly the non-first across digits that start a down entry.
    void generationRulesFitTheGeometry()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            const auto& geo = level.geometry;
            const auto& gen = level.generation;
            QCOMPARE(gen.across.size(), geo.across.size());
            QCOMPARE(gen.down.size(), geo.down.size());
            std::map<std::pair<int, int>, std::pair<int, int>> acrossDigit;  // cell -> (index, p)
            for (const GridEntry& e : geo.across)
                for (int j = 0; j < e.length; ++j)
                    acrossDigit[{e.cells[j].row, e.cells[j].column}] = {e.index, j + 1};
            std::set<std::pair<int, int>> downTops;
            for (const GridEntry& e : geo.down) {
                const DownRule& rule = gen.down[e.index];
                QCOMPARE(rule.letter, e.letter);
                QCOMPARE(rule.length, e.length);
                for (int j = 0; j < e.length; ++j) {
                    const auto cell = std::pair(e.cells[j].row, e.cells[j].column);
                    const DigitSource s = rule.sources[j];
                    if (acrossDigit.count(cell)) {
                        QCOMPARE(s.acrossIndex, acrossDigit[cell].first);
                        QCOMPARE(s.digit, acrossDigit[cell].second);
                    } else {
                        QCOMPARE(s.acrossIndex, FreeDigit);
                    }
                }
                downTops.insert({e.cells[0].row, e.cells[0].column});
            }
            int longest = 0;
            for (const GridEntry& e : geo.across) {
                const AcrossRule& rule = gen.across[e.index];
                QCOMPARE(rule.letter, e.letter);
                QCOMPARE(rule.length, e.length);
                longest = std::max(longest, e.length);
                std::set<int> expected;
                for (int j = 1; j < e.length; ++j)
                    if (downTops.count({e.cells[j].row, e.cells[j].column}))
                        expected.insert(j + 1);
                std::set<int> guarded;
                for (int p : rule.guardedDigits)
                    if (p != 0)
                        guarded.insert(p);
                QCOMPARE(guarded, expected);
            }
            for (const GridEntry& e : geo.down)
                longest = std::max(longest, e.length);
            QCOMPARE(geo.AnswerWidth, longest);
        }
    }

    void lookupsStopAtTheLevelsEntries()
    {
        QVERIFY(FindLevel(0) == nullptr);
        QVERIFY(FindLevel(4) == nullptr);
        QVERIFY(FindEntry(1, Across, 8) != nullptr);
        QVERIFY(FindEntry(1, Down, 8) == nullptr);
        QVERIFY(FindEntry(2, Across, 8) == nullptr);
        QVERIFY(FindEntry(2, Down, 7) == nullptr);
        QVERIFY(FindEntry(3, Across, 7) == nullptr);
        QVERIFY(FindEntry(3, Down, 6) == nullptr);
        QVERIFY(FindEntry(1, NoDirection, 0) == nullptr);
        QVERIFY(FindEntry(1, Across, -1) == nullptr);
        QCOMPARE(CellPosition({5, 4}), (Point{415, 234}));
        QCOMPARE(CellPosition({0, 0}), (Point{30, 26}));
    }
};

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
