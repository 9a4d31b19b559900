// Confirming an answer through the recording view: what is blanked and drawn where, and what is stored.
#include "AnswerEntry.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "RecordingView.h"

#include <QTest>

#include <tuple>
#include <vector>

namespace {

struct Case {
    int level, direction, index;
    std::string text;
    std::vector<Point> cells;
    std::vector<std::string> drawn;
    int value;
};

const std::vector<Point> A1{{30, 26}, {107, 26}};  // level 1 across A; its second cell starts down B
const std::vector<Point> A3{{30, 26}, {107, 26}, {184, 26}, {261, 26}};  // level 3 across A

}  // namespace

class TestAnswerEntry : public QObject {
    Q_OBJECT
    PuzzleState state;
    RecordingView view;

    // Clicks a clue of the other direction, so that an index taken from the wrong direction shows,
    // then the entry's clue; types the text and confirms it.
    void Confirm(int level, int direction, int index, const std::string& text)
    {
        const auto click = [&](int d, int k) {
            d == Across ? SelectAcrossClue(state, view, k) : SelectDownClue(state, view, k);
        };
        state.CurrentLevel = static_cast<Integer>(level);
        click(Across + Down - direction, 5);
        click(direction, index);
        view.texts[Control::Text3] = text;
        view.clearLog();
        FindLevel(level)->confirm(state, view);
    }

private slots:
    void init()
    {
        state = PuzzleState();
        view = RecordingView();
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

    void charactersGoIntoTheEntrysCells()
    {
        QFETCH(Case, c);
        state.HorizontalAnswers.fill(11);
        state.VerticalAnswers.fill(22);
        PuzzleState expected = state;
        Confirm(c.level, c.direction, c.index, c.text);

        // Command1 off; then per cell a white box from (x, y) to (x + 15, y + 20) and its character at (x, y).
        // Nothing is enabled again and the answer box keeps its text.
        std::vector<std::string> calls{"disable " + std::to_string(int(Control::Command1))};
        std::vector<RecordingView::Fill> fills;
        std::vector<RecordingView::Text> drawn;
        for (std::size_t j = 0; j < c.cells.size(); ++j) {
            const auto [x, y] = c.cells[j];
            calls.insert(calls.end(), {"fill", "draw"});
            fills.push_back({x, y, x + 15, y + 20, White});
            drawn.push_back({x, y, c.drawn[j]});
        }
        QCOMPARE(view.calls, calls);
        QVERIFY(view.fills == fills);
        QVERIFY(view.drawn == drawn);

        // Only the selected slot changes, the crossing entries' answers stay as they were.
        (c.direction == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[std::size_t(c.index)] =
            Integer(c.value);
        QCOMPARE(state.HorizontalAnswers, expected.HorizontalAnswers);
        QCOMPARE(state.VerticalAnswers, expected.VerticalAnswers);
    }

    void confirmingTheSameEntryAgainReplacesIt()
    {
        Confirm(2, Down, 5, "123");
        Confirm(2, Down, 5, "9");
        QVERIFY(view.drawn == (std::vector<RecordingView::Text>{{415, 130, "9"}, {415, 182, ""}, {415, 234, ""}}));
        QCOMPARE(state.VerticalAnswers[5], Integer(900));
    }

    void noEntrySelectedDrawsAndStoresNothing()
    {
        // No clue clicked since start-up; across 7 is beyond level 3, down 7 beyond level 2.
        for (auto [level, direction, index] : {std::tuple(1, NoDirection, 0), {3, Across, 7}, {2, Down, 7}}) {
            init();
            state.SelectedDirection = direction;
            state.SelectedHorizontalIndex = state.SelectedVerticalIndex = Integer(index);
            view.texts[Control::Text3] = "47";
            FindLevel(level)->confirm(state, view);
            QCOMPARE(view.calls.size(), std::size_t(1));  // Command1 off, no drawing
            QCOMPARE(state.HorizontalAnswers, decltype(state.HorizontalAnswers){});
            QCOMPARE(state.VerticalAnswers, decltype(state.VerticalAnswers){});
        }
    }
};

QTEST_APPLESS_MAIN(TestAnswerEntry)
#include "tst_answer_entry.moc"
