// Whole puzzles of the three levels from replayed draws: numbers, clues, solution lists, window steps.
#include "ClueBuilders.h"
#include "Generation.h"
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RecordingView.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <algorithm>

namespace {

// The draws of a puzzle, written in the order the generator takes them: an entry's number (or its
// free digits), then its operator, then the clue form's own draw if it has one.
struct Script {
    ScriptedRandom random;

    Script& draw(int value, int scale, int offset)
    {
        random.add(ScriptedRandom::For(value, scale, offset));
        return *this;
    }
    Script& number(int v)
    {
        const int low = v < 100 ? 10 : v < 1000 ? 100 : 1000;
        return draw(v, 9 * low - 1, low);
    }
    Script& digit(int d) { return draw(d, 9, 1); }
    Script& sum(int t, int a) { return draw(SumClue, 4, 1).draw(a - 1, t - 5, 0); }
    Script& difference(int t, int a) { return draw(DifferenceClue, 4, 1).draw(a - 1, t - 5, 0); }
    Script& product() { return draw(ProductClue, 4, 1); }
    Script& productOfPrime(int d) { return product().draw(d, 12, 2); }
    Script& quotient(int d) { return draw(QuotientClue, 4, 1).draw(d, 12, 2); }
};

struct Example {
    Script script;
    QStringList across, down;  // clue texts
    QString text4, text5;
};

// The worked puzzle of each level. Level 1: A = 40 is drawn again; H's bottom digit 6 is drawn in
// H's turn, I's top digit 2 in I's. Level 2: C = 304 is drawn again; H's free digits come top first.
// Level 3: A is drawn three times (5072 and 5170 have a 0 in a guarded digit), F twice; I = 620 and
// L = 3905 keep their zeros.
std::vector<Example> Examples()
{
    Script one, two, three;
    one.number(40).number(47).sum(47, 21).number(63).difference(63, 13).number(35).product();
    one.number(58).quotient(3).number(29).productOfPrime(5).number(71).sum(71, 1).number(84).product();
    one.number(50).quotient(13).number(16).difference(16, 11);
    one.productOfPrime(2).sum(35, 30).product().digit(6).difference(86, 40).digit(2).product().product();
    one.sum(15, 10).quotient(7);
    two.number(26).product().number(304).number(384).sum(384, 100).number(19).productOfPrime(4);
    two.number(51).difference(51, 46).number(27).quotient(11).number(63).product().number(85).sum(85, 80);
    two.number(702).product();
    two.digit(4).product().difference(69, 9).quotient(2).product().sum(232, 32);
    two.digit(9).digit(1).difference(951, 1).product();
    three.number(5072).number(5170).number(5172).product().number(36).sum(36, 31);
    three.number(401).number(481).product().number(94).quotient(13).number(620).difference(620, 615);
    three.number(3905).product().number(27).sum(27, 1);
    three.digit(8).product().quotient(6).sum(2469, 2464).digit(7).difference(7105, 100);
    three.digit(3).product().productOfPrime(9);
    return {
        {one,
         {" 21 + 26", " 76 - 13", " 7 * 5", " 174 / 3", " 145 / 5", " 1 + 70", " 12 * 7", " 650 / 13", " 27 - 11"},
         {" 146 / 2", " 30 + 5", " 13 * 4", " 126 - 40", " 9 * 3", " 14 * 7", " 10 + 5", " 287 / 7"},
         "A) 47\r\nC) 63\r\nE) 35\r\nG) 58\r\nL) 29\r\nN) 71\r\nP) 84\r\nR) 50\r\nS) 16\r\n",
         "B) 73\r\nD) 35\r\nF) 52\r\nH) 86\r\nI) 27\r\nM) 98\r\nO) 15\r\nQ) 41\r\n"},
        {two,
         {" 13 * 2", " 100 + 284", " 76 / 4", " 97 - 46", " 297 / 11", " 9 * 7", " 80 + 5", " 27 * 26"},
         {" 107 * 2", " 78 - 9", " 714 / 2", " 9 * 9", " 32 + 200", " 952 - 1", " 10 * 6"},
         "A) 26\r\nC) 384\r\nE) 19\r\nF) 51\r\nG) 27\r\nI) 63\r\nL) 85\r\nM) 702\r\n",
         "A) 214\r\nB) 69\r\nC) 357\r\nD) 81\r\nG) 232\r\nH) 951\r\nI) 60\r\n"},
        {three,
         {" 431 * 12", " 31 + 5", " 37 * 13", " 1222 / 13", " 1235 - 615", " 71 * 55", " 1 + 26"},
         {" 2699 * 2", " 984 / 6", " 2464 + 5", " 7205 - 100", " 631 * 13", " 333 / 9"},
         "A) 5172\r\nE) 36\r\nF) 481\r\nH) 94\r\nI) 620\r\nL) 3905\r\nM) 27\r\n",
         "A) 5398\r\nB) 164\r\nC) 2469\r\nD) 7105\r\nG) 8203\r\nL) 37\r\n"},
    };
}

// The calls of a run: picture, button, boxes, every label hidden, the level's labels readied one
// by one, then each across and each down entry's clue and solution line.
std::vector<std::string> WindowSteps(int level, int across, int down)
{
    const auto id = [](Control c) { return std::to_string(int(c)); };
    std::vector<std::string> steps{"picture Dati/Schema-0" + std::to_string(level) + ".bmp",
                                   "disable " + id(Control::Command1), "text " + id(Control::Text3),
                                   "text " + id(Control::Text4), "text " + id(Control::Text5)};
    const auto each = [&](int count, std::initializer_list<std::string> calls) {
        for (int i = 0; i < count; ++i)
            for (const std::string& call : calls)
                steps.push_back(call.back() == '(' ? call + std::to_string(i) + ")" : call);
    };
    each(9, {"hide Label4(", "hide Label5("});
    each(8, {"hide Label7(", "hide Label8("});
    each(across, {"back Label4(", "back Label5(", "caption Label5(", "show Label4(", "show Label5("});
    each(down, {"back Label7(", "back Label8(", "caption Label7(", "show Label7(", "show Label8("});
    each(across, {"caption Label4(", "text " + id(Control::Text4)});
    each(down, {"caption Label8(", "text " + id(Control::Text5)});
    return steps;
}

}  // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data()
    {
        QTest::addColumn<int>("level");
        for (int level : {1, 2, 3})
            QTest::addRow("level %d", level) << level;
    }
    // Each worked puzzle is made on a window that still shows a level-1 puzzle with answers given and
    // a clue selected and highlighted: nothing of it may survive but the selection (and whether the
    // answer box takes input, which the exact call log shows untouched).
    void workedExamples()
    {
        QFETCH(int, level);
        const Example x = Examples()[std::size_t(level - 1)];
        const LevelData& data = *FindLevel(level);
        PuzzleState state;
        RecordingView view;
        SeededRandom old(11);
        GeneratePuzzleLevel1(state, view, old);
        state.HorizontalAnswers.fill(12);
        std::fill_n(state.VerticalAnswers.begin(), 8, 34);  // slot 8 belongs to no level
        state.SelectedDirection = Down;
        state.SelectedVerticalIndex = 5;
        view.label(LabelArray::Label8, 5).back = Rgb{255, 255, 0};
        view.SetText(Control::Text3, "34");
        view.clearLog();

        Script script = x.script;
        state.PicturePath = "Dati/Schema-0" + std::to_string(level) + ".bmp";
        data.generate(state, view, script.random);
        QCOMPARE(script.random.remaining(), std::size_t(0));

        const int across = int(data.acrossLetters.size()), down = int(data.downLetters.size());
        const auto q = [](const std::string& text) { return QString::fromStdString(text); };
        QCOMPARE(q(view.texts[Control::Text4]), x.text4);
        QCOMPARE(q(view.texts[Control::Text5]), x.text5);
        QCOMPARE(PuzzleProblems(CapturePuzzle(data, state, view)), std::vector<std::string>{});
        QCOMPARE(view.calls, WindowSteps(level, across, down));

        // The log shows every label hidden and only the level's shown again; those carry their clues
        // and letters on white, and the entries beyond the level's are solved as 0.
        using enum LabelArray;
        for (const auto& [letters, texts, order, clues] : {std::tuple(Label5, Label4, data.acrossLetters, x.across),
                                                           std::tuple(Label7, Label8, data.downLetters, x.down)})
            for (int i = 0; i < int(order.size()); ++i) {
                QCOMPARE(q(view.label(texts, i).caption), clues[i]);
                QCOMPARE(view.label(letters, i).caption, std::string(1, order[std::size_t(i)]));
                QVERIFY(view.label(letters, i).back == White && view.label(texts, i).back == White);
            }
        const auto &acrossSolutions = state.HorizontalSolutions, &downSolutions = state.VerticalSolutions;
        QCOMPARE(std::count(acrossSolutions.begin() + across, acrossSolutions.end(), 0), 9 - across);
        QCOMPARE(std::count(downSolutions.begin() + down, downSolutions.end(), 0), 9 - down);
        QCOMPARE(state.HorizontalAnswers, (std::array<Integer, ClueSlots>{}));
        QCOMPARE(state.VerticalAnswers, (std::array<Integer, ClueSlots>{}));
        QVERIFY(view.texts[Control::Text3].empty());
        QCOMPARE(state.SelectedDirection, Down);
        QCOMPARE(state.SelectedVerticalIndex, Integer(5));
    }
};

QTEST_APPLESS_MAIN(TestGeneration)
#include "tst_generation.moc"
