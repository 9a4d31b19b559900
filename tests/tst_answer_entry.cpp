// Clue clicks, confirmed answers and the check, through the recording view: what is highlighted and
// armed, what is blanked and drawn where, what is stored, and what the check counts and says.
#include "AnswerCheck.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "RecordingView.h"

#include <QDir>
#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

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
            QVERIFY(view.enabled[Control::Command1] && view.enabled[Control::Text3] &&
                    view.texts[Control::Text3].empty());
            QCOMPARE(state.SelectedDirection, direction);
            QCOMPARE(state.SelectedHorizontalIndex, Integer(3));
            QCOMPARE(state.SelectedVerticalIndex, Integer(direction == Down ? 5 : 0));
        }
    }

    // "Conferma" off; then per cell, in order, a white box from (x, y) to (x + 15, y + 20) and its
    // character at (x, y); the number one digit per cell, the first most significant, anything but
    // an ASCII digit worth 0. Nothing is enabled again, the answer box keeps its text, and only the
    // selected slot changes (level 1's A: B starts in its second cell and keeps its answer).
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
            {1,
             Across,
             0,
             "\xc3\xa9"
             "7",
             {30, 26},
             "\xc3\xa9|7",
             7},  // é
            {3,
             Across,
             0,
             "1\xf0\x9f\x98\x80"
             "23",
             {30, 26},
             "1|\xf0\x9f\x98\x80|2|3",
             1023},  // an emoji
            {3,
             Across,
             0,
             "\xff\xe9"
             "5\xc3",
             {30, 26},
             "\xff|\xe9|5|\xc3",
             50},                                                                            // stray bytes
            {3, Across, 0, "\xed\xa0\x80\xe0\x80\xaf", {30, 26}, "\xed|\xa0|\x80|\xe0", 0},  // a surrogate, an overlong
                                                                                             // /
            {1,
             Across,
             0,
             "\xd9\xa3"
             "3",
             {30, 26},
             "\xd9\xa3|3",
             3},                                                                  // an Arabic-Indic 3
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
    // entry's own confirmed, non-zero answer, the last one given.
    void againReplacesAndTheCheckCountsOnlyAnEntrysOwnAnswer()
    {
        PuzzleState state;
        RecordingView view;
        state.CurrentLevel = 2;
        Answer(state, view, Down, 5, "123");
        Answer(state, view, Down, 5, "9");
        QCOMPARE(view.calls[4], std::string("draw 415 182 "));
        QCOMPARE(state.VerticalAnswers[5], Integer(900));

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
    }

    // The fuzz target over every input of its committed corpus: it stops the run at the first broken rule.
    void fuzzCorpusKeepsTheRules()
    {
        const QDir corpus(QStringLiteral(QUADRIVELLO_SOURCE_DIR "/tests/fuzz/corpus"));
        const QStringList inputs = corpus.entryList(QDir::Files);
        QVERIFY(inputs.size() > 10);
        for (const QString& input : inputs) {
            QFile file(corpus.filePath(input));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size()));
        }
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
