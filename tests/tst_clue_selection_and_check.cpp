// Clue clicks (what is highlighted, armed and kept) and the answer check (counts and exact message).
#include "AnswerCheck.h"
#include "AnswerEntry.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "RecordingView.h"

#include <QTest>

#include <string>
#include <tuple>
#include <vector>

namespace {

// The clue labels that are not plain white, as " Label5(3) Label4(3)"; a colour other than the
// highlight is marked "?".
std::string Coloured(RecordingView& view)
{
    const char* const names[] = {"Label5", "Label4", "Label7", "Label8"};
    std::string found;
    for (int a = 0; a < 4; ++a) {
        for (int i = 0; i < (a < 2 ? 9 : 8); ++i) {
            const Rgb back = view.label(LabelArray(a), i).back;
            if (!(back == White))
                found += std::string(" ") + names[a] + "(" + std::to_string(i) + ")" +
                         (back == SelectionHighlight ? "" : "?");
        }
    }
    return found;
}

// Confirms `text` for the entry as a player would: click its clue, type, confirm.
void Answer(PuzzleState& state, RecordingView& view, int direction, int index, const std::string& text)
{
    direction == Across ? SelectAcrossClue(state, view, index) : SelectDownClue(state, view, index);
    view.texts[Control::Text3] = text;
    FindLevel(state.CurrentLevel)->confirm(state, view);
}

std::pair<int, int> Counts(const PuzzleState& state)
{
    const CheckCounts counts = CountCorrect(state);
    return {counts.across, counts.down};
}

}  // namespace

class TestClueSelectionAndCheck : public QObject {
    Q_OBJECT
private slots:
    // A click arms the answer entry, turns every clue plain, highlights its own letter and text and
    // empties the box; a down click keeps the across index, and the same clue twice stays highlighted.
    void aClickArmsHighlightsAndEmpties()
    {
        PuzzleState state;
        RecordingView view;
        for (auto [direction, index, highlighted] : {std::tuple(Across, 3, " Label5(3) Label4(3)"),
                                                     {Down, 5, " Label7(5) Label8(5)"},
                                                     {Down, 5, " Label7(5) Label8(5)"}}) {
            for (auto& array : view.labels)
                for (RecordingView::Label& label : array)
                    label.back = Rgb{1, 2, 3};  // so any label the click leaves alone shows
            view.texts[Control::Text3] = "12";
            view.enabled.clear();
            direction == Across ? SelectAcrossClue(state, view, index) : SelectDownClue(state, view, index);
            QCOMPARE(Coloured(view), std::string(highlighted));
            QVERIFY(view.enabled[Control::Command1] && view.enabled[Control::Text3]);
            QCOMPARE(view.texts[Control::Text3], std::string());
            QCOMPARE(state.SelectedDirection, direction);
            QCOMPARE(direction == Across ? state.SelectedHorizontalIndex : state.SelectedVerticalIndex, Integer(index));
            QCOMPARE(state.SelectedHorizontalIndex, Integer(3));
        }
    }

    void theCheckCountsOnlyAnEntrysOwnNonZeroAnswer()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 1;
        QCOMPARE(Counts(state), std::pair(0, 0));  // answers 0 match solutions 0 but are no answers
        state.HorizontalSolutions[0] = 47;         // A
        state.VerticalSolutions[0] = 71;           // B starts in A's second cell
        state.HorizontalSolutions[1] = 35;         // C
        Answer(state, view, Across, 0, "47");
        QCOMPARE(Counts(state), std::pair(1, 0));  // the 7 drawn into B is not B's answer
        Answer(state, view, Across, 1, "35");
        Answer(state, view, Across, 1, "36");
        Answer(state, view, Down, 0, "71");
        QCOMPARE(Counts(state), std::pair(1, 1));  // the last confirmed number counts
        Answer(state, view, Across, 1, "35");
        QCOMPARE(Counts(state), std::pair(2, 1));
    }

    void solvingEveryEntryGivesTheFullCountAndItsMessage()
    {
        for (auto [level, across, down] : {std::tuple(1, 9, 8), {2, 8, 7}, {3, 7, 6}}) {
            PuzzleState state;
            RecordingView view;
            state.CurrentLevel = Integer(level);
            const LevelGeometry& geometry = FindLevel(level)->geometry;
            for (const auto& entries : {geometry.across, geometry.down}) {
                for (const GridEntry& e : entries) {
                    const std::string digits(std::size_t(e.length), char('1' + e.index));
                    (e.direction == Across ? state.HorizontalSolutions
                                           : state.VerticalSolutions)[std::size_t(e.index)] =
                        Integer(std::stoi(digits));
                    Answer(state, view, e.direction, e.index, digits);
                }
            }
            view.clearLog();
            CheckAnswers(state, view);
            QCOMPARE(view.calls, std::vector<std::string>{"message"});  // the check changes nothing
            QCOMPARE(view.messages.front(), "Giusti Orizzontali  " + std::to_string(across) +
                                                " dati\r\nGiusti Verticali  " + std::to_string(down) + " dati");
        }
        QCOMPARE(CheckMessage({0, 0}), std::string("Giusti Orizzontali  0 dati\r\nGiusti Verticali  0 dati"));
    }
};

QTEST_APPLESS_MAIN(TestClueSelectionAndCheck)
#include "tst_clue_selection_and_check.moc"
