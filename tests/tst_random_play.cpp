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
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

std::mt19937 rng;
int Roll(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// Closes each message box as soon as it shows, and keeps its text.
struct MessageCloser : QObject {
    QStringList texts;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box != nullptr && event->type() == QEvent::Show) {
            texts << box->text();
            QMetaObject::invokeMethod(
                box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// Pieces a player might type or paste: digits of every kind, emoji, right-to-left text, control
// characters, combining marks and a lone surrogate.
const QStringList Pieces{
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "47",
    "9999",
    " ",
    "-",
    "+",
    "a",
    "Z",
    "x",
    "\u00e8",
    "\U0001F600",
    "\U0001F44D\U0001F3FD",
    "\U0001F1EE\U0001F1F9",
    "\u05E9\u05DC\u05D5\u05DD",
    "\u0645\u0631\u062D\u0628\u0627",
    "\u200F",
    "\u202E",
    "\u0661\u0662",
    "\uFF11\uFF12",
    "e\u0301",
    "\t",
    "\r",
    "\n",
    "\r\n",
    QString(QChar(0x01)),
    QString(QChar(0x1B)),
    QString(QChar(0x7F)),
    QString(QChar(0)),
    QString(QChar(0xD800)),
    "\uFFFD",
};

QString RandomText(int pieces)
{
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += Pieces[Roll(0, int(Pieces.size()) - 1)];
    return text;
}

// Types text one character (a surrogate pair is one) at a time as a keyboard sends it: QTest's own
// typing knows only Latin-1.
void Type(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const Qt::Key key = c == u'\t' ? Qt::Key_Tab : c == u'\r' || c == u'\n' ? Qt::Key_Return : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// Opens a drop-down of the menu bar and clicks one of its items, as the player does.
bool ChooseMenuItem(Form1Window& w, const char* menu, const char* item)
{
    QMenu* dropDown = w.menuAction(menu)->menu();
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, w.menuBar()->actionGeometry(w.menuAction(menu)).center());
    const bool opened = dropDown->isVisible();
    QTest::mouseClick(dropDown, Qt::LeftButton, {}, dropDown->actionGeometry(w.menuAction(item)).center());
    return opened && !dropDown->isVisible();
}

// The first promise the window breaks, or nothing; `shown` are the texts of the message boxes the
// last action showed.
QString Broken(Form1& form, bool armed, const QStringList& shown)
{
    const PuzzleState& s = form.state();
    Form1Window& w = form.window();
    const LevelData* level = FindLevel(s.CurrentLevel);
    if (level == nullptr)
        return QStringLiteral("no level is being played");
    const int across = int(level->acrossLetters.size()), down = int(level->downLetters.size());

    if (w.control("Command1")->isEnabled() != armed || (armed && !w.control("Text3")->isEnabled()))
        return QStringLiteral("Conferma or the answer box is %1 a clue click")
            .arg(armed ? "disabled after" : "enabled without");
    for (const auto* answers : {&s.HorizontalAnswers, &s.VerticalAnswers}) {
        if (const auto [low, high] = std::minmax_element(answers->begin(), answers->end()); *low < 0 || *high > 9999)
            return QStringLiteral("answers from %1 to %2 are stored").arg(*low).arg(*high);
    }

    // Labels beyond the level stay hidden; at most one clue, letter and text together, is highlighted.
    QStringList lit;
    const struct {
        const char* array;
        int count, used;
    } arrays[] = {{"Label5", 9, across}, {"Label4", 9, across}, {"Label7", 8, down}, {"Label8", 8, down}};
    for (const auto& a : arrays) {
        for (int i = 0; i < a.count; ++i) {
            const QWidget* label = w.control(a.array, i);
            if (label->isVisible() != (i < a.used))
                return label->objectName() + (i < a.used ? " is hidden" : " is shown beyond the level");
            const QColor c = label->palette().color(label->backgroundRole());
            if (Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())} == SelectionHighlight)
                lit << label->objectName();
        }
    }
    const QString row = lit.value(0).mid(6);
    if (!lit.isEmpty() && lit != QStringList{"Label5" + row, "Label4" + row} &&
        lit != QStringList{"Label7" + row, "Label8" + row})
        return "highlighted: " + lit.join(", ");

    // The puzzle on show: every number fills its cells, crossings agree, each clue gives its number.
    GeneratedPuzzle puzzle{level,
                           {s.HorizontalSolutions.begin(), s.HorizontalSolutions.begin() + across},
                           {s.VerticalSolutions.begin(), s.VerticalSolutions.begin() + down},
                           {},
                           {}};
    for (int i = 0; i < across; ++i)
        puzzle.acrossClues.push_back(w.controlAs<QLabel>("Label4", i)->text().toStdString());
    for (int i = 0; i < down; ++i)
        puzzle.downClues.push_back(w.controlAs<QLabel>("Label8", i)->text().toStdString());
    if (const auto problems = PuzzleProblems(puzzle); !problems.empty())
        return QString::fromStdString(problems.front());

    // "Controllo" counts no more entries than the level has, and exactly those answered right.
    static const QRegularExpression counts(
        QStringLiteral("^Giusti Orizzontali  (\\d+) dati\\nGiusti Verticali  (\\d+) dati$"));
    const CheckCounts right = CountCorrect(s);
    for (const QString& text : shown) {
        const QRegularExpressionMatch m = counts.match(text);
        const int a = m.captured(1).toInt(), d = m.captured(2).toInt();
        if (m.hasMatch() && (a > across || d > down || a != right.across || d != right.down))
            return QStringLiteral("Controllo counted %1 and %2 on a level of %3 and %4 where %5 and %6 are right")
                .arg(a)
                .arg(d)
                .arg(across)
                .arg(down)
                .arg(right.across)
                .arg(right.down);
    }
    return {};
}

}  // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void randomPlayKeepsEveryPromise();
};

void TestRandomPlay::randomPlayKeepsEveryPromise()
{
    const quint32 seed = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_SEED"))
                             : std::random_device{}();
    const int actions = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_ACTIONS")
                            : 10000;
    qInfo("random play: seed %u, %d actions (replay with QUADRIVELLO_SOAK_SEED=%u)", seed, actions, seed);
    rng.seed(seed);
    // The offscreen platform warns about every message box it cannot size or raise; that is not news.
    static QtMessageHandler forward = nullptr;
    forward = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            forward(type, context, message);
    });
    MessageCloser boxes;
    qApp->installEventFilter(&boxes);

    Form1 form(QStringLiteral(QUADRIVELLO_APP_DIR));
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
    form.random().Seed(seed);  // the game seeds itself from the clock; the soak's seed makes it replayable
    Form1Window& w = form.window();
    auto* answerBox = w.controlAs<QLineEdit>("Text3");
    QTest::mouseClick(w.control("Command2"), Qt::LeftButton);

    const QString longPaste = RandomText(2500).left(10000).leftJustified(10000, QLatin1Char('7'));
    bool armed = false;  // a clue clicked since the last "Conferma" or new puzzle
    int confirmed = 0, checks = 0;
    for (int n = 1; n <= actions; ++n) {
        const qsizetype boxesBefore = boxes.texts.size();
        QString what;
        const int roll = Roll(0, 99);
        if (roll < 67) {  // clue texts (these arm the answer entry), letters, headings, the grid, the buttons
            const LevelData& level = *FindLevel(form.state().CurrentLevel);
            const int across = int(level.acrossLetters.size()), down = int(level.downLetters.size());
            const auto [name, rows] = roll < 20   ? std::pair("Label4", across)
                                      : roll < 35 ? std::pair("Label8", down)
                                      : roll < 37 ? std::pair("Label5", across)
                                      : roll < 39 ? std::pair("Label7", down)
                                                  : std::pair(roll < 40   ? "Label3"
                                                              : roll < 42 ? "Label6"
                                                              : roll < 47 ? "Picture1"
                                                              : roll < 59 ? "Command1"
                                                              : roll < 62 ? "Command2"
                                                                          : "Command3",
                                                              0);
            QWidget* target = w.control(name, rows > 0 ? Roll(0, rows - 1) : -1);
            const QPoint at = target == w.picture()
                                  ? QPoint(Roll(0, target->width() - 1), Roll(0, target->height() - 1))
                                  : target->rect().center();
            what = QStringLiteral("click %1 at %2,%3").arg(target->objectName()).arg(at.x()).arg(at.y());
            confirmed += roll >= 47 && roll < 59 && target->isEnabled();
            checks += roll >= 62;
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            armed = roll < 35 || (armed && (roll < 47 || roll >= 62));
        } else if (roll < 71) {
            static const char* const items[][2] = {{"mnuLivelli", "mnuLiv1"},
                                                   {"mnuLivelli", "mnuLiv2"},
                                                   {"mnuLivelli", "mnuLiv3"},
                                                   {"mnuInfo", "mnuInfo1"}};
            what = QStringLiteral("menu %1").arg(items[roll - 67][1]);
            QVERIFY(ChooseMenuItem(w, items[roll - 67][0], items[roll - 67][1]));
            armed = armed && roll == 70;
        } else if (roll < 93) {  // typing; now and then the right number, so that the checks have something to count
            const PuzzleState& s = form.state();
            const Integer solution = s.SelectedDirection == Across
                                         ? s.HorizontalSolutions[std::size_t(s.SelectedHorizontalIndex)]
                                         : s.VerticalSolutions[std::size_t(s.SelectedVerticalIndex)];
            const QString text = roll < 85 ? RandomText(Roll(1, 6)) : QString::number(solution);
            what = "type " + QString::fromLatin1(text.toUtf8().toPercentEncoding(" "));
            roll < 85 ? QTest::mouseClick(answerBox, Qt::LeftButton) : answerBox->clear();
            Type(answerBox, text);
        } else {
            const QString text = roll == 99 && n % 2 == 0 ? longPaste : RandomText(Roll(1, 12));
            what = QStringLiteral("paste %1 characters").arg(text.size());
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(answerBox, Qt::Key_V, Qt::ControlModifier);
        }
        QCoreApplication::processEvents();
        if (const QString problem = Broken(form, armed, boxes.texts.mid(boxesBefore)); !problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4\nreplay with QUADRIVELLO_SOAK_SEED=%1")
                                 .arg(seed)
                                 .arg(n)
                                 .arg(what, problem)));
    }
    qInfo("random play: %d actions, %d confirmations, %d checks, %lld message boxes", actions, confirmed, checks,
          qint64(boxes.texts.size()));
    QVERIFY(confirmed > 0 && checks > 0);
    qApp->removeEventFilter(&boxes);
    qInstallMessageHandler(forward);
}

QTEST_MAIN(TestRandomPlay)
#include "tst_random_play.moc"
