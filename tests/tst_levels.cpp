// The level tables against the grid's own rules: runs of open cells, letters, crossing digit sources.
#include "Levels.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

using Key = std::pair<int, int>;  // (row, column): ordered as the grid is read

Key KeyOf(Cell c)
{
    return {c.row, c.column};
}

// Every run of two or more open cells across (or down), ordered by first cell in reading order.
std::vector<std::vector<Cell>> Runs(const std::set<Key>& open, bool across)
{
    std::vector<std::vector<Cell>> runs;
    for (int o = 0; o < (across ? GridRows : GridColumns); ++o) {
        std::vector<Cell> run;
        for (int i = 0; i <= (across ? GridColumns : GridRows); ++i) {  // one step past the edge ends a run
            const Cell c = across ? Cell{i, o} : Cell{o, i};
            if (open.count(KeyOf(c))) {
                run.push_back(c);
                continue;
            }
            if (run.size() >= 2)
                runs.push_back(run);
            run.clear();
        }
    }
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return KeyOf(a[0]) < KeyOf(b[0]); });
    return runs;
}

}  // namespace

class TestLevels : public QObject {
    Q_OBJECT
private slots:
    // Entries are the runs of open cells, indexed in reading order; the letters run A, B, C... over
    // their first cells in reading order, one letter for a cell that starts an across and a down entry.
    void entriesAndLettersFollowTheOpenCells()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            std::set<Key> open;
            std::map<Key, char> firstCells;
            for (const auto& entries : {level.geometry.across, level.geometry.down}) {
                for (const GridEntry& e : entries) {
                    for (int j = 0; j < e.length; ++j)
                        open.insert(KeyOf(e.cells[j]));
                    QCOMPARE(firstCells.emplace(KeyOf(e.cells[0]), e.letter).first->second, e.letter);
                }
            }
            std::string inOrder;
            for (const auto& [cell, letter] : firstCells)
                inOrder += letter;
            QCOMPARE(inOrder, std::string("ABCDEFGHILMNOPQRS").substr(0, n == 1 ? 17 : 11));

            // The clue labels' letters are the entries' letters in clue-index order.
            for (Integer direction : {Across, Down}) {
                const auto entries = direction == Across ? level.geometry.across : level.geometry.down;
                std::vector<std::vector<Cell>> cells;
                std::string letters;
                for (std::size_t k = 0; k < entries.size(); ++k) {
                    QCOMPARE(std::pair(entries[k].direction, entries[k].index), std::pair(direction, Integer(k)));
                    cells.emplace_back(entries[k].cells.begin(), entries[k].cells.begin() + entries[k].length);
                    letters += entries[k].letter;
                }
                QVERIFY(cells == Runs(open, direction == Across));
                QCOMPARE(letters, std::string(direction == Across ? level.acrossLetters : level.downLetters));
            }
        }
    }

    void lookupsStopAtTheLevelsEntries()
    {
        QVERIFY(FindLevel(0) == nullptr && FindLevel(4) == nullptr);
        // Each level's last across and down entries are found, the next ones are not.
        for (auto [level, across, down] : {std::tuple(1, 8, 7), {2, 7, 6}, {3, 6, 5}}) {
            QVERIFY(FindEntry(level, Across, across) && !FindEntry(level, Across, across + 1));
            QVERIFY(FindEntry(level, Down, down) && !FindEntry(level, Down, down + 1));
        }
        QVERIFY(FindEntry(1, NoDirection, 0) == nullptr && FindEntry(1, Across, -1) == nullptr);
    }
};

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
