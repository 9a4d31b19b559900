// Confirming an answer through the recording view: what is blanked and drawn where, and what is stored.
#include "AnswerEntry.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "RecordingView.h"

#include <QTest>

#include <vector>

namespace {

using Answers = std::array<Integer, ClueSlots>;

struct Played {
    PuzzleState state;
    RecordingView view;
};

// Clicks the clue, types the text into the answer box and confirms it on the level.
void Confirm(Played& p, int level, int direction, int index, const std::string& text)
{
    p.state.CurrentLevel = static_cast<Integer>(level);
    if (direction == Across)
        SelectAcrossClue(p.state, p.view, index);
    else
        SelectDownClue(p.state, p.view, index);
    p.view.texts[Control::Text3] = text;
    p.view.clearLog();
    FindLevel(level)->confirm(p.state, p.view);
}

Answers& AnswersOf(PuzzleState& state, int direction)
{
    return direction == Across ? state.HorizontalAnswers : state.VerticalAnswers;
}

using Positions = std::vector<std::pair<int, int>>;
using Texts = std::vector<std::string>;

}  // namespace

class TestAnswerEntry : public QObject {
    Q_OBJECT
private slots:
    void charactersGoIntoTheEntrysCells_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("index");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<Positions>("cells");
        QTest::addColumn<Texts>("drawn");
        QTest::addColumn<int>("value");

        const Positions a1{{30, 26}, {107, 26}};
        QTest::newRow("47 on A") << 1 << 1 << 0 << std::string("47") << a1 << Texts{"4", "7"} << 47;
        QTest::newRow("one digit is the tens") << 1 << 1 << 0 << std::string("4") << a1 << Texts{"4", ""} << 40;
        QTest::newRow("leading blank") << 1 << 1 << 0 << std::string(" 7") << a1 << Texts{" ", "7"} << 7;
        QTest::newRow("empty") << 1 << 1 << 0 << std::string() << a1 << Texts{"", ""} << 0;
        QTest::newRow("letter counts 0") << 1 << 1 << 0 << std::string("4a") << a1 << Texts{"4", "a"} << 40;
        QTest::newRow("third ignored") << 1 << 1 << 0 << std::string("475") << a1 << Texts{"4", "7"} << 47;
        QTest::newRow("down Q, bottom row") << 1 << 2 << 7 << std::string("58") << Positions{{338, 182}, {338, 234}}
                                            << Texts{"5", "8"} << 58;
        QTest::newRow("12 on three cells") << 2 << 1 << 1 << std::string("12") << Positions{{261, 26}, {338, 26}, {415, 26}}
                                           << Texts{"1", "2", ""} << 120;
        QTest::newRow("four digits, two cells") << 3 << 1 << 1 << std::string("1234") << Positions{{30, 78}, {107, 78}}
                                                << Texts{"1", "2"} << 12;
        const Positions a3{{30, 26}, {107, 26}, {184, 26}, {261, 26}};
        QTest::newRow("9999") << 3 << 1 << 0 << std::string("9999") << a3 << Texts{"9", "9", "9", "9"} << 9999;
        QTest::newRow("e acute is one character") << 1 << 1 << 0 << std::string("\xc3\xa9" "7") << a1
                                                  << Texts{"\xc3\xa9", "7"} << 7;
        QTest::newRow("emoji is one character") << 3 << 1 << 0 << std::string("1\xf0\x9f\x98\x80" "23") << a3
                                                << Texts{"1", "\xf0\x9f\x98\x80", "2", "3"} << 1023;
        QTest::newRow("stray bytes one each") << 3 << 1 << 0 << std::string("\xff" "\xe9" "5\xc3") << a3
                                              << Texts{"\xff", "\xe9", "5", "\xc3"} << 50;
        // An encoded surrogate half or an overlong form is not one character but three stray bytes.
        QTest::newRow("encoded surrogate") << 3 << 1 << 0 << std::string("\xed\xa0\x80" "8") << a3
                                           << Texts{"\xed", "\xa0", "\x80", "8"} << 8;
        QTest::newRow("overlong slash") << 3 << 1 << 0 << std::string("\xe0\x80\xaf" "8") << a3
                                        << Texts{"\xe0", "\x80", "\xaf", "8"} << 8;
        QTest::newRow("arabic-indic digit is no digit") << 1 << 1 << 0 << std::string("\xd9\xa3" "3") << a1
                                                        << Texts{"\xd9\xa3", "3"} << 3;
        QTest::newRow("10000-character paste") << 2 << 2 << 0 << ("98" + std::string(9998, '7'))
                                               << Positions{{30, 26}, {30, 78}, {30, 130}} << Texts{"9", "8", "7"} << 987;
    }

    void charactersGoIntoTheEntrysCells()
    {
        QFETCH(int, level);
        QFETCH(int, direction);
        QFETCH(int, index);
        QFETCH(std::string, text);
        QFETCH(Positions, cells);
        QFETCH(Texts, drawn);
        QFETCH(int, value);

        Played p;
        p.state.HorizontalAnswers.fill(11);
        p.state.VerticalAnswers.fill(22);
        Confirm(p, level, direction, index, text);

        // Each cell in order: a white box from (x, y) to (x + 15, y + 20), then its character at (x, y).
        std::vector<std::string> calls{"disable " + std::to_string(int(Control::Command1))};
        for (std::size_t j = 0; j < cells.size(); ++j) {
            calls.insert(calls.end(), {"fill", "draw"});
            const auto [x, y] = cells[j];
            const RecordingView::Fill& f = p.view.fills.at(j);
            QCOMPARE(std::vector<int>({f.x1, f.y1, f.x2, f.y2}), std::vector<int>({x, y, x + 15, y + 20}));
            QVERIFY(f.colour == White);
            QCOMPARE(p.view.drawn.at(j).x, x);
            QCOMPARE(p.view.drawn.at(j).y, y);
            QCOMPARE(p.view.drawn.at(j).text, drawn[j]);
        }
        QCOMPARE(p.view.calls, calls);

        // Only the selected slot changes; the answer box keeps its text and nothing is enabled again.
        Answers expected;
        expected.fill(direction == Across ? 11 : 22);
        expected[static_cast<std::size_t>(index)] = static_cast<Integer>(value);
        QCOMPARE(AnswersOf(p.state, direction), expected);
        Answers other;
        other.fill(direction == Across ? 22 : 11);
        QCOMPARE(AnswersOf(p.state, direction == Across ? Down : Across), other);
        QCOMPARE(p.view.texts[Control::Text3], text);
        QCOMPARE(p.view.enabled[Control::Command1], false);
    }

    void confirmingAgainBlanksAndReplaces()
    {
        Played p;
        Confirm(p, 2, Down, 5, "123");
        Confirm(p, 2, Down, 5, "9");
        QCOMPARE(p.view.fills.size(), std::size_t(3));
        QCOMPARE(p.view.drawn.at(0).text, std::string("9"));
        QCOMPARE(p.view.drawn.at(1).text, std::string());
        QCOMPARE(p.view.fills.at(1).y1, 182);
        QCOMPARE(p.state.VerticalAnswers[5], Integer(900));
    }

    void noEntrySelectedDrawsAndStoresNothing_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("index");
        QTest::newRow("no clue clicked since start-up") << 1 << 0 << 0;
        QTest::newRow("across 7 beyond level 3") << 3 << 1 << 7;
        QTest::newRow("down 7 beyond level 2") << 2 << 2 << 7;
    }

    void noEntrySelectedDrawsAndStoresNothing()
    {
        QFETCH(int, level);
        QFETCH(int, direction);
        QFETCH(int, index);
        Played p;
        p.state.SelectedDirection = static_cast<Integer>(direction);
        p.state.SelectedHorizontalIndex = p.state.SelectedVerticalIndex = static_cast<Integer>(index);
        p.view.texts[Control::Text3] = "47";
        FindLevel(level)->confirm(p.state, p.view);
        QVERIFY(p.view.fills.empty());
        QVERIFY(p.view.drawn.empty());
        QCOMPARE(p.state.HorizontalAnswers, Answers{});
        QCOMPARE(p.state.VerticalAnswers, Answers{});
    }

    void onlyTheSelectedDirectionsIndexCounts()
    {
        // Across 3 was clicked, then down 5: the confirm goes to down 5, not to across 3.
        Played p;
        SelectAcrossClue(p.state, p.view, 3);
        Confirm(p, 1, Down, 5, "61");
        QCOMPARE(p.view.drawn.at(0).x, 261);
        QCOMPARE(p.state.VerticalAnswers[5], Integer(61));
        QCOMPARE(p.state.HorizontalAnswers[3], Integer(0));
    }

    void aSharedCellChangesThePictureNotTheCrossingAnswer()
    {
        // Level 1: across A's second cell is down B's first cell.
        Played p;
        Confirm(p, 1, Down, 0, "12");
        Confirm(p, 1, Across, 0, "47");
        QCOMPARE(p.view.drawn.at(1).x, 107);
        QCOMPARE(p.view.drawn.at(1).y, 26);
        QCOMPARE(p.view.drawn.at(1).text, std::string("7"));
        QCOMPARE(p.state.VerticalAnswers[0], Integer(12));
        QCOMPARE(p.state.HorizontalAnswers[0], Integer(47));
    }

    void digitValueKnowsOnlyTheTenAsciiDigits()
    {
        for (char c = '0'; c <= '9'; ++c)
            QCOMPARE(DigitValue(std::string(1, c)), c - '0');
        for (const char* other : {"", " ", "a", "/", ":", "-", "\xef\xbc\x95" /* fullwidth 5 */, "5 "})
            QCOMPARE(DigitValue(other), 0);
    }
};

QTEST_APPLESS_MAIN(TestAnswerEntry)
#include "tst_answer_entry.moc"
