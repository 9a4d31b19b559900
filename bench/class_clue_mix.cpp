// The mix of a class's clues over 10,000 puzzles per class and level: each operation's share and the
// largest number written in a clue. It reports figures and never fails.
#include "ClassClues.h"
#include "Puzzle.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

void Report(const ClassRules& rules, int level)
{
    const std::string signs[] = {" + ", " \xE2\x88\x92 ", " \xC3\x97 ", " : ", " - ", " * ", " / "};
    long long count[std::size(signs)] = {}, clues = 0, largest = 0;
    SeededRandom numbers(2026), random(ClassClueSeed(2026));
    for (int n = 0; n < 10000; ++n) {
        Puzzle puzzle = GeneratePuzzle(GetLevel(level), numbers);
        WriteCluesForClass(puzzle, rules, random);
        for (const auto* entries : {&puzzle.across, &puzzle.down}) {
            for (const PuzzleEntry& e : *entries) {
                for (std::size_t s = 0; s < std::size(signs); ++s) {
                    if (const auto at = e.clue.find(signs[s]); at != std::string::npos) {
                        ++count[s];
                        largest =
                            std::max({largest, std::stoll(e.clue), std::stoll(e.clue.substr(at + signs[s].size()))});
                    }
                }
                ++clues;
            }
        }
    }
    // The game's own "-", "*" and "/" count with the class's signs.
    const auto share = [&](std::size_t s) {
        return 100.0 * double(count[s] + (s > 0 ? count[s + 3] : 0)) / double(clues);
    };
    std::printf("%-13s tables %2d%s  level %d:  + %4.1f %%  - %4.1f %%  x %4.1f %%  : %4.1f %%  largest %lld\n",
                std::string(YearName(rules.year)).c_str(), rules.tables, rules.division ? "         " : ", no ':'",
                level, share(0), share(1), share(2), share(3), largest);
}

}  // namespace

int main()
{
    for (const int tables : {2, 5, 10})
        Report({SchoolYear::Second, tables, true}, 1);
    for (const int level : {1, 2}) {
        for (const int tables : {2, 5, 10})
            Report({SchoolYear::Third, tables, true}, level);
        Report({SchoolYear::Third, 10, false}, level);
    }
    for (const int level : {1, 2, 3})
        Report(DefaultRules(SchoolYear::FourthOn), level);
}
