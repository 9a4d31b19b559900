// The number routines and the four clue forms, driven by replayed draws.
#include "ClueBuilders.h"
#include "PuzzleChecker.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <cmath>

namespace {

// Strings compared as QString so that a failure prints both texts.
QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The largest draw the generator can give: the float just below 1.
const float LargestDraw = std::nextafter(1.0f, 0.0f);

// ClueText for T with the operator `op` and the given draws (the operator's own draw is not among them).
std::string Clue(int t, int op, std::initializer_list<float> draws, std::size_t* used = nullptr)
{
    PuzzleState state;
    state.ClueValue = static_cast<Integer>(t);
    state.ClueOperator = static_cast<Integer>(op);
    state.ClueText = "previous";
    ScriptedRandom random(draws);
    BuildClueText(state, random);
    if (state.ClueValue != t || state.ClueOperator != op)
        throw std::logic_error("a builder changed ClueValue or ClueOperator");
    if (used != nullptr)
        *used = random.used();
    return state.ClueText;
}

// The draw that makes a sum's or a difference's first operand `a` for T.
float FirstOperand(int t, int a)
{
    return ScriptedRandom::For(a - 1, t - 5, 0);
}

float Divisor(int d)
{
    return ScriptedRandom::For(d, 12, 2);
}

// The largest divisor of t not above its square root, found the long way round.
int LargestSmallDivisor(int t)
{
    int best = 0;
    for (int i = 2; i * i <= t; ++i)
        if (t % i == 0)
            best = i;
    return best;
}

}  // namespace

class TestClueBuilders : public QObject {
    Q_OBJECT
private slots:
    void examples_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("op");
        QTest::addColumn<float>("draw");  // negative: no draw scripted
        QTest::addColumn<QString>("text");
        QTest::newRow("sum") << 58 << int(SumClue) << FirstOperand(58, 21) << " 21 + 37";
        QTest::newRow("difference") << 58 << int(DifferenceClue) << FirstOperand(58, 21) << " 79 - 21";
        QTest::newRow("product 66") << 66 << int(ProductClue) << -1.0f << " 11 * 6";
        QTest::newRow("product 58") << 58 << int(ProductClue) << -1.0f << " 29 * 2";
        QTest::newRow("square 49") << 49 << int(ProductClue) << -1.0f << " 7 * 7";
        QTest::newRow("square 36") << 36 << int(ProductClue) << -1.0f << " 6 * 6";
        QTest::newRow("square 4") << 4 << int(ProductClue) << -1.0f << " 2 * 2";
        QTest::newRow("3 beats 2") << 12 << int(ProductClue) << -1.0f << " 4 * 3";
        QTest::newRow("product 1000") << 1000 << int(ProductClue) << -1.0f << " 40 * 25";
        QTest::newRow("product 98") << 98 << int(ProductClue) << -1.0f << " 14 * 7";
        QTest::newRow("quotient") << 50 << int(QuotientClue) << Divisor(2) << " 100 / 2";
        QTest::newRow("prime falls back") << 97 << int(ProductClue) << Divisor(5) << " 485 / 5";
        QTest::newRow("largest dividend") << 9998 << int(QuotientClue) << Divisor(13) << " 129974 / 13";
        QTest::newRow("smallest sum") << 10 << int(SumClue) << LargestDraw << " 5 + 5";
        QTest::newRow("largest minuend of 10") << 10 << int(DifferenceClue) << LargestDraw << " 15 - 5";
        QTest::newRow("operator 0") << 58 << 0 << -1.0f << "previous";
        QTest::newRow("operator 5") << 58 << 5 << -1.0f << "previous";
    }

    // Each form reads blank, number, blank, sign, blank, number, and uses up exactly its draws.
    void examples()
    {
        QFETCH(int, t);
        QFETCH(int, op);
        QFETCH(float, draw);
        QFETCH(QString, text);
        std::size_t used = 0;
        const std::string clue = draw < 0 ? Clue(t, op, {}, &used) : Clue(t, op, {draw}, &used);
        QCOMPARE(Q(clue), text);
        QCOMPARE(used, std::size_t(draw < 0 ? 0 : 1));
    }

    // Every value of each routine comes from its own band of r, from r = 0 to the largest draw.
    void numberRoutinesCoverTheirRanges()
    {
        struct Routine {
            void (*run)(PuzzleState&, RandomSource&);
            int low, high, scale;
            Integer PuzzleState::*field;
        };
        const Routine routines[] = {
            {RandomDigit, 1, 9, 9, &PuzzleState::ClueValue},
            {RandomTwoDigit, 10, 98, 89, &PuzzleState::ClueValue},
            {RandomThreeDigit, 100, 998, 899, &PuzzleState::ClueValue},
            {RandomFourDigit, 1000, 9998, 8999, &PuzzleState::ClueValue},
            {RandomOperator, 1, 4, 4, &PuzzleState::ClueOperator},
        };
        for (const Routine& routine : routines) {
            // The routine's value for one draw; -1 if it did not take exactly that one draw.
            const auto value = [&](float r) {
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

    // Every number the generator can hand over gets a clue that evaluates back to it.
    void everyNumberHasExactClues()
    {
        for (int t = 10; t <= 9998; ++t) {
            const std::string n = std::to_string(t);
            const int f = LargestSmallDivisor(t);
            std::size_t used = 0;
            const std::string product = Clue(t, ProductClue, {Divisor(3)}, &used);
            if (f == 0) {
                QCOMPARE(Q(product), Q(" " + std::to_string(3 * t) + " / 3"));
                QCOMPARE(used, std::size_t(1));
            } else {
                QCOMPARE(Q(product), Q(" " + std::to_string(t / f) + " * " + std::to_string(f)));
                QCOMPARE(used, std::size_t(0));
            }
            QCOMPARE(EvaluateClue(product).value_or(-1), (long long)t);

            const std::string texts[] = {
                Clue(t, SumClue, {0.0f}), Clue(t, SumClue, {LargestDraw}),
                Clue(t, DifferenceClue, {0.0f}), Clue(t, DifferenceClue, {LargestDraw}),
                Clue(t, QuotientClue, {0.0f}), Clue(t, QuotientClue, {LargestDraw}),
            };
            // The extremes of each form: first addend 1..T-5, subtrahend 1..T-5, divisor 2..13.
            const std::string expected[] = {
                " 1 + " + std::to_string(t - 1), " " + std::to_string(t - 5) + " + 5",
                " " + std::to_string(t + 1) + " - 1", " " + std::to_string(2 * t - 5) + " - " + std::to_string(t - 5),
                " " + std::to_string(2 * t) + " / 2", " " + std::to_string(13 * t) + " / 13",
            };
            for (std::size_t k = 0; k < std::size(texts); ++k) {
                QCOMPARE(Q(texts[k]), Q(expected[k]));
                QCOMPARE(EvaluateClue(texts[k]).value_or(-1), (long long)t);
            }
        }
    }

    void divisorSearchStartsFromNothing()
    {
        PuzzleState state;
        for (int t : {2, 3, 97, 9973}) {
            state.ClueValue = static_cast<Integer>(t);
            state.ClueDivisor = 7;
            FindClueDivisor(state);
            QCOMPARE(state.ClueDivisor, Integer(0));
        }
        state.ClueValue = 9801;  // 99 squared: the root itself, exactly
        FindClueDivisor(state);
        QCOMPARE(state.ClueDivisor, Integer(99));
    }
};

QTEST_APPLESS_MAIN(TestClueBuilders)
#include "tst_clue_builders.moc"
