// Clue clicks, confirmed answers and the check, through the recording view: what is highlighted and
// armed, what is blanked and drawn where, what is stored, and what the check counts and says.
#include "AnswerCheck.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "RecordingView.h"

#include <QTest>

#include <tuple>

namespace {

struct Case {
    int level, direction, index;
    std::string text;
    std::vector<Point> cells;
    std::vector<std::string> drawn;
    int value;
};

const std::vector<Point> A1{{30, 26}, {107, 26}};  // level 1 across A; B starts in its second cell
const std::vector<Point> A3{{30, 26}, {107, 26}, {184, 26}, {261, 26}};  // level 3 across A

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

class TestAnswerEntry : public QObject {
    Q_OBJECT
private slots:
    // A click arms the answer entry, turns every clue plain, highlights its own letter and text and
    // empties the box; a down click keeps the across index, and the same clue twice stays highlighted.
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
            QVERIFY(view.enabled[Control::Command1] && view.enabled[Control::Text3]);
            QCOMPARE(view.texts[Control::Text3], std::string());
            QCOMPARE(state.SelectedDirection, direction);
            QCOMPARE(state.SelectedHorizontalIndex, Integer(3));
            QCOMPARE(state.SelectedVerticalIndex, Integer(direction == Down ? 5 : 0));
        }
    }

    void charactersGoIntoTheEntrysCells_data()
    {
        QTest::addColumn<Case>("c");
        QTest::newRow("47 on A, not B's answer") << Case{1, Across, 0, "47", A1, {"4", "7"}, 47};
        QTest::newRow("one digit is the tens") << Case{1, Across, 0, "4", A1, {"4", ""}, 40};
        QTest::newRow("leading blank") << Case{1, Across, 0, " 7", A1, {" ", "7"}, 7};
        QTest::newRow("empty") << Case{1, Across, 0, "", A1, {"", ""}, 0};
        QTest::newRow("letter counts 0") << Case{1, Across, 0, "4a", A1, {"4", "a"}, 40};
        QTest::newRow("third ignored") << Case{1, Across, 0, "475", A1, {"4", "7"}, 47};
        QTest::newRow("12 on three cells")
            << Case{2, Across, 1, "12", {{261, 26}, {338, 26}, {415, 26}}, {"1", "2", ""}, 120};
        QTest::newRow("four digits, two cells") << Case{3, Across, 1, "1234", {{30, 78}, {107, 78}}, {"1", "2"}, 12};
        QTest::newRow("9999") << Case{3, Across, 0, "9999", A3, {"9", "9", "9", "9"}, 9999};
        QTest::newRow("e acute is one character") << Case{1,
                                                          Across,
                                                          0,
                                                          "\xc3\xa9"
                                                          "7",
                                                          A1,
                                                          {"\xc3\xa9", "7"},
                                                          7};
        QTest::newRow("emoji is one character") << Case{3,
                                                        Across,
                                                        0,
                                                        "1\xf0\x9f\x98\x80"
                                                        "23",
                                                        A3,
                                                        {"1", "\xf0\x9f\x98\x80", "2", "3"},
                                                        1023};
        QTest::newRow("stray bytes one each") << Case{3,
                                                      Across,
                                                      0,
                                                      "\xff\xe9"
                                                      "5\xc3",
                                                      A3,
                                                      {"\xff", "\xe9", "5", "\xc3"},
                                                      50};
        QTest::newRow("encoded surrogate half, overlong slash: stray bytes")
            << Case{3, Across, 0, "\xed\xa0\x80\xe0\x80\xaf", A3, {"\xed", "\xa0", "\x80", "\xe0"}, 0};
        QTest::newRow("an arabic-indic digit is no digit") << Case{1,
                                                                   Across,
                                                                   0,
                                                                   "\xd9\xa3"
                                                                   "3",
                                                                   A1,
                                                                   {"\xd9\xa3", "3"},
                                                                   3};
        QTest::newRow("10000-character paste, down")
            << Case{2, Down, 0, "98" + std::string(9998, '7'), {{30, 26}, {30, 78}, {30, 130}}, {"9", "8", "7"}, 987};
    }

    // "Conferma" off; then per cell a white box from (x, y) to (x + 15, y + 20) and its character at
    // (x, y). Nothing is enabled again, the answer box keeps its text, and only the selected slot
    // changes: a crossing entry's answer stays as it was.
    void charactersGoIntoTheEntrysCells()
    {
        QFETCH(Case, c);
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = Integer(c.level);
        state.HorizontalAnswers.fill(11);
        state.VerticalAnswers.fill(22);
        Click(state, view, Across + Down - c.direction, 5);  // an index of the wrong direction would show
        PuzzleState expected = state;
        Answer(state, view, c.direction, c.index, c.text);

        std::vector<std::string> calls{"disable Command1"};
        for (std::size_t j = 0; j < c.cells.size(); ++j) {
            const auto [x, y] = c.cells[j];
            calls.push_back("fill " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 15) + " " +
                            std::to_string(y + 20) + " ffffff");
            calls.push_back("draw " + std::to_string(x) + " " + std::to_string(y) + " " + c.drawn[j]);
        }
        QCOMPARE(view.calls, calls);
        QCOMPARE(view.texts[Control::Text3], c.text);
        (c.direction == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[c.index] = Integer(c.value);
        QCOMPARE(state.HorizontalAnswers, expected.HorizontalAnswers);
        QCOMPARE(state.VerticalAnswers, expected.VerticalAnswers);
    }

    void againReplacesAndNoEntryDrawsNothing()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 2;
        Answer(state, view, Down, 5, "123");
        Answer(state, view, Down, 5, "9");
        QCOMPARE(view.calls[4], std::string("draw 415 182 "));
        QCOMPARE(state.VerticalAnswers[5], Integer(900));
        // No clue clicked since start-up; across 7 is beyond level 3, down 7 beyond level 2.
        for (auto [level, direction, index] : {std::tuple(1, NoDirection, 0), {3, Across, 7}, {2, Down, 7}}) {
            PuzzleState fresh;
            fresh.SelectedDirection = direction;
            fresh.SelectedHorizontalIndex = fresh.SelectedVerticalIndex = Integer(index);
            view.texts[Control::Text3] = "47";
            view.calls.clear();
            FindLevel(level)->confirm(fresh, view);
            QCOMPARE(view.calls, std::vector<std::string>{"disable Command1"});
            QVERIFY(fresh.HorizontalAnswers == PuzzleState().HorizontalAnswers &&
                    fresh.VerticalAnswers == PuzzleState().VerticalAnswers);
        }
    }

    void theCheckCountsOnlyAnEntrysOwnNonZeroAnswer()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 1;
        QCOMPARE(CountCorrect(state).across, 0);  // answers 0 match solutions 0 but are no answers
        state.HorizontalSolutions[0] = 47;        // A
        state.VerticalSolutions[0] = 71;          // B starts in A's second cell
        state.HorizontalSolutions[1] = 35;        // C
        Answer(state, view, Across, 0, "47");
        QCOMPARE(std::pair(CountCorrect(state).across, CountCorrect(state).down), std::pair(1, 0));
        Answer(state, view, Across, 1, "35");
        Answer(state, view, Across, 1, "36");
        Answer(state, view, Down, 0, "71");
        QCOMPARE(std::pair(CountCorrect(state).across, CountCorrect(state).down), std::pair(1, 1));
    }

    // Every entry of a level answered right: the full counts, in the message, and nothing else changes.
    void solvingEveryEntryGivesTheFullCountAndItsMessage()
    {
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

QTEST_APPLESS_MAIN(TestAnswerEntry)
#include "tst_answer_entry.moc"
