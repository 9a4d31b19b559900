// The real window on the offscreen platform: design, levels, play, Help and Info, pictures, screens, random play.
#include "AnswerCheck.h"
#include "clsResize.h"
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"
#include "PuzzleChecker.h"
#include "Version.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <random>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

void Start(Form1& form)
{
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
}

void Click(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}

// Clicks the clue, types, presses "Conferma": the picture changes only in these cells' boxes, each showing a digit.
void Answer(Form1Window& w, QWidget* clue, const QString& typed, std::initializer_list<QPoint> cells)
{
    QImage before = w.picture()->picture();
    Click(clue);
    QTest::keyClicks(w.control("Text3"), typed);
    Click(w.control("Command1"));
    QImage after = w.picture()->picture();
    for (QPoint at : cells) {
        int dark = 0;
        for (int y = at.y(); y <= at.y() + 20; ++y)
            for (int x = at.x(); x <= at.x() + 15; ++x)
                dark += qGray(after.pixel(x, y)) < 96 ? 1 : 0;
        QVERIFY2(dark >= 10, qPrintable(QStringLiteral("no digit at %1,%2").arg(at.x()).arg(at.y())));
        for (QImage* image : {&before, &after})
            QPainter(image).fillRect(QRect(at, QSize(16, 21)), Qt::white);
    }
    QCOMPARE(after, before);
}

// Stands in for the desktop: keeps every file URL the game asks it to open.
class DesktopCatcher : public QObject {
    Q_OBJECT
public:
    DesktopCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// The first promise broken: answer entry armed by a clue click only, the puzzle sound, "Controllo" right.
QString Broken(Form1& form, bool armed, const std::vector<MessageBoxCatcher::Caught>& shown)
{
    const PuzzleState& s = form.state();
    Form1Window& w = form.window();
    if (w.control("Command1")->isEnabled() != armed || (armed && !w.control("Text3")->isEnabled()))
        return armed ? "Conferma or the answer box is disabled after a clue click" : "Conferma is enabled unarmed";
    GeneratedPuzzle puzzle{FindLevel(s.CurrentLevel), {}, {}, {}, {}};
    for (int i = 0; i < int(puzzle.level->acrossLetters.size()); ++i)
        puzzle.across.push_back(s.HorizontalSolutions[std::size_t(i)]),
            puzzle.acrossClues.push_back(w.controlAs<QLabel>("Label4", i)->text().toStdString());
    for (int i = 0; i < int(puzzle.level->downLetters.size()); ++i)
        puzzle.down.push_back(s.VerticalSolutions[std::size_t(i)]),
            puzzle.downClues.push_back(w.controlAs<QLabel>("Label8", i)->text().toStdString());
    if (const std::string problem = PuzzleProblem(puzzle); !problem.empty())
        return QString::fromStdString(problem);
    const CheckCounts right = CountCorrect(s);
    const QString counted =
        QStringLiteral("Giusti Orizzontali  %1 dati\nGiusti Verticali  %2 dati").arg(right.across).arg(right.down);
    for (const auto& box : shown)
        if (box.text.startsWith("Giusti") && box.text != counted)
            return box.text + " where this is right: " + counted;
    return {};
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
    Form1 form_{AppDir};
    Form1Window& w = form_.window();

private slots:
    // The design as built; "Info" shows the author with the version, a contact that invents no
    // address, two lines of terms naming the licence, in a plain box titled as the game's boxes are.
    void builtFromTheDesignTableWithItsInfo()
    {
        QCOMPARE(w.controls().size() + w.menuActions().size(), std::size_t(57));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrivello"));
        QCOMPARE(w.controlAs<QLabel>("Label8", 3)->text(), QStringLiteral(" 100 \u2013 30"));
        const char* const menus[] = {"Esci", "Livelli", "Livello 1", "Livello 2", "Livello 3", "Help", "Info", "Info"};
        for (std::size_t i = 0; i < 8; ++i)
            QCOMPARE(w.menuActions()[i]->text(), QString(menus[i]));
        QVERIFY(!w.control("Text3")->isEnabled() && w.controlAs<QLabel>("Label4", 0)->alignment() & Qt::AlignLeft);
        QCOMPARE(w.picture()->picture(), QImage(AppDir + "/Dati/Schema-01.bmp").convertToFormat(QImage::Format_RGB32));
        const QString line = QStringLiteral("(\\S[^\\n\\r]*\\S)");
        const auto shape =
            QRegularExpression("^" + line + "\n\r\n\r" + line + "\n\r\n\r" + line + "\n\r" + line + "\\z")
                .match(InformationText());
        QVERIFY2(shape.hasMatch(), qPrintable(InformationText()));
        QVERIFY(shape.captured(1).startsWith("Quadrivello") && shape.captured(1).contains(QUADRIVELLO_VERSION) &&
                !shape.captured(2).contains(u'@') && shape.captured(3).contains("MIT") &&
                shape.captured(3).contains("LICENSE"));
        MessageBoxCatcher boxes;
        w.menuAction("mnuInfo1")->trigger();
        QVERIFY(boxes.caught.size() == 1 && boxes.caught[0].title == "Quadrivello1" && boxes.caught[0].plain);
        QCOMPARE(boxes.caught[0].text, QString(InformationText()).replace("\n\r", "\n"));
    }

    // Start-up shows level 1, each level item its own level, its colours read back from the screen; a
    // message box closing activates the window again, which makes no new puzzle.
    void startUpAndLevelItemsShowTheirLevel()
    {
        Start(form_);
        QVERIFY(!form_.view().GetText(Control::Text4).empty());  // the first puzzle is made
        const int levels[] = {1, 2, 3, 1, 1};
        for (int step = 0; step < 5; ++step) {
            const int n = levels[step];
            if (step > 0)
                w.menuAction(QStringLiteral("mnuLiv%1").arg(n).toStdString())->trigger();
            const QString path = AppDir + "/Dati/Schema-0" + QString::number(n) + ".bmp";
            QVERIFY(form_.state().CurrentLevel == n && form_.state().PicturePath == path.toStdString());
            QCOMPARE(w.picture()->picture(), QImage(path).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(QFileInfo(path).size(), 361614);  // 460 x 262 at 24 bits, uncompressed
            const auto rendered = [](QWidget* widget, QPoint at, Rgb c) {
                return widget->grab().toImage().pixelColor(at) == QColor(c.r, c.g, c.b);
            };
            const LevelPalette& palette = FindLevel(n)->palette;
            QVERIFY(rendered(w.client(), QPoint(400, w.client()->height() - 10), palette.panel));
            for (const char* name : {"Label3", "Label6", "Command1", "Command2", "Command3"})
                QVERIFY2(rendered(w.control(name), QPoint(4, 4), name[0] == 'L' ? palette.panel : palette.button),
                         name);
            QCOMPARE(w.control("Label4", 8)->isVisible(), n == 1);
            QCOMPARE(w.control("Label8", 6)->isVisible(), n != 3);
        }
        const std::string solutions = form_.view().GetText(Control::Text4);
        MessageBoxCatcher catcher;
        form_.Command3_Click();
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        QCOMPARE(form_.view().GetText(Control::Text4), solutions);
    }

    // Only clue texts select; answers are drawn and stored, "Controllo" counts them, level 3 reads four
    // characters; a second Space on "Conferma" (now off, the focus on the grid) keeps the puzzle.
    void playingAPuzzle()
    {
        w.menuAction("mnuLiv1")->trigger();
        Click(w.control("Label4", 2));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("5"));
        const QImage window = w.grab().toImage();
        for (QWidget* target : {w.control("Label5", 0), w.control("Label5", 2), w.control("Label7", 7),
                                w.control("Label3"), w.control("Label6"), w.control("Picture1")})
            Click(target);
        QCOMPARE(w.grab().toImage(), window);
        QVERIFY(form_.state().SelectedDirection == Across && form_.state().SelectedHorizontalIndex == 2);

        form_.state().HorizontalSolutions[0] = 47;
        Answer(w, w.control("Label4", 0), QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
        QVERIFY(form_.state().HorizontalAnswers[0] == 47 && w.controlAs<QLineEdit>("Text3")->text() == "47");
        QVERIFY(!w.control("Command1")->isEnabled() && !w.control("Text3")->isEnabled());
        MessageBoxCatcher catcher;
        Click(w.control("Command3"));
        QVERIFY(catcher.caught.size() == 1 && catcher.caught[0].title == "Quadrivello1" && catcher.caught[0].plain);
        QCOMPARE(catcher.caught[0].text, QStringLiteral("Giusti Orizzontali  1 dati\nGiusti Verticali  0 dati"));

        w.menuAction("mnuLiv3")->trigger();
        Answer(w, w.control("Label8", 0), QStringLiteral("12345"),
               {QPoint(30, 26), QPoint(30, 78), QPoint(30, 130), QPoint(30, 182)});
        QCOMPARE(form_.state().VerticalAnswers[0], Integer(1234));

        QApplication::setActiveWindow(&w);
        Click(w.control("Label8", 1));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("47"));
        w.control("Command1")->setFocus();
        const std::string puzzle = form_.view().GetText(Control::Text4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(form_.state().VerticalAnswers[1] == 470 && form_.view().GetText(Control::Text4) == puzzle);
        QCOMPARE(QApplication::focusWidget(), w.control("Picture1"));
    }

    // No visible control covers another, every caption fits; the window takes its share of the screen
    // (of a 16:9 one if wider), centred, each control at its design rectangle scaled by the client's.
    void fitsTheScreen()
    {
        if (!form_.activatedOnce())
            Start(form_);
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))  // a window manager's frame arrives later
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        const auto near = [](double pixels, double expected) { return std::abs(pixels - std::round(expected)) <= 1; };
        const QRect screen = w.screen()->geometry();
        const double share = PercentForScreenWidth(screen.width() * 15.0) / 100.0;
        const double height = std::max(screen.height(), screen.width() * 9 / 16);
        QTRY_VERIFY(near(w.frameGeometry().width(), std::floor(share * screen.width() * 15) / 15) &&
                    near(w.frameGeometry().height(), std::floor(share * height * 15) / 15) &&
                    near(w.frameGeometry().left() - screen.left(), screen.right() - w.frameGeometry().right()) &&
                    near(w.frameGeometry().top() - screen.top(), screen.bottom() - w.frameGeometry().bottom()));
        w.menuAction("mnuLiv1")->trigger();  // every clue label shown
        const double x = w.client()->width() / double(ClientWidthTwips),
                     y = w.client()->height() / double(ClientHeightTwips);
        for (QWidget* control : w.controls()) {
            const ControlDesign& d = w.designOf(control);
            const QRect at = control->geometry();
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QPushButton*>(control);
            const QString caption = label ? label->text() : button ? button->text() : QString();
            const bool grown = at.width() > d.width * x + 1 && !caption.isEmpty();  // for a caption that did not fit
            QVERIFY2(w.client()->rect().contains(at) && near(at.x(), d.left * x) && near(at.y(), d.top * y) &&
                         (control == w.picture() ||
                          ((near(at.width(), d.width * x) || grown) && near(at.height(), d.height * y))),
                     qPrintable(control->objectName()));
            for (QWidget* other : w.controls()) {  // a letter box and its clue share a border line
                const QRect common = at.intersected(other->geometry());
                QVERIFY2(other == control || !control->isVisible() || !other->isVisible() || common.width() <= 1 ||
                             common.height() <= 1,
                         qPrintable(control->objectName() + " covers " + other->objectName()));
            }
            QVERIFY2(!control->isVisible() || (control->fontMetrics().horizontalAdvance(caption) <
                                                   control->contentsRect().width() - (button ? 6 : 0) &&
                                               (!d.border || at.height() >= control->fontMetrics().height())),
                     qPrintable(control->objectName()));
        }
    }

    // The grid as shown, at the screen's own resolution, on each level: lines in place and of one width,
    // blocked cells, letters; a digit's ink inside its box, not doubled. At ratio 1, the level's file.
    void gridAtTheScreensResolution()
    {
        if (!form_.activatedOnce())
            Start(form_);
        const int columns[] = {0, 77, 154, 230, 307, 383, 459}, rows[] = {0, 51, 104, 156, 208, 261};
        for (int level : {3, 2, 1}) {
            w.menuAction(QStringLiteral("mnuLiv%1").arg(level).toStdString())->trigger();
            if (level == 1)
                Answer(w, w.control("Label4", 0), QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
            const QImage shown = w.picture()->grab(w.picture()->contentsRect()).toImage();
            const double scale = double(shown.width()) / PictureBox::GridWidth;
            if (scale == 1.0)
                QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), w.picture()->picture());
            const auto at = [scale](double position) { return int(std::floor(position * scale)); };
            const auto dark = [&](int x, int y) { return qGray(shown.pixel(x, y)) < 100; };
            // The lines met along row 0 below its digits and down column 0 clear of its letters.
            std::vector<std::pair<int, int>> lines, expected;  // where each starts, how wide it is
            for (int along = 0; along < 2; ++along) {
                const int length = along == 0 ? shown.width() : shown.height(), across = at(along == 0 ? 49 : 60);
                for (int i = 0, run = 0; i <= length; ++i) {
                    if (i < length && (along == 0 ? dark(i, across) : dark(across, i)))
                        ++run;
                    else if (run > 0)
                        lines.emplace_back(i - run, run), run = 0;
                }
                for (int position : along == 0 ? std::vector(columns, columns + 7) : std::vector(rows, rows + 6))
                    expected.emplace_back(at(position), std::max(1, int(std::lround(scale))));
            }
            QCOMPARE(lines, expected);
            QString cells(30, u'X');  // row by row: a letter, '.' for another open cell, 'X' for a blocked one
            for (const auto& entries : {FindLevel(level)->geometry.across, FindLevel(level)->geometry.down})
                for (const GridEntry& e : entries)
                    for (int j = 0; j < e.length; ++j) {
                        QChar& cell = cells[e.cells[j].row * 6 + e.cells[j].column];
                        cell = j == 0 ? QChar(e.letter) : cell == u'X' ? QChar(u'.') : cell;
                    }
            for (int c = 0; c < 30; ++c) {
                const int left = columns[c % 6], top = rows[c / 6];
                int ink = 0;
                for (int y = at(top + 4); y < at(top + 24); ++y)
                    for (int x = at(left + 2); x < at(left + 20); ++x)
                        ink += dark(x, y);
                const QRgb centre = shown.pixel(at((left + columns[c % 6 + 1]) / 2.0), at(rows[c / 6 + 1] - 3));
                QVERIFY2(cells[c] == u'X' ? centre == qRgb(153, 102, 204)
                                          : centre == qRgb(255, 255, 255) && (cells[c] == u'.' ? ink == 0 : ink > 3),
                         qPrintable(QStringLiteral("level %1, cell %2").arg(level).arg(c)));
            }
        }
        const QImage shown = w.picture()->grab(w.picture()->contentsRect()).toImage();
        const double scale = double(shown.width()) / PictureBox::GridWidth;
        const auto at = [scale](int position) { return int(std::floor(position * scale)); };
        for (const int left : {30, 107}) {
            const QRect box(QPoint(at(left), at(26)), QPoint(at(left + 16) - 1, at(26 + 21) - 1));
            int inside = 0;
            bool finer = scale < 2;                // some pair of neighbouring pixels differs
            for (int y = at(24); y < at(51); ++y)  // the cell's lower part, clear of its letter
                for (int x = at(left - 28); x < at(left + 46); ++x)
                    if (qGray(shown.pixel(x, y)) < 100)
                        QVERIFY2(box.contains(x, y) && ++inside,
                                 qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            for (int y = box.top(); y < box.bottom(); y += 2)
                for (int x = box.left(); x < box.right(); x += 2)
                    finer = finer || shown.pixel(x, y) != shown.pixel(x + 1, y + 1);
            QVERIFY(inside > 10 && finer);
        }
    }

    // "Help" hands the manual to the desktop as one URL, whatever a shell would make of the folder's name.
    void help()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&");
        QVERIFY(QDir().mkpath(folder + "/Dati") &&
                QFile::copy(AppDir + "/Dati/Quadrivello.pdf", folder + "/Dati/Quadrivello.pdf"));
        DesktopCatcher desktop;
        Form1(folder).mnuHelp_Click();
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(folder + "/Dati/Quadrivello.pdf")});
        QVERIFY(QApplication::activeModalWidget() == nullptr && !QFile::exists(scratch.filePath("preso")));
    }

    // A grid picture that is missing is named in a message and play goes on on a blank grid; every
    // new puzzle shows the file as it is then, wiping what was drawn, and never an older decoding.
    // Without the manual "Help" does nothing visible; "Esci" closes the window.
    void missingAndChangingPictures()
    {
        QTemporaryDir folder;
        Form1 form(folder.path());
        MessageBoxCatcher catcher;
        Start(form);
        QTRY_VERIFY(!catcher.caught.empty());
        const std::size_t atStart = catcher.caught.size();
        QVERIFY(catcher.caught[0].text.contains(QStringLiteral("Schema-01.bmp")) && catcher.caught[0].plain &&
                catcher.caught[0].title == QStringLiteral("Quadrivello1"));
        QImage blank(460, 262, QImage::Format_RGB32), red = blank, blue = blank;
        blank.fill(Qt::white), red.fill(Qt::red), blue.fill(Qt::blue);
        QVERIFY(form.window().picture()->picture() == blank && form.state().CurrentLevel == 1);
        const QString path = folder.filePath("Dati/Schema-01.bmp");
        QVERIFY(QDir().mkpath(folder.filePath("Dati")) && red.save(path, "BMP"));
        for (QImage* expected : {&red, &red, &blue, &blank}) {
            QFile file(path);  // the same name, other content and another time stamp
            if (expected == &blue)
                QVERIFY(blue.save(path, "BMP") && file.open(QIODevice::ReadWrite) &&
                        file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
            if (expected == &blank)  // gone: reported again, and the grid is blank
                QVERIFY(QFile::remove(path));
            form.Command2_Click();
            QCOMPARE(form.window().picture()->picture(), *expected);
            form.window().picture()->fillRectangle(30, 26, 45, 46, Qt::black);
        }
        DesktopCatcher desktop;
        form.mnuHelp_Click();
        QVERIFY(desktop.urls.isEmpty() && catcher.caught.size() == atStart + 1);
        form.window().menuAction("mnuEsci")->trigger();
        QVERIFY(!form.window().isVisible() && !form.state().Resizer);
    }

    // Random play, its seed in QUADRIVELLO_SOAK_SEED to replay it, its length in QUADRIVELLO_SOAK_ACTIONS.
    void randomPlayKeepsEveryPromise()
    {
        bool given = false;
        const quint32 seed = qgetenv("QUADRIVELLO_SOAK_SEED").toUInt(&given);
        const int actions = qEnvironmentVariableIsSet("QUADRIVELLO_SOAK_ACTIONS")
                                ? qEnvironmentVariableIntValue("QUADRIVELLO_SOAK_ACTIONS")
                                : 10000;
        const quint32 played = given ? seed : std::random_device{}();
        qInfo("random play: seed %u, %d actions (replay with QUADRIVELLO_SOAK_SEED=%u)", played, actions, played);
        std::mt19937 rng(played);
        const auto roll = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
        const QStringList pieces =
            QStringLiteral(
                "0|1|2|3|4|5|6|7|8|9|47|9999| |-|+|a|Z|\u00e8|\U0001F600|\U0001F44D\U0001F3FD|\u05E9\u05DC\u05D5"
                "|\u0645\u0631\u062D|\u200F|\u202E|\u0661\u0662|\uFF11\uFF12|e\u0301|\t|\r|\n|\x01|\x1B|\x7F|\x00|"
                "\xD800")
                .split(u'|');
        MessageBoxCatcher boxes;
        if (!form_.activatedOnce())
            Start(form_);
        form_.random().Seed(played);  // the game seeds itself from the clock; the soak's seed makes it replayable
        Click(w.control("Command2"));
        auto* answerBox = w.controlAs<QLineEdit>("Text3");
        bool armed = false;  // a clue clicked since the last "Conferma" or new puzzle
        int confirmed = 0;
        for (int n = 1; n <= actions; ++n) {
            const std::size_t boxesBefore = boxes.caught.size();
            const PuzzleState& s = form_.state();
            const int r = roll(0, 17);
            QString what;
            if (r < 13) {  // clue texts (these arm the answer entry), letters, headings, the grid, the buttons
                const QString name =
                    QStringList{"Label4", "Label8", "Label4", "Label8", "Command1", "Command1", "Command3",
                                "Label5", "Label7", "Label3", "Label6", "Picture1", "Command2"}[r];
                const LevelData& level = *FindLevel(s.CurrentLevel);
                const bool clue = r < 4, across = name == "Label4" || name == "Label5";
                QWidget* target =
                    w.control(name.toStdString(),
                              name.size() == 6 && name != "Label3" && name != "Label6"
                                  ? roll(0, int((across ? level.acrossLetters : level.downLetters).size()) - 1)
                                  : -1);
                what = "click " + target->objectName();
                confirmed += name == "Command1" && target->isEnabled();
                Click(target);
                armed = clue || (armed && name != "Command1" && name != "Command2");
            } else if (r < 15) {
                const char* const items[] = {"mnuLiv1", "mnuLiv2", "mnuLiv3", "mnuInfo1"};
                const char* const item = items[roll(0, 3)];
                what = QStringLiteral("menu ") + item;
                w.menuAction(item)->trigger();
                armed = armed && item[3] == 'I';
            } else {  // typing; now and then the right number, so that "Controllo" has something to count
                QString typed;
                for (int k = roll(1, 6); k > 0; --k)
                    typed += pieces[roll(0, int(pieces.size()) - 1)];
                if (r == 15)
                    typed = QString::number(s.SelectedDirection == Across
                                                ? s.HorizontalSolutions[std::size_t(s.SelectedHorizontalIndex)]
                                                : s.VerticalSolutions[std::size_t(s.SelectedVerticalIndex)]);
                what = "type " + QString::fromLatin1(typed.toUtf8().toPercentEncoding(" "));
                r == 15 ? answerBox->clear() : Click(answerBox);
                for (const QChar c : typed)  // a key for each character, as a keyboard sends it; Enter confirms nothing
                    QTest::sendKeyEvent(QTest::Click, answerBox, c == u'\r' ? Qt::Key_Return : Qt::Key_unknown,
                                        QString(c), Qt::NoModifier);
            }
            QCoreApplication::processEvents();
            const std::vector shown(boxes.caught.begin() + std::ptrdiff_t(boxesBefore), boxes.caught.end());
            if (const QString problem = Broken(form_, armed, shown); !problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(played).arg(n).arg(what, problem)));
        }
        qInfo("random play: %d confirmations, %zu message boxes", confirmed, boxes.caught.size());
        QVERIFY(confirmed > 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
