// Random play on the real window: thousands of seeded clicks, menu choices and typed or pasted texts,
// with the game's promises checked after every one. A failure names the seed that replays it
// (QUADRIVELLO_SOAK_SEED); QUADRIVELLO_SOAK_ACTIONS changes the number of actions.
#include "AnswerCheck.h"
#include "ClueSelection.h"
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"
#include "PuzzleChecker.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <random>

namespace {

std::mt19937 rng;
int Roll(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// What a player might type or paste: digits of every kind, emoji, right-to-left text, marks,
// control characters and a lone surrogate.
const QStringList Pieces =
    QStringLiteral("0|1|2|3|4|5|6|7|8|9|47|9999| |-|+|a|Z|\u00e8|\U0001F600|\U0001F44D\U0001F3FD|\u05E9\u05DC\u05D5"
                   "|\u0645\u0631\u062D|\u200F|\u202E|\u0661\u0662|\uFF11\uFF12|e\u0301|\t|\r|\n|\r\n|\x01|\x1B|\x7F")
        .split(u'|') +
    QStringList{QString(QChar(0)), QString(QChar(0xD800))};

QString RandomText(int pieces)
{
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += Pieces[Roll(0, int(Pieces.size()) - 1)];
    return text;
}

// The first promise the window breaks, or nothing; `shown` are the texts of the message boxes the
// last action showed.
QString Broken(Form1& form, bool armed, const std::vector<MessageBoxCatcher::Caught>& shown)
{
    const PuzzleState& s = form.state();
    Form1Window& w = form.window();
    const LevelData& level = *FindLevel(s.CurrentLevel);
    const int across = int(level.acrossLetters.size()), down = int(level.downLetters.size());
    if (w.control("Command1")->isEnabled() != armed || (armed && !w.control("Text3")->isEnabled()))
        return armed ? "Conferma or the answer box is disabled after a clue click" : "Conferma is enabled unarmed";
    for (const auto* answers : {&s.HorizontalAnswers, &s.VerticalAnswers})
        for (const Integer answer : *answers)
            if (answer < 0 || answer > 9999)
                return QStringLiteral("an answer of %1 is stored").arg(answer);

    // Labels beyond the level stay hidden; at most one clue, letter and text together, is highlighted;
    // the puzzle on show is sound.
    QStringList lit;
    GeneratedPuzzle puzzle{&level, {}, {}, {}, {}};
    for (const auto& [letters, texts, count, used, solutions, clues] :
         {std::tuple("Label5", "Label4", 9, across, &s.HorizontalSolutions, &puzzle.acrossClues),
          std::tuple("Label7", "Label8", 8, down, &s.VerticalSolutions, &puzzle.downClues)}) {
        for (int i = 0; i < count; ++i) {
            for (const char* array : {letters, texts}) {
                const QWidget* label = w.control(array, i);
                if (label->isVisible() != (i < used))
                    return label->objectName() + (i < used ? " is hidden" : " is shown beyond the level");
                if (label->palette().color(label->backgroundRole()) == QColor(200, 200, 0))
                    lit << label->objectName();
            }
            if (i < used) {
                (clues == &puzzle.acrossClues ? puzzle.across : puzzle.down).push_back((*solutions)[i]);
                clues->push_back(w.controlAs<QLabel>(texts, i)->text().toStdString());
            }
        }
    }
    if (!lit.isEmpty() && (lit.size() != 2 || lit[0].mid(6) != lit[1].mid(6)))
        return "highlighted: " + lit.join(", ");
    if (const std::string problem = PuzzleProblem(puzzle); !problem.empty())
        return QString::fromStdString(problem);

    // "Controllo" counts exactly the entries answered right.
    const CheckCounts right = CountCorrect(s);
    const QString message = QStringLiteral("Giusti Orizzontali  %1 dati\nGiusti Verticali  %2 dati");
    for (const auto& box : shown)
        if (box.text.startsWith("Giusti") && box.text != message.arg(right.across).arg(right.down))
            return box.text + " where " + QString::number(right.across) + " and " + QString::number(right.down) +
                   " are right";
    return {};
}

}  // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void randomPlayKeepsEveryPromise()
    {
        const quint32 seed = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_SEED"))
                                 : std::random_device{}();
        const int actions = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_ACTIONS")
                                ? qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_ACTIONS")
                                : 10000;
        qInfo("random play: seed %u, %d actions (replay with QUADRIVELLO_SOAK_SEED=%u)", seed, actions, seed);
        rng.seed(seed);
        MessageBoxCatcher boxes;
        Form1 form(QStringLiteral(QUADRIVELLO_APP_DIR));
        form.Form_Load();
        form.window().show();
        QTRY_VERIFY(form.activatedOnce());
        form.random().Seed(seed);  // the game seeds itself from the clock; the soak's seed makes it replayable
        Form1Window& w = form.window();
        auto* answerBox = w.controlAs<QLineEdit>("Text3");
        QTest::mouseClick(w.control("Command2"), Qt::LeftButton);

        bool armed = false;  // a clue clicked since the last "Conferma" or new puzzle
        int confirmed = 0, checks = 0;
        for (int n = 1; n <= actions; ++n) {
            const std::size_t boxesBefore = boxes.caught.size();
            QString what;
            const int roll = Roll(0, 99);
            if (roll < 67) {  // clue texts (these arm the answer entry), letters, headings, the grid, the buttons
                const LevelData& level = *FindLevel(form.state().CurrentLevel);
                const int across = int(level.acrossLetters.size()), down = int(level.downLetters.size());
                // Where clicks go, and how many of the hundred rolls each gets.
                const std::pair<const char*, int> targets[] = {
                    {"Label4", 20}, {"Label8", 15},  {"Label5", 2},    {"Label7", 2},   {"Label3", 1},
                    {"Label6", 2},  {"Picture1", 5}, {"Command1", 12}, {"Command2", 3}, {"Command3", 100}};
                int kind = 0;
                for (int left = roll; left >= targets[kind].second; left -= targets[kind++].second) {
                }
                const int rows = kind % 2 == 0 ? across : down;
                QWidget* target = w.control(targets[kind].first, kind < 4 ? Roll(0, rows - 1) : -1);
                const QPoint at = kind == 6 ? QPoint(Roll(0, target->width() - 1), Roll(0, target->height() - 1))
                                            : target->rect().center();
                what = QStringLiteral("click %1 at %2,%3").arg(target->objectName()).arg(at.x()).arg(at.y());
                confirmed += kind == 7 && target->isEnabled();
                checks += kind == 9;
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
                armed = kind < 2 || (armed && kind != 7 && kind != 8);
            } else if (roll < 71) {
                const char* const items[] = {"mnuLiv1", "mnuLiv2", "mnuLiv3", "mnuInfo1"};
                what = QStringLiteral("menu %1").arg(items[roll - 67]);
                w.menuAction(items[roll - 67])->trigger();
                armed = armed && roll == 70;
            } else if (roll < 93) {  // typing; now and then the right number, so the checks have something to count
                const PuzzleState& s = form.state();
                const Integer solution = s.SelectedDirection == Across
                                             ? s.HorizontalSolutions[std::size_t(s.SelectedHorizontalIndex)]
                                             : s.VerticalSolutions[std::size_t(s.SelectedVerticalIndex)];
                const QString text = roll < 85 ? RandomText(Roll(1, 6)) : QString::number(solution);
                what = "type " + QString::fromLatin1(text.toUtf8().toPercentEncoding(" "));
                roll < 85 ? QTest::mouseClick(answerBox, Qt::LeftButton) : answerBox->clear();
                for (const QChar c : text) {  // a key press for each character, as a keyboard sends it
                    const Qt::Key key = c == u'\t'                 ? Qt::Key_Tab
                                        : c == u'\r' || c == u'\n' ? Qt::Key_Return
                                                                   : Qt::Key_unknown;
                    QTest::sendKeyEvent(QTest::Click, answerBox, key, QString(c), Qt::NoModifier);
                }
            } else {
                const QString text = roll == 99 && n % 2 == 0 ? RandomText(2500).leftJustified(10000, u'7', true)
                                                              : RandomText(Roll(1, 12));
                what = QStringLiteral("paste %1 characters").arg(text.size());
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(answerBox, Qt::Key_V, Qt::ControlModifier);
            }
            QCoreApplication::processEvents();
            const std::vector shown(boxes.caught.begin() + std::ptrdiff_t(boxesBefore), boxes.caught.end());
            if (const QString problem = Broken(form, armed, shown); !problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4\nreplay with QUADRIVELLO_SOAK_SEED=%1")
                                     .arg(seed)
                                     .arg(n)
                                     .arg(what, problem)));
        }
        qInfo("random play: %d actions, %d confirmations, %d checks, %zu message boxes", actions, confirmed, checks,
              boxes.caught.size());
        QVERIFY(confirmed > 0 && checks > 0);
    }
};

QTEST_MAIN(TestRandomPlay)
#include "tst_random_play.moc"
