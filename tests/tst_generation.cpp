// Whole puzzles of the three levels from replayed draws: numbers, clues, solution lists, window steps.
#include "ClueBuilders.h"
#include "Generation.h"
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RecordingView.h"
#include "ScriptedRandom.h"

#include <QTest>

namespace {

const Rgb Highlight{255, 255, 0};

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The draws of a puzzle, written in the order the generator takes them: an entry's number (or its
// free digits), then its operator, then the clue form's own draw if it has one.
struct Script {
    ScriptedRandom random;

    Script& number(int value)
    {
        const int length = int(std::to_string(value).size());
        const double scale = length == 2 ? 89 : length == 3 ? 899 : 8999;
        random.add(ScriptedRandom::For(value, scale, value < 100 ? 10 : value < 1000 ? 100 : 1000));
        return *this;
    }
    Script& digit(int d)
    {
        random.add(ScriptedRandom::For(d, 9, 1));
        return *this;
    }
    Script& sum(int t, int a) { return op(SumClue).operand(t, a); }
    Script& difference(int t, int a) { return op(DifferenceClue).operand(t, a); }
    Script& product() { return op(ProductClue); }
    Script& productOfPrime(int d) { return op(ProductClue).divisor(d); }
    Script& quotient(int d) { return op(QuotientClue).divisor(d); }

private:
    Script& op(int o)
    {
        random.add(ScriptedRandom::For(o, 4, 1));
        return *this;
    }
    Script& operand(int t, int a)
    {
        random.add(ScriptedRandom::For(a - 1, t - 5, 0));
        return *this;
    }
    Script& divisor(int d)
    {
        random.add(ScriptedRandom::For(d, 12, 2));
        return *this;
    }
};

// Level 3 with A = 5172, E = 36, F = 481, H = 94, I = 620, L = 3905, M = 27 and the free digits
// 8 (A), 7 (D), 3 (G). A is drawn three times (5072 and 5170 have a 0 in a guarded digit), F twice.
Script LevelThreeScript()
{
    Script s;
    s.number(5072).number(5170).number(5172).product();
    s.number(36).sum(36, 31);
    s.number(401).number(481).product();
    s.number(94).quotient(13);
    s.number(620).difference(620, 615);
    s.number(3905).product();
    s.number(27).sum(27, 1);
    s.digit(8).product();
    s.quotient(6);
    s.sum(2469, 2464);
    s.digit(7).difference(7105, 100);
    s.digit(3).product();
    s.productOfPrime(9);
    return s;
}

struct Generated {
    PuzzleState state;
    RecordingView view;
};

// Runs a level on a view whose labels all carry an old caption and a selection highlight.
void Generate(int level, Generated& g, RandomSource& random)
{
    for (auto& array : g.view.labels)
        for (auto& label : array)
            label = {"old", true, Highlight};
    g.state.PicturePath = "Dati/Schema-0" + std::to_string(level) + ".bmp";
    FindLevel(level)->generate(g.state, g.view, random);
}

QStringList Captions(RecordingView& view, LabelArray array, int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions << Q(view.label(array, i).caption);
    return captions;
}

// Letters shown, labels white and visible up to the level's counts, hidden beyond.
void CheckLabels(int level, RecordingView& view)
{
    const LevelData& data = *FindLevel(level);
    const struct {
        LabelArray letters, texts;
        std::string_view order;
        int count;
    } directions[] = {{LabelArray::Label5, LabelArray::Label4, data.acrossLetters, 9},
                      {LabelArray::Label7, LabelArray::Label8, data.downLetters, 8}};
    for (const auto& d : directions) {
        for (int i = 0; i < d.count; ++i) {
            const bool shown = i < int(d.order.size());
            QCOMPARE(view.label(d.letters, i).visible, shown);
            QCOMPARE(view.label(d.texts, i).visible, shown);
            if (shown) {
                QCOMPARE(Q(view.label(d.letters, i).caption), QString(QChar(d.order[std::size_t(i)])));
                QVERIFY(view.label(d.letters, i).back == White);
                QVERIFY(view.label(d.texts, i).back == White);
            }
        }
    }
}

std::vector<int> Numbers(const std::array<Integer, ClueSlots>& table, int count)
{
    return std::vector<int>(table.begin(), table.begin() + count);
}

}  // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    // A = 40 is drawn again; H's bottom digit 6 is drawn in H's turn, I's top digit 2 in I's.
    void levelOneWorkedExample()
    {
        Script s;
        s.number(40).number(47).sum(47, 21);
        s.number(63).difference(63, 13);
        s.number(35).product();
        s.number(58).quotient(3);
        s.number(29).productOfPrime(5);
        s.number(71).sum(71, 1);
        s.number(84).product();
        s.number(50).quotient(13);
        s.number(16).difference(16, 11);
        s.productOfPrime(2);
        s.sum(35, 30);
        s.product();
        s.digit(6).difference(86, 40);
        s.digit(2).product();
        s.product();
        s.sum(15, 10);
        s.quotient(7);
        Generated g;
        Generate(1, g, s.random);
        QCOMPARE(s.random.remaining(), std::size_t(0));

        QCOMPARE(Numbers(g.state.HorizontalSolutions, 9), (std::vector{47, 63, 35, 58, 29, 71, 84, 50, 16}));
        QCOMPARE(Numbers(g.state.VerticalSolutions, 8), (std::vector{73, 35, 52, 86, 27, 98, 15, 41}));
        QCOMPARE(Captions(g.view, LabelArray::Label4, 9),
                 (QStringList{" 21 + 26", " 76 - 13", " 7 * 5", " 174 / 3", " 145 / 5", " 1 + 70",
                                           " 12 * 7", " 650 / 13", " 27 - 11"}));
        QCOMPARE(Captions(g.view, LabelArray::Label8, 8),
                 (QStringList{" 146 / 2", " 30 + 5", " 13 * 4", " 126 - 40", " 9 * 3", " 14 * 7",
                                           " 10 + 5", " 287 / 7"}));
        QCOMPARE(Q(g.view.texts[Control::Text4]),
                 QStringLiteral("A) 47\r\nC) 63\r\nE) 35\r\nG) 58\r\nL) 29\r\nN) 71\r\nP) 84\r\nR) 50\r\nS) 16\r\n"));
        QCOMPARE(Q(g.view.texts[Control::Text5]),
                 QStringLiteral("B) 73\r\nD) 35\r\nF) 52\r\nH) 86\r\nI) 27\r\nM) 98\r\nO) 15\r\nQ) 41\r\n"));
        CheckLabels(1, g.view);
        QCOMPARE(PuzzleProblems(CapturePuzzle(*FindLevel(1), g.state, g.view)), std::vector<std::string>{});
    }

    // C = 304 is drawn again; H's two free digits come top first (9, then 1), so H is 951.
    void levelTwoWorkedExample()
    {
        Script s;
        s.number(26).product();
        s.number(304).number(384).sum(384, 100);
        s.number(19).productOfPrime(4);
        s.number(51).difference(51, 46);
        s.number(27).quotient(11);
        s.number(63).product();
        s.number(85).sum(85, 80);
        s.number(702).product();
        s.digit(4).product();
        s.difference(69, 9);
        s.quotient(2);
        s.product();
        s.sum(232, 32);
        s.digit(9).digit(1).difference(951, 1);
        s.product();
        Generated g;
        Generate(2, g, s.random);
        QCOMPARE(s.random.remaining(), std::size_t(0));

        QCOMPARE(Numbers(g.state.HorizontalSolutions, 9), (std::vector{26, 384, 19, 51, 27, 63, 85, 702, 0}));
        QCOMPARE(Numbers(g.state.VerticalSolutions, 8), (std::vector{214, 69, 357, 81, 232, 951, 60, 0}));
        QCOMPARE(Captions(g.view, LabelArray::Label4, 8),
                 (QStringList{" 13 * 2", " 100 + 284", " 76 / 4", " 97 - 46", " 297 / 11", " 9 * 7",
                                           " 80 + 5", " 27 * 26"}));
        QCOMPARE(Captions(g.view, LabelArray::Label8, 7),
                 (QStringList{" 107 * 2", " 78 - 9", " 714 / 2", " 9 * 9", " 32 + 200", " 952 - 1",
                                           " 10 * 6"}));
        QCOMPARE(Q(g.view.texts[Control::Text4]),
                 QStringLiteral("A) 26\r\nC) 384\r\nE) 19\r\nF) 51\r\nG) 27\r\nI) 63\r\nL) 85\r\nM) 702\r\n"));
        QCOMPARE(Q(g.view.texts[Control::Text5]),
                 QStringLiteral("A) 214\r\nB) 69\r\nC) 357\r\nD) 81\r\nG) 232\r\nH) 951\r\nI) 60\r\n"));
        CheckLabels(2, g.view);
        QCOMPARE(PuzzleProblems(CapturePuzzle(*FindLevel(2), g.state, g.view)), std::vector<std::string>{});
    }

    // I = 620 and L = 3905 keep their zeros: only A's second and fourth and F's second digit are guarded.
    void levelThreeWorkedExample()
    {
        Script s = LevelThreeScript();
        Generated g;
        Generate(3, g, s.random);
        QCOMPARE(s.random.remaining(), std::size_t(0));

        QCOMPARE(Numbers(g.state.HorizontalSolutions, 9), (std::vector{5172, 36, 481, 94, 620, 3905, 27, 0, 0}));
        QCOMPARE(Numbers(g.state.VerticalSolutions, 8), (std::vector{5398, 164, 2469, 7105, 8203, 37, 0, 0}));
        QCOMPARE(Captions(g.view, LabelArray::Label4, 7),
                 (QStringList{" 431 * 12", " 31 + 5", " 37 * 13", " 1222 / 13", " 1235 - 615",
                                           " 71 * 55", " 1 + 26"}));
        QCOMPARE(Captions(g.view, LabelArray::Label8, 6),
                 (QStringList{" 2699 * 2", " 984 / 6", " 2464 + 5", " 7205 - 100", " 631 * 13",
                                           " 333 / 9"}));
        QCOMPARE(Q(g.view.texts[Control::Text4]),
                 QStringLiteral("A) 5172\r\nE) 36\r\nF) 481\r\nH) 94\r\nI) 620\r\nL) 3905\r\nM) 27\r\n"));
        QCOMPARE(Q(g.view.texts[Control::Text5]),
                 QStringLiteral("A) 5398\r\nB) 164\r\nC) 2469\r\nD) 7105\r\nG) 8203\r\nL) 37\r\n"));
        CheckLabels(3, g.view);
        QCOMPARE(PuzzleProblems(CapturePuzzle(*FindLevel(3), g.state, g.view)), std::vector<std::string>{});
    }

    // Picture, button, boxes, then every label hidden, then the level's labels readied one by one,
    // then each across and each down entry's clue and solution line.
    void windowStepsInOrder()
    {
        Script s = LevelThreeScript();
        Generated g;
        Generate(3, g, s.random);
        const auto control = [](Control c) { return std::to_string(int(c)); };
        const auto element = [](const char* array, int i) { return std::string(array) + "(" + std::to_string(i) + ")"; };
        std::vector<std::string> expected{"picture Dati/Schema-03.bmp", "disable " + control(Control::Command1),
                                          "text " + control(Control::Text3), "text " + control(Control::Text4),
                                          "text " + control(Control::Text5)};
        for (int i = 0; i < 9; ++i)
            expected.insert(expected.end(), {"hide " + element("Label4", i), "hide " + element("Label5", i)});
        for (int i = 0; i < 8; ++i)
            expected.insert(expected.end(), {"hide " + element("Label7", i), "hide " + element("Label8", i)});
        for (int i = 0; i < 7; ++i)
            expected.insert(expected.end(), {"back " + element("Label4", i), "back " + element("Label5", i),
                                             "caption " + element("Label5", i), "show " + element("Label4", i),
                                             "show " + element("Label5", i)});
        for (int i = 0; i < 6; ++i)
            expected.insert(expected.end(), {"back " + element("Label7", i), "back " + element("Label8", i),
                                             "caption " + element("Label7", i), "show " + element("Label7", i),
                                             "show " + element("Label8", i)});
        for (int i = 0; i < 7; ++i)
            expected.insert(expected.end(), {"caption " + element("Label4", i), "text " + control(Control::Text4)});
        for (int i = 0; i < 6; ++i)
            expected.insert(expected.end(), {"caption " + element("Label8", i), "text " + control(Control::Text5)});
        QCOMPARE(g.view.calls, expected);
    }

    // After level 1 with answers given and a clue highlighted, a puzzle of level 3 (or of level 1
    // again) is exactly what it would be on a fresh window, and the selection is left as it was.
    void aNewPuzzleLeavesNoTraceOfTheOld()
    {
        for (int second : {3, 1}) {
            Generated g;
            SeededRandom first(11);
            Generate(1, g, first);
            g.state.HorizontalAnswers.fill(12);
            for (int i = 0; i < 8; ++i)
                g.state.VerticalAnswers[std::size_t(i)] = 34;
            g.state.SelectedDirection = Down;
            g.state.SelectedVerticalIndex = 7;
            g.view.SetBackColor(LabelArray::Label8, 7, Highlight);
            g.view.SetText(Control::Text3, "34");
            g.view.SetEnabled(Control::Text3, true);
            g.view.SetEnabled(Control::Command1, true);
            g.view.DrawText(300, 100, "3");

            SeededRandom again(29), same(29);
            g.state.PicturePath = "Dati/Schema-0" + std::to_string(second) + ".bmp";
            g.view.clearLog();
            FindLevel(second)->generate(g.state, g.view, again);
            Generated fresh;
            fresh.state.PicturePath = g.state.PicturePath;
            FindLevel(second)->generate(fresh.state, fresh.view, same);

            QCOMPARE(g.state.HorizontalSolutions, fresh.state.HorizontalSolutions);
            QCOMPARE(g.state.VerticalSolutions, fresh.state.VerticalSolutions);
            QCOMPARE(g.state.HorizontalAnswers, (std::array<Integer, ClueSlots>{}));
            QCOMPARE(g.state.VerticalAnswers, (std::array<Integer, ClueSlots>{}));
            for (Control box : {Control::Text3, Control::Text4, Control::Text5})
                QCOMPARE(Q(g.view.texts[box]), Q(fresh.view.texts[box]));
            QVERIFY(g.view.texts[Control::Text3].empty());
            for (LabelArray a : {LabelArray::Label4, LabelArray::Label5, LabelArray::Label7, LabelArray::Label8}) {
                const bool down = a == LabelArray::Label7 || a == LabelArray::Label8;
                for (int i = 0; i < (down ? 8 : 9); ++i) {  // element 8 of the down arrays is never used
                    const auto& was = g.view.label(a, i);
                    const auto& is = fresh.view.label(a, i);
                    QCOMPARE(was.visible, is.visible);
                    if (is.visible) {
                        QCOMPARE(Q(was.caption), Q(is.caption));
                        QVERIFY(was.back == is.back);
                    }
                }
            }
            CheckLabels(second, g.view);
            QCOMPARE(g.view.picturesLoaded, std::vector<std::string>{g.state.PicturePath});
            QVERIFY(g.view.drawn.empty());
            QCOMPARE(g.view.enabled[Control::Command1], false);
            QCOMPARE(g.view.enabled[Control::Text3], true);  // whether the box takes input is left alone
            QCOMPARE(g.state.SelectedDirection, Down);
            QCOMPARE(g.state.SelectedVerticalIndex, Integer(7));
        }
    }
};

QTEST_APPLESS_MAIN(TestGeneration)
#include "tst_generation.moc"
