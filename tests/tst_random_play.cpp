// Random play on the real window: thousands of seeded clicks, menu choices and typed or pasted texts,
// with the game's promises checked after every one. A failure names the seed that replays it
// (QUADRIVELLO_SOAK_SEED); QUADRIVELLO_SOAK_ACTIONS changes the number of actions.
#include "AnswerCheck.h"
#include "ClueSelection.h"
#include "Form1.h"
#include "Levels.h"
#include "PictureBox.h"
#include "PuzzleChecker.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <deque>
#include <random>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

// Closes every message box as soon as it shows, and keeps its text.
class MessageCloser : public QObject {
public:
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            texts << box->text();
            QMetaObject::invokeMethod(box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// A label's background as the window set it, whether through a style sheet or through the palette.
Rgb BackColour(const QWidget* widget)
{
    static const QRegularExpression css(QStringLiteral("background-color:\\s*rgb\\((\\d+),\\s*(\\d+),\\s*(\\d+)\\)"));
    const QRegularExpressionMatch m = css.match(widget->styleSheet());
    if (m.hasMatch())
        return Rgb{static_cast<std::uint8_t>(m.captured(1).toInt()), static_cast<std::uint8_t>(m.captured(2).toInt()),
                   static_cast<std::uint8_t>(m.captured(3).toInt())};
    const QColor c = widget->palette().color(widget->backgroundRole());
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

// Pieces a player might type or paste: digits of every kind, emoji, right-to-left text, control
// characters, combining marks and a lone surrogate.
const QStringList Pieces{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "47", "9999", " ", "-", "+", "a", "Z", "x",
    "\u00e8", "\U0001F600", "\U0001F44D\U0001F3FD", "\U0001F1EE\U0001F1F9", "\u05E9\u05DC\u05D5\u05DD",
    "\u0645\u0631\u062D\u0628\u0627", "\u200F", "\u202E", "\u0661\u0662", "\uFF11\uFF12", "e\u0301",
    "\t", "\r", "\n", "\r\n", QString(QChar(0x01)), QString(QChar(0x1B)), QString(QChar(0x7F)),
    QString(QChar(0)), QString(QChar(0xD800)), "\uFFFD",
};

// Types text one character at a time as a keyboard would send it, whatever the script or plane:
// QTest's own typing knows only Latin-1.
void Type(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QString character = text.mid(i, length);
        const QChar c = character[0];
        Qt::Key key = Qt::Key_unknown;
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            key = static_cast<Qt::Key>(c.toUpper().unicode());
        else if (c == u' ')
            key = Qt::Key_Space;
        else if (c == u'\t')
            key = Qt::Key_Tab;
        else if (c == u'\r' || c == u'\n')
            key = Qt::Key_Return;
        QTest::sendKeyEvent(QTest::Click, widget, key, character, Qt::NoModifier);
        i += length - 1;
    }
}

// The offscreen platform warns about every message box it cannot size or raise; that is not news.
QtMessageHandler forward = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        forward(type, context, message);
}

struct Expected {
    bool armed = false;  // a clue clicked since the last "Conferma" or new puzzle
};

}  // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void randomPlayKeepsEveryPromise();

private:
    QString randomText(int pieces);
    QString check(Form1& form, const Expected& expected, qsizetype messagesBefore);
    void clickVisible(Form1& form, std::string_view array, int count, QString& what);
    bool chooseMenuItem(Form1& form, const char* menu, const char* item);

    std::mt19937 rng_;
    MessageCloser closer_;
    int bestCheck_ = 0;  // the most right entries a check has reported
};

QString TestRandomPlay::randomText(int pieces)
{
    QString text;
    std::uniform_int_distribution<qsizetype> pick(0, Pieces.size() - 1);
    for (int i = 0; i < pieces; ++i)
        text += Pieces[pick(rng_)];
    return text;
}

void TestRandomPlay::clickVisible(Form1& form, std::string_view array, int count, QString& what)
{
    std::vector<int> visible;
    for (int i = 0; i < count; ++i) {
        if (form.window().control(array, i)->isVisible())
            visible.push_back(i);
    }
    const int i = visible[std::uniform_int_distribution<std::size_t>(0, visible.size() - 1)(rng_)];
    QWidget* label = form.window().control(array, i);
    what = QStringLiteral("click %1(%2)").arg(QString::fromUtf8(array.data(), qsizetype(array.size()))).arg(i);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

// Opens a drop-down of the menu bar and clicks one of its items, as the player does.
bool TestRandomPlay::chooseMenuItem(Form1& form, const char* menu, const char* item)
{
    QMenuBar* bar = form.window().menuBar();
    QAction* opener = form.window().menuAction(menu);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(opener).center());
    QMenu* dropDown = opener->menu();
    if (!dropDown->isVisible())
        return false;
    QTest::mouseClick(dropDown, Qt::LeftButton, {}, dropDown->actionGeometry(form.window().menuAction(item)).center());
    return !dropDown->isVisible();
}

QString TestRandomPlay::check(Form1& form, const Expected& expected, qsizetype messagesBefore)
{
    const PuzzleState& state = form.state();
    Form1Window& w = form.window();
    const LevelData* level = FindLevel(state.CurrentLevel);
    if (level == nullptr)
        return QStringLiteral("no level is being played");
    const int across = static_cast<int>(level->acrossLetters.size());
    const int down = static_cast<int>(level->downLetters.size());

    const bool conferma = w.control("Command1")->isEnabled();
    if (conferma != expected.armed)
        return conferma ? QStringLiteral("Conferma is enabled although no clue was clicked since the last confirmation or puzzle")
                        : QStringLiteral("Conferma is disabled although a clue was clicked");
    if (conferma && !w.control("Text3")->isEnabled())
        return QStringLiteral("Conferma is enabled while the answer box is not");

    for (int i = 0; i < ClueSlots; ++i) {
        const auto k = static_cast<std::size_t>(i);
        for (Integer answer : {state.HorizontalAnswers[k], state.VerticalAnswers[k]}) {
            if (answer < 0 || answer > 9999)
                return QStringLiteral("an answer of %1 is stored").arg(answer);
        }
    }

    // Labels beyond the level stay hidden; at most one clue, letter and text together, is highlighted.
    QStringList highlighted;
    const auto scan = [&](std::string_view array, int count, int used) -> QString {
        for (int i = 0; i < count; ++i) {
            QWidget* label = w.control(array, i);
            const QString name = QStringLiteral("%1(%2)").arg(QString::fromUtf8(array.data(), qsizetype(array.size()))).arg(i);
            if (label->isVisible() != (i < used))
                return name + (i < used ? " is hidden" : " is shown beyond the level");
            if (BackColour(label) == SelectionHighlight)
                highlighted << name;
        }
        return {};
    };
    for (const QString& problem : {scan("Label5", 9, across), scan("Label4", 9, across), scan("Label7", 8, down),
                                   scan("Label8", 8, down)}) {
        if (!problem.isEmpty())
            return problem;
    }
    const auto clue = [](const QString& letter, const QString& text) {
        return QStringList{letter, text};
    };
    bool onePair = highlighted.isEmpty();
    for (int i = 0; i < 9 && !onePair; ++i) {
        onePair = highlighted == clue(QStringLiteral("Label5(%1)").arg(i), QStringLiteral("Label4(%1)").arg(i)) ||
                  highlighted == clue(QStringLiteral("Label7(%1)").arg(i), QStringLiteral("Label8(%1)").arg(i));
    }
    if (!onePair)
        return QStringLiteral("highlighted: %1").arg(highlighted.join(", "));

    // The puzzle on show: every number fills its cells, crossings agree, each clue gives its number.
    GeneratedPuzzle puzzle;
    puzzle.level = level;
    for (int i = 0; i < across; ++i) {
        puzzle.across.push_back(state.HorizontalSolutions[static_cast<std::size_t>(i)]);
        puzzle.acrossClues.push_back(w.controlAs<QLabel>("Label4", i)->text().toStdString());
    }
    for (int i = 0; i < down; ++i) {
        puzzle.down.push_back(state.VerticalSolutions[static_cast<std::size_t>(i)]);
        puzzle.downClues.push_back(w.controlAs<QLabel>("Label8", i)->text().toStdString());
    }
    if (const auto problems = PuzzleProblems(puzzle); !problems.empty())
        return QString::fromStdString(problems.front());

    // Every check shown since the action counted no more entries than the level has, and counted right.
    static const QRegularExpression counts(QStringLiteral("^Giusti Orizzontali  (\\d+) dati\\nGiusti Verticali  (\\d+) dati$"));
    const CheckCounts right = CountCorrect(state);
    for (qsizetype k = messagesBefore; k < closer_.texts.size(); ++k) {
        const QRegularExpressionMatch c = counts.match(closer_.texts[k]);
        if (!c.hasMatch())
            continue;
        const int a = c.captured(1).toInt(), d = c.captured(2).toInt();
        if (a > across || d > down)
            return QStringLiteral("Controllo counted %1 across and %2 down on a level of %3 and %4").arg(a).arg(d).arg(across).arg(down);
        bestCheck_ = std::max(bestCheck_, a + d);
        if (a != right.across || d != right.down)
            return QStringLiteral("Controllo counted %1 and %2, the answers give %3 and %4").arg(a).arg(d).arg(right.across).arg(right.down);
    }
    return {};
}

void TestRandomPlay::randomPlayKeepsEveryPromise()
{
    const quint32 seed = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_SEED")
                             ? static_cast<quint32>(qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_SEED"))
                             : std::random_device{}();
    const int actions = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_ACTIONS")
                            : 10000;
    qInfo("random play: seed %u, %d actions (replay with QUADRIVELLO_SOAK_SEED=%u)", seed, actions, seed);
    rng_.seed(seed);
    qApp->installEventFilter(&closer_);
    forward = qInstallMessageHandler(QuietPlatform);

    Form1 form(AppDir);
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
    // The game seeds itself from the clock; the soak's own seed makes its puzzles replayable.
    form.random().Seed(seed);
    Form1Window& w = form.window();
    auto* conferma = w.controlAs<QPushButton>("Command1");
    auto* answerBox = w.controlAs<QLineEdit>("Text3");
    QTest::mouseClick(w.control("Command2"), Qt::LeftButton);

    const QString longPaste = randomText(2500).left(10000).leftJustified(10000, QLatin1Char('7'));
    Expected expected;
    std::deque<QString> recent;
    int confirmed = 0, checks = 0;
    for (int n = 1; n <= actions; ++n) {
        const qsizetype messagesBefore = closer_.texts.size();
        QString what;
        const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
        if (roll < 20) {
            clickVisible(form, "Label4", 9, what);
            expected.armed = true;
        } else if (roll < 35) {
            clickVisible(form, "Label8", 8, what);
            expected.armed = true;
        } else if (roll < 39) {
            clickVisible(form, roll % 2 == 0 ? "Label5" : "Label7", roll % 2 == 0 ? 9 : 8, what);
        } else if (roll < 42) {
            what = roll % 2 == 0 ? "click Label3" : "click Label6";
            QTest::mouseClick(w.control(roll % 2 == 0 ? "Label3" : "Label6"), Qt::LeftButton);
        } else if (roll < 47) {
            const QPoint at(std::uniform_int_distribution<int>(0, w.picture()->width() - 1)(rng_),
                            std::uniform_int_distribution<int>(0, w.picture()->height() - 1)(rng_));
            what = QStringLiteral("click Picture1 at %1,%2").arg(at.x()).arg(at.y());
            QTest::mouseClick(w.picture(), Qt::LeftButton, {}, at);
        } else if (roll < 59) {
            what = "click Conferma";
            if (conferma->isEnabled())
                ++confirmed;
            QTest::mouseClick(conferma, Qt::LeftButton);
            expected.armed = false;
        } else if (roll < 62) {
            what = "click Genera Definizioni";
            QTest::mouseClick(w.control("Command2"), Qt::LeftButton);
            expected.armed = false;
        } else if (roll < 67) {
            what = "click Controllo";
            QTest::mouseClick(w.control("Command3"), Qt::LeftButton);
            ++checks;
        } else if (roll < 70) {
            const int item = roll - 67;  // Livello 1, 2, 3
            what = QStringLiteral("menu Livello %1").arg(item + 1);
            QVERIFY(chooseMenuItem(form, "mnuLivelli", item == 0 ? "mnuLiv1" : item == 1 ? "mnuLiv2" : "mnuLiv3"));
            expected.armed = false;
        } else if (roll < 71) {
            what = "menu Info";
            QVERIFY(chooseMenuItem(form, "mnuInfo", "mnuInfo1"));
        } else if (roll < 85) {
            const QString text = randomText(std::uniform_int_distribution<int>(1, 6)(rng_));
            what = "type " + QString::fromLatin1(text.toUtf8().toPercentEncoding(" "));
            QTest::mouseClick(answerBox, Qt::LeftButton);
            Type(answerBox, text);
        } else if (roll < 93) {
            // The right number now and then, so that the checks have something to count.
            const PuzzleState& s = form.state();
            const Integer number = s.SelectedDirection == Across ? s.HorizontalSolutions[static_cast<std::size_t>(s.SelectedHorizontalIndex)]
                                                                 : s.VerticalSolutions[static_cast<std::size_t>(s.SelectedVerticalIndex)];
            what = QStringLiteral("type the solution %1").arg(number);
            answerBox->clear();
            Type(answerBox, QString::number(number));
        } else if (roll < 97) {
            const QString text = roll == 96 && n % 5 == 0 ? longPaste : randomText(std::uniform_int_distribution<int>(1, 12)(rng_));
            what = QStringLiteral("paste %1 characters").arg(text.size());
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(answerBox, Qt::Key_V, Qt::ControlModifier);
        } else {
            static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace,
                                           Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Home, Qt::Key_End};
            const Qt::Key key = keys[std::uniform_int_distribution<int>(0, 7)(rng_)];
            what = QStringLiteral("key %1").arg(int(key), 0, 16);
            QTest::keyClick(answerBox, key);
        }
        QCoreApplication::processEvents();

        recent.push_back(QStringLiteral("%1: %2").arg(n).arg(what));
        if (recent.size() > 8)
            recent.pop_front();
        const QString problem = check(form, expected, messagesBefore);
        if (!problem.isEmpty()) {
            QStringList history(recent.begin(), recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4\nreplay with QUADRIVELLO_SOAK_SEED=%1")
                                 .arg(seed).arg(n).arg(problem, history.join("\n  "))));
        }
    }
    qInfo("random play: %d actions, %d confirmations, %d checks (best %d right), %lld message boxes", actions,
          confirmed, checks, bestCheck_, static_cast<long long>(closer_.texts.size()));
    QVERIFY(confirmed > 0 && checks > 0);
    qApp->removeEventFilter(&closer_);
    qInstallMessageHandler(forward);
}

QTEST_MAIN(TestRandomPlay)
#include "tst_random_play.moc"
