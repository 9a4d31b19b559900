// The game's logic: the levels' entries, numbers and clues from replayed draws, the worked puzzles, a
// seed's puzzles, choosing and confirming answers, and the check.
#include "ClassClues.h"
#include "Clues.h"
#include "Cursor.h"
#include "Play.h"
#include "PuzzleChecker.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <cmath>
#include <map>
#include <sstream>

namespace {

const float LargestDraw = std::nextafter(1.0f, 0.0f);  // the float just below 1, the largest draw

// The clue for T, the operation and the draws, or a complaint when a draw is left over.
std::string Clue(int t, Operation operation, std::initializer_list<float> draws)
{
    ScriptedRandom random(draws);
    const std::string text = ClueText(t, operation, random);
    return random.used == random.draws.size() ? text : "a draw left over";
}

// A puzzle's draws in the generator's order, written as what each one gives.
struct Draws {
    ScriptedRandom random;
    Draws& draw(int value, int scale, int offset)
    {
        random.draws.push_back(ScriptedRandom::For(value, scale, offset));
        return *this;
    }
    Draws& number(int n)  // an across number of as many digits as n has
    {
        const int lowest = n < 100 ? 10 : n < 1000 ? 100 : 1000;
        return draw(n, 9 * lowest - 1, lowest);
    }
    Draws& digit(int d) { return draw(d, 9, 1); }  // a down entry's cell that no across entry covers
    Draws& operation(Operation o) { return draw(int(o), 4, 0); }
    Draws& sum(int t, int a) { return operation(Operation::Sum).draw(a - 1, t - 5, 0); }  // " a + (t - a)"
    Draws& difference(int t, int a) { return operation(Operation::Difference).draw(a - 1, t - 5, 0); }  // " t + a - a"
    Draws& product() { return operation(Operation::Product); }  // by the largest factor up to the root: no draw
    Draws& quotient(int d) { return operation(Operation::Quotient).draw(d, 12, 2); }       // " t * d / d"
    Draws& productOfPrime(int d) { return operation(Operation::Product).draw(d, 12, 2); }  // a quotient by d
};

std::string Joined(const std::vector<PuzzleEntry>& entries, bool clues)
{
    std::string text;
    for (const PuzzleEntry& e : entries)
        text += (clues ? e.clue : SolutionLine(e)) + "|";
    return text;
}

// The worked puzzles, their draws entry by entry, across then down, as the generator takes them.
// clang-format off
const struct {
    Draws draws;
    std::string acrossClues, downClues, across, down;  // clues and solution lines, each ended by '|'
} Examples[] = {
    {Draws()
         .number(40).number(47).sum(47, 21)  // A: 40 is drawn again, as its 0 would start B
         .number(63).difference(63, 13).number(35).product().number(58).quotient(3)  // C E G
         .number(29).productOfPrime(5).number(71).sum(71, 1).number(84).product()  // L N P
         .number(50).quotient(13).number(16).difference(16, 11)  // R S
         .productOfPrime(2).sum(35, 30).product()  // B D F
         .digit(6).difference(86, 40)  // H: its bottom digit, which no across entry covers, drawn in its turn
         .digit(2).product()  // I: likewise its top digit
         .product().sum(15, 10).quotient(7),  // M O Q
     " 21 + 26| 76 - 13| 7 * 5| 174 / 3| 145 / 5| 1 + 70| 12 * 7| 650 / 13| 27 - 11|",
     " 146 / 2| 30 + 5| 13 * 4| 126 - 40| 9 * 3| 14 * 7| 10 + 5| 287 / 7|",
     "A) 47|C) 63|E) 35|G) 58|L) 29|N) 71|P) 84|R) 50|S) 16|", "B) 73|D) 35|F) 52|H) 86|I) 27|M) 98|O) 15|Q) 41|"},
    {Draws()
         .number(26).product()  // A
         .number(304).number(384).sum(384, 100)  // C: 304 is drawn again, as its 0 would start D
         .number(19).productOfPrime(4).number(51).difference(51, 46).number(27).quotient(11)  // E F G
         .number(63).product().number(85).sum(85, 80).number(702).product()  // I L M
         .digit(4).product().difference(69, 9).quotient(2).product().sum(232, 32)  // A (its free bottom digit) B C D G
         .digit(9).digit(1).difference(951, 1)  // H: its two free digits, the top one first
         .product(),  // I
     " 13 * 2| 100 + 284| 76 / 4| 97 - 46| 297 / 11| 9 * 7| 80 + 5| 27 * 26|",
     " 107 * 2| 78 - 9| 714 / 2| 9 * 9| 32 + 200| 952 - 1| 10 * 6|",
     "A) 26|C) 384|E) 19|F) 51|G) 27|I) 63|L) 85|M) 702|", "A) 214|B) 69|C) 357|D) 81|G) 232|H) 951|I) 60|"},
    {Draws()
         .number(5072).number(5170).number(5172).product()  // A: drawn again while a digit that starts B or C is 0
         .number(36).sum(36, 31)  // E
         .number(401).number(481).product()  // F: drawn again, as its 0 would start G
         .number(94).quotient(13).number(620).difference(620, 615)  // H, I: whose 0 starts no down entry
         .number(3905).product().number(27).sum(27, 1)  // L: its 0 kept likewise; M
         .digit(8).product().quotient(6).sum(2469, 2464).digit(7).difference(7105, 100)  // A B C D, a free digit in its entry's turn
         .digit(3).product().productOfPrime(9),  // G L
     " 431 * 12| 31 + 5| 37 * 13| 1222 / 13| 1235 - 615| 71 * 55| 1 + 26|",
     " 2699 * 2| 984 / 6| 2464 + 5| 7205 - 100| 631 * 13| 333 / 9|", "A) 5172|E) 36|F) 481|H) 94|I) 620|L) 3905|M) 27|",
     "A) 5398|B) 164|C) 2469|D) 7105|G) 8203|L) 37|"},
};
// clang-format on

}  // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    // Every run of two or more white cells is an entry, lettered by its first cell, in reading order.
    void levelsHaveTheEntriesOfTheirGrids()
    {
        const char* const expected[][2] = {
            {"A2 C2 E2 G2 L2 N2 P2 R2 S2 ", "B2 D2 F2 H2 I2 M2 O2 Q2 "},
            {"A2 C3 E2 F2 G2 I2 L2 M3 ", "A3 B2 C3 D2 G3 H3 I2 "},
            {"A4 E2 F3 H2 I3 L4 M2 ", "A4 B3 C4 D4 G4 L2 "},
        };
        for (int n = 1; n <= LevelCount; ++n) {
            for (const Direction direction : {Direction::Across, Direction::Down}) {
                std::string entries;
                for (const Entry& e : GetLevel(n).entries(direction))
                    entries += e.letter + std::to_string(e.length()) + " ";
                QCOMPARE(entries, std::string(expected[n - 1][direction == Direction::Down]));
            }
        }
    }

    // An arrow takes the cursor over black cells to the next white one, and leaves it at the grid's edge; Home and
    // End are the first and last white cells; a letter, in either case, is its entry's first cell.
    void theCursorMovesOverWhiteCells()
    {
        const Level& one = GetLevel(1);
        QCOMPARE(CellTowards(one, {0, 1}, Step::Right), (Cell{0, 3}));
        QCOMPARE(CellTowards(one, {0, 3}, Step::Down), (Cell{2, 3}));
        QCOMPARE(CellTowards(one, {2, 3}, Step::Up), (Cell{0, 3}));
        QCOMPARE(CellTowards(one, {4, 1}, Step::Up), (Cell{3, 1}));
        QCOMPARE(CellTowards(one, {3, 1}, Step::Left), (Cell{3, 0}));
        QCOMPARE(CellTowards(one, {0, 4}, Step::Right), (Cell{0, 4}));
        QCOMPARE(CellTowards(one, {0, 0}, Step::Up), (Cell{0, 0}));
        QCOMPARE(FirstWhiteCell(one), (Cell{0, 0}));
        QCOMPARE(LastWhiteCell(one), (Cell{4, 5}));
        QCOMPARE(LastWhiteCell(GetLevel(3)), (Cell{4, 4}));
        QCOMPARE(CellOfLetter(one, 'm'), (Cell{2, 3}));
        QCOMPARE(CellOfLetter(GetLevel(3), 'C'), (Cell{0, 3}));
        QCOMPARE(CellOfLetter(one, 'Z'), std::nullopt);
    }

    // Choosing at a cell gives the across clue through it, then the down one, then the across one again; a cell with
    // one entry through it gives that one each time, a black cell none.
    void choosingAtACellTurnsFromAcrossToDown()
    {
        const Level& one = GetLevel(1);
        const ClueRef acrossA{Direction::Across, 0}, downB{Direction::Down, 0}, downH{Direction::Down, 3};
        QCOMPARE(ClueAt(one, {0, 1}, std::nullopt), acrossA);
        QCOMPARE(ClueAt(one, {0, 1}, acrossA), downB);
        QCOMPARE(ClueAt(one, {0, 1}, downB), acrossA);
        QCOMPARE(ClueAt(one, {0, 0}, acrossA), acrossA);
        QCOMPARE(ClueAt(one, {2, 5}, downH), downH);
        QCOMPARE(ClueAt(one, {0, 2}, std::nullopt), std::nullopt);
    }

    // The number routines reach both ends of their ranges; every number gets clues that evaluate back
    // to it: products by the largest divisor up to the root, a prime's by a quotient, the other forms
    // at both ends of their operands.
    void everyNumberHasExactClues()
    {
        for (const auto& [digits, low, high] : {std::tuple(1, 1, 9), {2, 10, 98}, {3, 100, 998}, {4, 1000, 9998}}) {
            for (const auto& [r, expected] : {std::pair(0.0f, low), {LargestDraw, high}}) {
                ScriptedRandom random{r};
                QCOMPARE(digits == 1 ? RandomDigit(random) : RandomNumber(digits, random), expected);
            }
        }
        ScriptedRandom operations{0.0f, LargestDraw};
        QCOMPARE(RandomOperation(operations), Operation::Sum);
        QCOMPARE(RandomOperation(operations), Operation::Quotient);
        const auto clue = [](long long a, char sign, long long b) {  // " a + b", built by appending
            return std::string(1, ' ').append(std::to_string(a)).append({' ', sign, ' '}).append(std::to_string(b));
        };
        for (int t = 10; t <= 9998; ++t) {
            int f = 0;
            for (int i = 2; i * i <= t; ++i)
                f = t % i == 0 ? i : f;
            const std::string texts[][2] = {
                {Clue(t, Operation::Sum, {0.0f}), clue(1, '+', t - 1)},
                {Clue(t, Operation::Sum, {LargestDraw}), clue(t - 5, '+', 5)},
                {Clue(t, Operation::Difference, {0.0f}), clue(t + 1, '-', 1)},
                {Clue(t, Operation::Difference, {LargestDraw}), clue(2 * t - 5, '-', t - 5)},
                {Clue(t, Operation::Quotient, {0.0f}), clue(2 * t, '/', 2)},
                {Clue(t, Operation::Quotient, {LargestDraw}), clue(13 * t, '/', 13)},
                {f == 0 ? Clue(t, Operation::Product, {0.1f}) : Clue(t, Operation::Product, {}),
                 f == 0 ? clue(3 * t, '/', 3) : clue(t / f, '*', f)},
            };
            for (const auto& [text, expected] : texts) {
                QCOMPARE(text, expected);
                QCOMPARE(EvaluateClue(text).value_or(-1), (long long)t);
            }
        }
    }

    // Each worked puzzle takes exactly its draws and gives exactly its clues and numbers.
    void workedPuzzlesFollowTheirDraws()
    {
        for (int level = 1; level <= LevelCount; ++level) {
            const auto& x = Examples[level - 1];
            ScriptedRandom random = x.draws.random;
            const Puzzle puzzle = GeneratePuzzle(GetLevel(level), random);
            QCOMPARE(random.used, random.draws.size());
            QCOMPARE(Joined(puzzle.across, true), x.acrossClues);
            QCOMPARE(Joined(puzzle.down, true), x.downClues);
            QCOMPARE(Joined(puzzle.across, false), x.across);
            QCOMPARE(Joined(puzzle.down, false), x.down);
        }
    }

    // The same seed gives the same first puzzle on every machine, this year and the next: a seed printed
    // on a sheet is a promise.
    void aSeedAlwaysGivesTheSamePuzzles()
    {
        const std::string expected[] = {
            " 9 + 7| 71 - 33| 142 - 68| 185 / 5| 4 + 50| 48 - 1| 9 * 6| 770 / 11| 53 - 14|"
            " 42 + 25| 136 - 53| 450 / 10| 103 - 31| 470 / 5| 31 + 14| 11 * 7| 80 - 37|",
            " 9 + 7| 759 - 373| 142 - 68| 185 / 5| 4 + 50| 48 - 1| 9 * 6| 7810 / 11|"
            " 240 - 67| 40 + 24| 556 - 222| 870 / 10| 196 + 374| 2745 / 5| 28 + 13|",
            " 1312 + 374| 71 - 33| 1479 - 729| 185 / 5| 40 + 510| 4849 - 76| 9 * 6|"
            " 14707 / 11| 947 - 260| 7203 - 446| 11708 - 4705| 797 * 7| 14 + 30|",
        };
        for (int level = 1; level <= LevelCount; ++level) {
            SeededRandom random(7);
            const Puzzle puzzle = GeneratePuzzle(GetLevel(level), random);
            QCOMPARE(Joined(puzzle.across, true) + Joined(puzzle.down, true), expected[level - 1]);
            QCOMPARE(PuzzleProblem(puzzle), std::string());
        }
    }

    // Over 10,000 puzzles of each class and level it fits: every clue is its answer, with only the class's
    // signs and numbers up to 99 or 999; a product's smaller factor and a divisor within the tables (one digit in
    // the third class, a product of the second a fact of its tables); + and − each a quarter of the clues or more,
    // × and : a twentieth or more from the table of 5 on. A screen reader hears the signs as words.
    void classCluesKeepToTheirClass()
    {
        const std::pair<ClassRules, int> cases[] = {
            {{SchoolYear::Second, 5, true}, 1}, {{SchoolYear::Second, 10, true}, 1}, {{SchoolYear::Second, 2, true}, 1},
            {{SchoolYear::Third, 10, true}, 1}, {{SchoolYear::Third, 10, true}, 2},  {{SchoolYear::Third, 5, false}, 2},
            {{SchoolYear::Third, 3, true}, 2},
        };
        for (const auto& [rules, level] : cases) {
            const bool second = rules.year == SchoolYear::Second;
            const std::string signs[] = {" + ", " \xE2\x88\x92 ", " \xC3\x97 ", " : "};
            std::map<std::string, int> count;
            int clues = 0;
            SeededRandom numbers(11), random(12);
            for (int n = 0; n < 10000; ++n) {
                Puzzle puzzle = GeneratePuzzle(GetLevel(level), numbers);
                WriteCluesForClass(puzzle, rules, random);
                for (const auto* entries : {&puzzle.across, &puzzle.down}) {
                    for (const PuzzleEntry& e : *entries) {
                        const auto sign =
                            std::ranges::find_if(signs, [&](auto& s) { return e.clue.find(s) != std::string::npos; });
                        const std::string& clue = e.clue;
                        QVERIFY2(sign != std::end(signs), clue.c_str());
                        const long long a = std::stoll(clue),
                                        b = std::stoll(clue.substr(clue.find(*sign) + sign->size()));
                        QVERIFY2(EvaluateClue(clue) == e.number, clue.c_str());
                        QVERIFY2(std::max(a, b) <= (second ? 99 : 999), clue.c_str());
                        if (*sign == signs[2]) {
                            QVERIFY2(std::min(a, b) <= std::min(rules.tables, second ? 10 : 9), clue.c_str());
                            QVERIFY2(!second || std::max(a, b) <= 10, clue.c_str());
                        }
                        if (*sign == signs[3]) {
                            QVERIFY2(!second, clue.c_str());  // the second class does not divide yet
                            QVERIFY2(rules.division, clue.c_str());
                            QVERIFY2(b <= std::min(rules.tables, 9), clue.c_str());
                        }
                        ++count[*sign];
                        ++clues;
                    }
                }
            }
            QVERIFY(count[signs[0]] * 4 >= clues);
            QVERIFY(count[signs[1]] * 4 >= clues);
            QVERIFY(rules.tables < 5 || count[signs[2]] * 20 >= clues);
            QVERIFY(rules.tables < 5 || second || !rules.division || count[signs[3]] * 20 >= clues);
        }
        QCOMPARE(SpokenClue(" 84 : 4"), " 84 diviso 4");
        QCOMPARE(SpokenClue(" 91 \xE2\x88\x92 56"), " 91 meno 56");
    }

    // One character a cell from the text's start, whole UTF-8 sequences; the number one digit a cell,
    // anything but 0-9 counting 0; only the chosen entry's answer changes, replaced by the last one.
    void confirmingWritesOneCharacterACell()
    {
        const struct {
            int level;
            ClueRef clue;
            std::string text;
            std::string written;  // cell by cell, each ended by '|'
            int value;
        } cases[] = {
            {1, {Direction::Across, 0}, "47", "4|7|", 47},
            {1, {Direction::Across, 0}, "4", "4||", 40},
            {1, {Direction::Across, 0}, " 7", " |7|", 7},
            {1, {Direction::Across, 0}, "", "||", 0},
            {1, {Direction::Across, 0}, "4a", "4|a|", 40},
            {1, {Direction::Across, 8}, "475", "4|7|", 47},
            {2, {Direction::Across, 1}, "12", "1|2||", 120},
            {3, {Direction::Across, 1}, "1234", "1|2|", 12},
            {3, {Direction::Down, 4}, "9999", "9|9|9|9|", 9999},
            // In octal, one escape a byte: À (last, its second byte the lowest), an emoji, stray bytes, a surrogate and
            // an overlong /, an Arabic-Indic 3.
            {1, {Direction::Across, 0}, "7\303\200", "7|\303\200|", 70},
            {3, {Direction::Across, 0}, "1\360\237\230\20023", "1|\360\237\230\200|2|3|", 1023},
            {3, {Direction::Across, 0}, "\377\3515\303", "\377|\351|5|\303|", 50},
            {3, {Direction::Across, 0}, "\355\240\200\340\200\257", "\355|\240|\200|\340|", 0},
            {1, {Direction::Across, 0}, "\331\2433", "\331\243|3|", 3},
            {1, {Direction::Across, 0}, "\357\274\2212", "\357\274\221|2|", 2},       // a full-width 1
            {2, {Direction::Down, 0}, "98" + std::string(9998, '7'), "9|8|7|", 987},  // a long paste
        };
        for (const auto& c : cases) {
            SeededRandom random(1);
            Play play(GeneratePuzzle(GetLevel(c.level), random));
            const ClueRef other{c.clue.direction == Direction::Across ? Direction::Down : Direction::Across, 1};
            QVERIFY(play.choose(other));
            play.confirm("12");
            const int otherAnswer = play.answer(other);
            QVERIFY(play.choose(c.clue));
            std::string written;
            const std::vector<CellCharacter> cells = play.confirm(c.text);
            for (std::size_t j = 0; j < cells.size(); ++j) {
                QCOMPARE(cells[j].cell,
                         play.puzzle().entries(c.clue.direction)[std::size_t(c.clue.index)].entry->cells[j]);
                written += cells[j].character + "|";
                QCOMPARE(play.characterIn(cells[j].cell), cells[j].character);
            }
            QCOMPARE(written, c.written);
            QCOMPARE(play.answer(c.clue), c.value);
            QCOMPARE(play.answer(other), otherAnswer);
        }
        SeededRandom random(1);
        Play unchosen(GeneratePuzzle(GetLevel(1), random));
        QVERIFY(unchosen.confirm("47").empty());
        QCOMPARE(unchosen.characterIn({0, 0}), std::nullopt);
        QVERIFY(!unchosen.choose({Direction::Down, 8}));
    }

    // The check counts an entry's own non-zero answer when it is its solution, the last one given; the
    // digits a crossing entry wrote do not count. Its message ends each line with CR LF.
    void theCheckCountsOnlyAnEntrysOwnAnswer()
    {
        SeededRandom random(3);
        Play play(GeneratePuzzle(GetLevel(1), random));
        const auto answer = [&play](Direction direction, int index, int number) {
            play.choose({direction, index});
            play.confirm(std::to_string(number));
        };
        const auto& across = play.puzzle().across;
        answer(Direction::Across, 0, across[0].number);  // A, whose second digit starts B
        answer(Direction::Across, 1, across[1].number);
        answer(Direction::Across, 1, across[1].number % 10 == 9 ? across[1].number - 1 : across[1].number + 1);
        answer(Direction::Down, 1, 0);
        QCOMPARE(play.countCorrect().across, 1);
        QCOMPARE(play.countCorrect().down, 0);
        QCOMPARE(CheckMessage({3, 2}), "Giusti Orizzontali  3 dati\r\nGiusti Verticali  2 dati");
    }
};

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"
