// Clue clicks (order of colouring, what is kept) and the answer check (counts and exact message).
#include "AnswerCheck.h"
#include "AnswerEntry.h"
#include "ClueSelection.h"
#include "Generation.h"
#include "Levels.h"
#include "RandomSource.h"
#include "RecordingView.h"

#include <QTest>

#include <map>
#include <string>
#include <vector>

namespace {

std::string Back(const char* array, int i)
{
    return std::string("back ") + array + "(" + std::to_string(i) + ")";
}

// The calls of one click: arm, every label of the four arrays plain, the clicked clue highlighted.
std::vector<std::string> ClickCalls(const char* letters, const char* texts, int k, bool textFirst)
{
    std::vector<std::string> calls{"enable " + std::to_string(int(Control::Command1)),
                                   "enable " + std::to_string(int(Control::Text3))};
    for (int i = 0; i < 9; ++i)
        calls.insert(calls.end(), {Back("Label4", i), Back("Label5", i)});
    for (int i = 0; i < 8; ++i)
        calls.insert(calls.end(), {Back("Label7", i), Back("Label8", i)});
    if (textFirst)
        calls.insert(calls.end(), {Back(texts, k), Back(letters, k)});
    else
        calls.insert(calls.end(), {Back(letters, k), Back(texts, k)});
    calls.push_back("text " + std::to_string(int(Control::Text3)));
    return calls;
}

// The one pair of highlighted labels, as "Label4(3)+Label5(3)"; every other label must be plain.
std::string Highlighted(RecordingView& view)
{
    std::string found;
    const char* names[] = {"Label5", "Label4", "Label7", "Label8"};
    for (int a = 0; a < 4; ++a) {
        for (int i = 0; i < 9; ++i) {
            const Rgb back = view.label(LabelArray(a), i).back;
            if (back == SelectionHighlight)
                found += (found.empty() ? "" : "+") + std::string(names[a]) + "(" + std::to_string(i) + ")";
            else if (!(back == White))
                return "odd colour";
        }
    }
    return found;
}

// Confirms `text` for the entry as a player would: click its clue, type, confirm.
void Answer(PuzzleState& state, RecordingView& view, int direction, int index, const std::string& text)
{
    if (direction == Across)
        SelectAcrossClue(state, view, index);
    else
        SelectDownClue(state, view, index);
    view.texts[Control::Text3] = text;
    FindLevel(state.CurrentLevel)->confirm(state, view);
}

}  // namespace

class TestClueSelectionAndCheck : public QObject {
    Q_OBJECT
private slots:
    void anAcrossClickArmsColoursAndEmptiesInOrder()
    {
        PuzzleState state;
        RecordingView view;
        view.texts[Control::Text3] = "typed";
        view.label(LabelArray::Label8, 2).back = SelectionHighlight;
        SelectAcrossClue(state, view, 3);
        QCOMPARE(view.calls, ClickCalls("Label5", "Label4", 3, true));
        QCOMPARE(Highlighted(view), std::string("Label5(3)+Label4(3)"));
        QCOMPARE(state.SelectedDirection, Across);
        QCOMPARE(state.SelectedHorizontalIndex, Integer(3));
        QCOMPARE(view.texts[Control::Text3], std::string());
        QVERIFY(view.enabled[Control::Command1] && view.enabled[Control::Text3]);
    }

    void aDownClickKeepsTheAcrossIndex()
    {
        PuzzleState state;
        RecordingView view;
        SelectAcrossClue(state, view, 3);
        view.texts[Control::Text3] = "12";
        view.clearLog();
        SelectDownClue(state, view, 5);
        QCOMPARE(view.calls, ClickCalls("Label7", "Label8", 5, false));
        QCOMPARE(Highlighted(view), std::string("Label7(5)+Label8(5)"));
        QCOMPARE(state.SelectedDirection, Down);
        QCOMPARE(state.SelectedVerticalIndex, Integer(5));
        QCOMPARE(state.SelectedHorizontalIndex, Integer(3));
        QCOMPARE(view.texts[Control::Text3], std::string());

        // The same clue again: the same highlight, and the box is emptied again.
        view.texts[Control::Text3] = "34";
        SelectDownClue(state, view, 5);
        QCOMPARE(Highlighted(view), std::string("Label7(5)+Label8(5)"));
        QCOMPARE(view.texts[Control::Text3], std::string());
    }

    void theCheckCountsOnlyAnEntrysOwnNonZeroAnswer()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 1;
        QCOMPARE(CheckMessage(CountCorrect(state)), std::string("Giusti Orizzontali  0 dati\r\nGiusti Verticali  0 dati"));

        state.HorizontalSolutions[0] = 47;  // A
        state.VerticalSolutions[0] = 71;    // B starts in A's second cell
        state.HorizontalSolutions[1] = 35;  // C
        Answer(state, view, Across, 0, "47");
        auto counts = CountCorrect(state);
        QCOMPARE(std::pair(counts.across, counts.down), std::pair(1, 0));  // the 7 drawn into B is not B's answer

        Answer(state, view, Across, 1, "35");
        Answer(state, view, Across, 1, "36");  // the last confirmed number counts
        Answer(state, view, Down, 0, "71");
        counts = CountCorrect(state);
        QCOMPARE(std::pair(counts.across, counts.down), std::pair(1, 1));
        Answer(state, view, Across, 1, "35");
        QCOMPARE(CountCorrect(state).across, 2);

        // A confirmed 0 is no answer, not even where the solution is 0.
        Answer(state, view, Across, 2, "");
        QCOMPARE(state.HorizontalAnswers[2], Integer(0));
        QCOMPARE(CountCorrect(state).across, 2);
        state.HorizontalSolutions[2] = 50;
        Answer(state, view, Across, 2, "0");
        QCOMPARE(CountCorrect(state).across, 2);
    }

    void solvingEveryEntryGivesTheFullCount_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::newRow("level 1") << 1 << 9 << 8;
        QTest::newRow("level 2") << 2 << 8 << 7;
        QTest::newRow("level 3") << 3 << 7 << 6;
    }

    void solvingEveryEntryGivesTheFullCount()
    {
        QFETCH(int, level);
        QFETCH(int, across);
        QFETCH(int, down);
        PuzzleState state;
        RecordingView view;
        SeededRandom random(20261206u + static_cast<unsigned>(level));
        state.CurrentLevel = static_cast<Integer>(level);
        FindLevel(level)->generate(state, view, random);

        // Across entries first, then down: every crossing cell is drawn twice, with the same digit.
        std::map<std::pair<int, int>, std::string> cells;
        const LevelGeometry& geometry = FindLevel(level)->geometry;
        for (int direction : {int(Across), int(Down)}) {
            for (const GridEntry& e : direction == Across ? geometry.across : geometry.down) {
                const auto& solutions = direction == Across ? state.HorizontalSolutions : state.VerticalSolutions;
                view.clearLog();
                Answer(state, view, direction, e.index, std::to_string(solutions[e.index]));
                for (const RecordingView::Text& t : view.drawn) {
                    auto [at, fresh] = cells.emplace(std::pair(t.x, t.y), t.text);
                    QVERIFY2(fresh || at->second == t.text, "a crossing cell got another digit");
                }
            }
        }
        const CheckCounts counts = CountCorrect(state);
        QCOMPARE(std::pair(counts.across, counts.down), std::pair(across, down));

        view.clearLog();
        const auto answers = state.HorizontalAnswers;
        CheckAnswers(state, view);
        QCOMPARE(view.calls, std::vector<std::string>{"message"});  // the check changes nothing
        QCOMPARE(view.messages.front(), "Giusti Orizzontali  " + std::to_string(across) + " dati\r\nGiusti Verticali  " +
                                            std::to_string(down) + " dati");
        QCOMPARE(state.HorizontalAnswers, answers);
    }

    void theMessageBytes()
    {
        QCOMPARE(CheckMessage({3, 2}), std::string("Giusti Orizzontali  3 dati\r\nGiusti Verticali  2 dati"));
    }
};

QTEST_APPLESS_MAIN(TestClueSelectionAndCheck)
#include "tst_clue_selection_and_check.moc"
