// The game's logic through the recording view: the levels' grids, the number routines and clue forms
// driven by replayed draws, the worked puzzle of each level; clue clicks, confirmed answers and the check.
#include "AnswerCheck.h"
#include "ClueBuilders.h"
#include "ClueSelection.h"
#include "Generation.h"
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RecordingView.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// Row by row: a letter in an entry's first cell, '.' in any other open cell, 'X' in a blocked one.
const char* const Grids[] = {
    "ABXCDX XEFXGH IXLMX. NOXPQX XR.XS.",
    "ABXCD. E.XF.X .XG.XH XI.XL. M..XX.",
    "AB.CXD E.XFG. H.XI.. .XL... XM.X.X",
};

const float LargestDraw = std::nextafter(1.0f, 0.0f);  // the float just below 1, the largest draw

// ClueText for T, operator `op` and the draws, on one state shared by every call: nothing left behind leaks.
std::string Clue(int t, int op, std::initializer_list<float> draws)
{
    static PuzzleState state;
    state.ClueValue = Integer(t);
    state.ClueOperator = Integer(op);
    state.ClueText = "previous";
    ScriptedRandom random(draws);
    BuildClueText(state, random);
    if (state.ClueValue != t || state.ClueOperator != op || random.used != random.draws.size())
        return "draws left, or ClueValue or ClueOperator changed";
    return state.ClueText;
}

// A puzzle's draws in the generator's order: a number "n47" or free digit "d6"; an operator and its
// form's draw: sum or difference of T from first operand a "+T:a" "-T:a", product "*" (a prime's "*5"
// falls back to a quotient by 5), quotient by d "/d".
ScriptedRandom Draws(const std::string& script)
{
    ScriptedRandom random;
    const auto draw = [&random](int value, int scale, int offset) {
        random.draws.push_back(ScriptedRandom::For(value, scale, offset));
    };
    std::istringstream tokens(script);
    for (std::string token; tokens >> token;) {
        const int a = token.size() > 1 ? std::stoi(token.substr(1)) : 0, colon = int(token.find(':'));
        const int low = a < 100 ? 10 : a < 1000 ? 100 : 1000;
        if (token[0] == 'n' || token[0] == 'd') {
            token[0] == 'n' ? draw(a, 9 * low - 1, low) : draw(a, 9, 1);
            continue;
        }
        draw(int(std::string("+-*/").find(token[0])) + 1, 4, 1);
        if (colon > 0)
            draw(std::stoi(token.substr(std::size_t(colon) + 1)) - 1, a - 5, 0);
        else if (a > 0)
            draw(a, 12, 2);
    }
    return random;
}

// The worked puzzles. Level 1: A = 40 drawn again, H's bottom digit drawn in H's turn, I's top one in
// I's. Level 2: C = 304 drawn again, H's free digits top first. Level 3: A drawn three times (zeros in
// guarded digits), F twice; I = 620 and L = 3905 keep their zeros.
const struct {
    const char* draws;
    QStringList across, down;  // clue texts
    QString text4, text5;
} Examples[] = {
    {"n40 n47 +47:21 n63 -63:13 n35 * n58 /3 n29 *5 n71 +71:1 n84 * n50 /13 n16 -16:11 *2 +35:30 * d6 -86:40 d2 * * "
     "+15:10 /7",
     {" 21 + 26", " 76 - 13", " 7 * 5", " 174 / 3", " 145 / 5", " 1 + 70", " 12 * 7", " 650 / 13", " 27 - 11"},
     {" 146 / 2", " 30 + 5", " 13 * 4", " 126 - 40", " 9 * 3", " 14 * 7", " 10 + 5", " 287 / 7"},
     "A) 47\r\nC) 63\r\nE) 35\r\nG) 58\r\nL) 29\r\nN) 71\r\nP) 84\r\nR) 50\r\nS) 16\r\n",
     "B) 73\r\nD) 35\r\nF) 52\r\nH) 86\r\nI) 27\r\nM) 98\r\nO) 15\r\nQ) 41\r\n"},
    {"n26 * n304 n384 +384:100 n19 *4 n51 -51:46 n27 /11 n63 * n85 +85:80 n702 * d4 * -69:9 /2 * +232:32 d9 d1 "
     "-951:1 *",
     {" 13 * 2", " 100 + 284", " 76 / 4", " 97 - 46", " 297 / 11", " 9 * 7", " 80 + 5", " 27 * 26"},
     {" 107 * 2", " 78 - 9", " 714 / 2", " 9 * 9", " 32 + 200", " 952 - 1", " 10 * 6"},
     "A) 26\r\nC) 384\r\nE) 19\r\nF) 51\r\nG) 27\r\nI) 63\r\nL) 85\r\nM) 702\r\n",
     "A) 214\r\nB) 69\r\nC) 357\r\nD) 81\r\nG) 232\r\nH) 951\r\nI) 60\r\n"},
    {"n5072 n5170 n5172 * n36 +36:31 n401 n481 * n94 /13 n620 -620:615 n3905 * n27 +27:1 d8 * /6 +2469:2464 d7 "
     "-7105:100 d3 * *9",
     {" 431 * 12", " 31 + 5", " 37 * 13", " 1222 / 13", " 1235 - 615", " 71 * 55", " 1 + 26"},
     {" 2699 * 2", " 984 / 6", " 2464 + 5", " 7205 - 100", " 631 * 13", " 333 / 9"},
     "A) 5172\r\nE) 36\r\nF) 481\r\nH) 94\r\nI) 620\r\nL) 3905\r\nM) 27\r\n",
     "A) 5398\r\nB) 164\r\nC) 2469\r\nD) 7105\r\nG) 8203\r\nL) 37\r\n"},
};

void Click(PuzzleState& state, GridView& view, int direction, int index)
{
    direction == Across ? SelectAcrossClue(state, view, index) : SelectDownClue(state, view, index);
}

// Confirms `text` for the entry as a player would: click its clue, type, confirm.
void Answer(PuzzleState& state, RecordingView& view, int direction, int index, const std::string& text)
{
    Click(state, view, direction, index);
    view.texts[Control::Text3] = text;
    view.calls.clear();
    FindLevel(state.CurrentLevel)->confirm(state, view);
}

}  // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    // Each level's entries draw its grid, in the clue labels' order; lookups find each and stop there.
    void entriesAreTheRunsOfTheGrid()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            std::string drawn = "XXXXXX XXXXXX XXXXXX XXXXXX XXXXXX";
            for (const auto& entries : {level.geometry.across, level.geometry.down}) {
                for (const GridEntry& e : entries) {
                    for (int j = 0; j < e.length; ++j) {
                        char& cell = drawn[std::size_t(e.cells[j].row * 7 + e.cells[j].column)];
                        cell = j == 0 ? e.letter : cell == 'X' ? '.' : cell;
                    }
                }
            }
            QCOMPARE(drawn, std::string(Grids[n - 1]));
            QCOMPARE(level.geometry.AnswerWidth, n + 1);  // the longest entry's length
            for (const bool across : {true, false}) {
                std::string letters;
                const auto entries = across ? level.geometry.across : level.geometry.down;
                for (int k = 0; k < int(entries.size()); ++k) {
                    const GridEntry& e = entries[std::size_t(k)];
                    QVERIFY(e.direction == (across ? Across : Down) && e.index == k &&
                            FindEntry(n, e.direction, k) == &e);
                    letters += e.letter;
                }
                QVERIFY(!FindEntry(n, across ? Across : Down, int(entries.size())));
                QCOMPARE(letters, std::string(across ? level.acrossLetters : level.downLetters));
            }
        }
        QVERIFY(!FindLevel(0) && !FindLevel(4) && !FindEntry(1, NoDirection, 0) && !FindEntry(1, Across, -1));
    }

    // The number routines reach both ends of their ranges; every number gets clues that evaluate back
    // to it: products by the largest divisor up to the root, a prime's by a quotient, the other forms
    // at both ends of their operands. Another operator leaves the text alone.
    void everyNumberHasExactClues()
    {
        const struct {
            void (*run)(PuzzleState&, RandomSource&);
            int low, high;
        } routines[] = {{RandomDigit, 1, 9},
                        {RandomTwoDigit, 10, 98},
                        {RandomThreeDigit, 100, 998},
                        {RandomFourDigit, 1000, 9998},
                        {RandomOperator, 1, 4}};
        for (const auto& routine : routines) {
            for (const auto& [r, expected] : {std::pair(0.0f, routine.low), {LargestDraw, routine.high}}) {
                PuzzleState state;
                ScriptedRandom random{r};
                routine.run(state, random);
                QCOMPARE(routine.run == RandomOperator ? state.ClueOperator : state.ClueValue, expected);
            }
        }
        const auto clue = [](long long a, char sign, long long b) {  // " a + b", built by appending
            return std::string(1, ' ').append(std::to_string(a)).append({' ', sign, ' '}).append(std::to_string(b));
        };
        for (int t = 10; t <= 9998; ++t) {
            int f = 0;
            for (int i = 2; i * i <= t; ++i)
                f = t % i == 0 ? i : f;
            const std::string texts[][2] = {
                {Clue(t, SumClue, {0.0f}), clue(1, '+', t - 1)},
                {Clue(t, SumClue, {LargestDraw}), clue(t - 5, '+', 5)},
                {Clue(t, DifferenceClue, {0.0f}), clue(t + 1, '-', 1)},
                {Clue(t, DifferenceClue, {LargestDraw}), clue(2 * t - 5, '-', t - 5)},
                {Clue(t, QuotientClue, {0.0f}), clue(2 * t, '/', 2)},
                {Clue(t, QuotientClue, {LargestDraw}), clue(13 * t, '/', 13)},
                {f == 0 ? Clue(t, ProductClue, {0.1f}) : Clue(t, ProductClue, {}),
                 f == 0 ? clue(3 * t, '/', 3) : clue(t / f, '*', f)},
            };
            for (const auto& [text, expected] : texts) {
                QCOMPARE(text, expected);
                QCOMPARE(EvaluateClue(text).value_or(-1), (long long)t);
            }
        }
        QCOMPARE(Clue(58, 0, {}) + Clue(58, 5, {}), "previousprevious");
    }

    // Each worked puzzle replaces a level-1 puzzle with answers, selection and highlight: only the selection stays.
    void workedExamples()
    {
        for (int level = 1; level <= LevelCount; ++level) {
            const auto& x = Examples[level - 1];
            const LevelData& data = *FindLevel(level);
            PuzzleState state;
            RecordingView view;
            SeededRandom old(11);
            GeneratePuzzleLevel1(state, view, old);
            state.HorizontalAnswers.fill(12);
            std::fill_n(state.VerticalAnswers.begin(), 8, 34);  // slot 8 belongs to no level
            state.SelectedDirection = Down;
            state.SelectedVerticalIndex = 5;
            for (auto& array : view.labels)
                for (RecordingView::Label& label : array)
                    label = {"?", true, Rgb{255, 255, 0}};
            view.enabled[Control::Command1] = true;
            view.texts[Control::Text3] = "34";
            view.calls.clear();

            ScriptedRandom random = Draws(x.draws);
            state.PicturePath = "Dati/Schema-0" + std::to_string(level) + ".bmp";
            data.generate(state, view, random);
            QCOMPARE(random.used, random.draws.size());
            QCOMPARE(view.calls.front(), "picture " + state.PicturePath);  // the reload wipes the old drawing
            QCOMPARE(QString::fromStdString(view.texts[Control::Text4]), x.text4);
            QCOMPARE(QString::fromStdString(view.texts[Control::Text5]), x.text5);
            QVERIFY(!view.enabled[Control::Command1] && view.texts[Control::Text3].empty());

            // The level's labels carry their clues and letters on white; those beyond it are hidden.
            using enum LabelArray;
            for (const auto& [letters, texts, order, clues, count] :
                 {std::tuple(Label5, Label4, data.acrossLetters, x.across, 9),
                  std::tuple(Label7, Label8, data.downLetters, x.down, 8)}) {
                for (int i = 0; i < count; ++i) {
                    const bool used = i < int(order.size());
                    QVERIFY(view.label(letters, i).visible == used && view.label(texts, i).visible == used);
                    if (!used)
                        continue;
                    QCOMPARE(QString::fromStdString(view.label(texts, i).caption), clues[i]);
                    QCOMPARE(view.label(letters, i).caption, std::string(1, order[std::size_t(i)]));
                    QVERIFY(view.label(letters, i).back == White && view.label(texts, i).back == White);
                }
            }
            const auto across = std::ptrdiff_t(data.acrossLetters.size()),
                       down = std::ptrdiff_t(data.downLetters.size());
            QCOMPARE(std::count(state.HorizontalSolutions.begin() + across, state.HorizontalSolutions.end(), 0),
                     9 - across);
            QCOMPARE(std::count(state.VerticalSolutions.begin() + down, state.VerticalSolutions.end(), 0), 9 - down);
            QVERIFY(state.HorizontalAnswers == PuzzleState().HorizontalAnswers &&
                    state.VerticalAnswers == PuzzleState().VerticalAnswers);
            QVERIFY(state.SelectedDirection == Down && state.SelectedVerticalIndex == 5);
        }
    }

    // A click arms the answer entry, highlights its own clue only and empties the box; the other index stays.
    void aClickArmsHighlightsAndEmpties()
    {
        PuzzleState state;
        RecordingView view;
        for (auto [direction, index] : {std::pair(Across, 3), {Down, 5}, {Down, 5}}) {
            for (auto& array : view.labels)
                for (RecordingView::Label& label : array)
                    label.back = Rgb{1, 2, 3};  // so any label the click leaves alone shows
            view.texts[Control::Text3] = "12";
            view.enabled.clear();
            Click(state, view, direction, index);
            for (int a = 0; a < 4; ++a)
                for (int i = 0; i < 9 - a / 2; ++i)
                    QVERIFY(view.label(LabelArray(a), i).back ==
                            (i == index && a / 2 == direction - 1 ? SelectionHighlight : White));
            QVERIFY(view.enabled[Control::Command1] && view.enabled[Control::Text3] &&
                    view.texts[Control::Text3].empty());
            QVERIFY(state.SelectedDirection == direction && state.SelectedHorizontalIndex == 3 &&
                    state.SelectedVerticalIndex == (direction == Down ? 5 : 0));
        }
    }

    // "Conferma" off; per cell a white box (x, y)-(x + 15, y + 20) and its character at (x, y); the
    // number one digit a cell, non-digits 0; only the selected slot changes (level 1's B keeps its).
    void charactersGoIntoTheEntrysCells()
    {
        const struct {
            int level, direction, index;
            std::string text;
            Point first;
            std::string drawn;  // cell by cell, split at '|'
            int value;
        } cases[] = {
            {1, Across, 0, "47", {30, 26}, "4|7", 47},
            {1, Across, 0, "4", {30, 26}, "4|", 40},
            {1, Across, 0, " 7", {30, 26}, " |7", 7},
            {1, Across, 0, "", {30, 26}, "|", 0},
            {1, Across, 0, "4a", {30, 26}, "4|a", 40},
            {1, Across, 0, "475", {30, 26}, "4|7", 47},
            {2, Across, 1, "12", {261, 26}, "1|2|", 120},
            {3, Across, 1, "1234", {30, 78}, "1|2", 12},
            {3, Across, 0, "9999", {30, 26}, "9|9|9|9", 9999},
            // In octal, one escape a byte: é, an emoji, stray bytes, a surrogate and an overlong /, an Arabic-Indic 3.
            {1, Across, 0, "\303\2517", {30, 26}, "\303\251|7", 7},
            {3, Across, 0, "1\360\237\230\20023", {30, 26}, "1|\360\237\230\200|2|3", 1023},
            {3, Across, 0, "\377\3515\303", {30, 26}, "\377|\351|5|\303", 50},
            {3, Across, 0, "\355\240\200\340\200\257", {30, 26}, "\355|\240|\200|\340", 0},
            {1, Across, 0, "\331\2433", {30, 26}, "\331\243|3", 3},
            {1, Across, 0, "\357\274\2212", {30, 26}, "\357\274\221|2", 2},       // a full-width 1
            {2, Down, 0, "98" + std::string(9998, '7'), {30, 26}, "9|8|7", 987},  // a long paste
        };
        for (const auto& c : cases) {
            PuzzleState state;
            RecordingView view;
            state.CurrentLevel = Integer(c.level);
            state.HorizontalAnswers.fill(11);
            state.VerticalAnswers.fill(22);
            Click(state, view, Across + Down - c.direction, 5);  // an index of the wrong direction would show
            PuzzleState expected = state;
            Answer(state, view, c.direction, c.index, c.text);
            std::vector<std::string> calls{"disable Command1"};
            int j = 0;
            for (const QString& drawn : QString::fromLatin1(c.drawn.data(), qsizetype(c.drawn.size())).split(u'|')) {
                const int x = c.first.x + (c.direction == Across ? 77 * j : 0),
                          y = c.first.y + (c.direction == Down ? 52 * j : 0);
                const std::string at = std::to_string(x) + " " + std::to_string(y);
                calls.push_back("fill " + at + " " + std::to_string(x + 15) + " " + std::to_string(y + 20) + " ffffff");
                calls.push_back("draw " + at + " " + drawn.toLatin1().toStdString());
                ++j;
            }
            QCOMPARE(view.calls, calls);
            QCOMPARE(view.texts[Control::Text3], c.text);
            (c.direction == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[c.index] = Integer(c.value);
            QVERIFY(state.HorizontalAnswers == expected.HorizontalAnswers &&
                    state.VerticalAnswers == expected.VerticalAnswers);
        }
    }

    // Confirming again blanks every cell anew and replaces the answer; the check counts only an
    // entry's own confirmed, non-zero answer, the last one given, up to the level's every entry.
    void againReplacesAndTheCheckCountsOnlyAnEntrysOwnAnswer()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 2;
        Answer(state, view, Down, 5, "123");
        Answer(state, view, Down, 5, "9");
        QVERIFY(view.calls[4] == "draw 415 182 " && state.VerticalAnswers[5] == 900);
        state = PuzzleState();
        state.CurrentLevel = 1;
        const auto counts = [&state] { return std::pair(CountCorrect(state).across, CountCorrect(state).down); };
        QCOMPARE(counts(), std::pair(0, 0));  // answers 0 match solutions 0 but are no answers
        state.HorizontalSolutions[0] = 47;    // A
        state.VerticalSolutions[0] = 71;      // B starts in A's second cell
        state.HorizontalSolutions[1] = 35;    // C
        Answer(state, view, Across, 0, "47");
        QCOMPARE(counts(), std::pair(1, 0));
        Answer(state, view, Across, 1, "35");
        Answer(state, view, Across, 1, "36");
        Answer(state, view, Down, 0, "71");
        QCOMPARE(counts(), std::pair(1, 1));
        // Every entry of a level answered right: the full counts, in the message, and nothing else changes.
        for (auto [level, across, down] : {std::tuple(1, 9, 8), {2, 8, 7}, {3, 7, 6}}) {
            PuzzleState state;
            RecordingView view;
            state.CurrentLevel = Integer(level);
            for (const auto& entries : {FindLevel(level)->geometry.across, FindLevel(level)->geometry.down}) {
                for (const GridEntry& e : entries) {
                    const std::string digits(std::size_t(e.length), char('1' + e.index));
                    (e.direction == Across ? state.HorizontalSolutions : state.VerticalSolutions)[e.index] =
                        Integer(std::stoi(digits));
                    Answer(state, view, e.direction, e.index, digits);
                }
            }
            view.calls.clear();
            CheckAnswers(state, view);
            QCOMPARE(view.calls,
                     std::vector<std::string>{"message Giusti Orizzontali  " + std::to_string(across) +
                                              " dati\r\nGiusti Verticali  " + std::to_string(down) + " dati"});
        }
    }
};

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"
