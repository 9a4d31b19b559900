// The number routines and the four clue forms, driven by replayed draws.
#include "ClueBuilders.h"
#include "PuzzleChecker.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <cmath>

namespace {

// The largest draw the generator can give: the float just below 1.
const float LargestDraw = std::nextafter(1.0f, 0.0f);

// ClueText for T with operator `op` and the given draws, on one state shared by every call so that
// nothing a previous clue left behind (a divisor, a text) may leak into the next.
QString Clue(int t, int op, std::initializer_list<float> draws, std::size_t* used = nullptr)
{
    static PuzzleState state;
    state.ClueValue = Integer(t);
    state.ClueOperator = Integer(op);
    state.ClueText = "previous";
    ScriptedRandom random(draws);
    BuildClueText(state, random);
    if (state.ClueValue != t || state.ClueOperator != op)
        throw std::logic_error("a builder changed ClueValue or ClueOperator");
    if (used != nullptr)
        *used = random.used();
    return QString::fromStdString(state.ClueText);
}

float Operand(int t, int a)
{
    return ScriptedRandom::For(a - 1, t - 5, 0);
}
float Divisor(int d)
{
    return ScriptedRandom::For(d, 12, 2);
}

}  // namespace

class TestClueBuilders : public QObject {
    Q_OBJECT
private slots:
    // Each form reads blank, number, blank, sign, blank, number, and uses up exactly its draws.
    void examples()
    {
        const struct {
            int t, op;
            float draw;  // negative: no draw scripted
            const char* text;
        } rows[] = {
            {58, SumClue, Operand(58, 21), " 21 + 37"},
            {58, DifferenceClue, Operand(58, 21), " 79 - 21"},
            {66, ProductClue, -1, " 11 * 6"},
            {58, ProductClue, -1, " 29 * 2"},
            {49, ProductClue, -1, " 7 * 7"},
            {98, ProductClue, -1, " 14 * 7"},
            {4, ProductClue, -1, " 2 * 2"},
            {50, QuotientClue, Divisor(2), " 100 / 2"},
            {97, ProductClue, Divisor(5), " 485 / 5"},
            {58, 0, -1, "previous"},
            {58, 5, -1, "previous"},
        };
        for (const auto& row : rows) {
            std::size_t used = 0;
            QCOMPARE(row.draw < 0 ? Clue(row.t, row.op, {}, &used) : Clue(row.t, row.op, {row.draw}, &used),
                     QString(row.text));
            QCOMPARE(used, std::size_t(row.draw < 0 ? 0 : 1));
        }
    }

    // Every value of each routine comes from its own band of r, from r = 0 to the largest draw.
    void numberRoutinesCoverTheirRanges()
    {
        const struct {
            void (*run)(PuzzleState&, RandomSource&);
            int low, high, scale;
            Integer PuzzleState::*field;
        } routines[] = {
            {RandomDigit, 1, 9, 9, &PuzzleState::ClueValue},
            {RandomTwoDigit, 10, 98, 89, &PuzzleState::ClueValue},
            {RandomThreeDigit, 100, 998, 899, &PuzzleState::ClueValue},
            {RandomFourDigit, 1000, 9998, 8999, &PuzzleState::ClueValue},
            {RandomOperator, 1, 4, 4, &PuzzleState::ClueOperator},
        };
        for (const auto& routine : routines) {
            const auto value = [&](float r) {  // -1 unless the routine took exactly this one draw
                PuzzleState state;
                ScriptedRandom random{r};
                routine.run(state, random);
                return random.used() == 1 ? int(state.*routine.field) : -1;
            };
            QCOMPARE(value(0.0f), routine.low);
            QCOMPARE(value(LargestDraw), routine.high);
            for (int v = routine.low; v <= routine.high; ++v)
                QCOMPARE(value(ScriptedRandom::For(v, routine.scale, routine.low)), v);
        }
    }

    // Every number the generator can hand over gets clues that evaluate back to it: the product is
    // the largest divisor not above the root (found here the long way round) or a quotient for a
    // prime, and the other forms reach both ends of their operand ranges.
    void everyNumberHasExactClues()
    {
        const auto n = [](long long v) { return QString::number(v); };
        for (int t = 10; t <= 9998; ++t) {
            int f = 0;
            for (int i = 2; i * i <= t; ++i)
                f = t % i == 0 ? i : f;
            std::size_t used = 0;
            const QString product = Clue(t, ProductClue, {Divisor(3)}, &used);
            QCOMPARE(product, f == 0 ? " " + n(3 * t) + " / 3" : " " + n(t / f) + " * " + n(f));
            QCOMPARE(used, std::size_t(f == 0 ? 1 : 0));
            const QString texts[][2] = {
                {Clue(t, SumClue, {0.0f}), " 1 + " + n(t - 1)},
                {Clue(t, SumClue, {LargestDraw}), " " + n(t - 5) + " + 5"},
                {Clue(t, DifferenceClue, {0.0f}), " " + n(t + 1) + " - 1"},
                {Clue(t, DifferenceClue, {LargestDraw}), " " + n(2 * t - 5) + " - " + n(t - 5)},
                {Clue(t, QuotientClue, {0.0f}), " " + n(2 * t) + " / 2"},
                {Clue(t, QuotientClue, {LargestDraw}), " " + n(13 * t) + " / 13"},
                {product, product},
            };
            for (const auto& [text, expected] : texts) {
                QCOMPARE(text, expected);
                QCOMPARE(EvaluateClue(text.toStdString()).value_or(-1), (long long)t);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestClueBuilders)
#include "tst_clue_builders.moc"
