// The real window on the offscreen platform: its design, start-up and the level items, playing a
// puzzle, Help and Info, grid pictures that are missing or change, its fit to the screen given, and
// random play with the game's promises checked after every action.
#include "AnswerCheck.h"
#include "clsResize.h"
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"
#include "PuzzleChecker.h"
#include "Version.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
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

#include <map>
#include <random>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

void Start(Form1& form)
{
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
}

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QImage Picture(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The colour a control shows at a point, read back from what is rendered.
QColor Rendered(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

// A level's grid picture file: a 24-bit bitmap of 460 x 262 pixels, black lines on the grid's
// lines, blocked cells filled, a letter's ink in the top-left corner of each entry's first cell and
// nowhere else, the digit areas white.
void CheckGridPicture(const QString& path, int level)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() == 361614 && bytes[28] == 24);  // bits per pixel; the size leaves no room for compression
    const QImage image = QImage::fromData(bytes);
    const int columns[] = {0, 77, 154, 230, 307, 383, 459}, rows[] = {0, 51, 104, 156, 208, 261};
    for (int x : columns)
        for (int y = 0; y < 262; ++y)
            QVERIFY(image.pixel(x, y) == qRgb(0, 0, 0));
    for (int y : rows)
        for (int x = 0; x < 460; ++x)
            QVERIFY(image.pixel(x, y) == qRgb(0, 0, 0));
    std::map<std::pair<int, int>, char> letters;  // by (row, column); '.' for an open cell without one
    for (const auto& entries : {FindLevel(level)->geometry.across, FindLevel(level)->geometry.down})
        for (const GridEntry& e : entries)
            for (int j = 0; j < e.length; ++j)
                if (const auto [at, fresh] = letters.try_emplace({e.cells[j].row, e.cells[j].column}, '.'); j == 0)
                    at->second = e.letter;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect cell(QPoint(columns[column] + 1, rows[row] + 1),
                             QPoint(columns[column + 1] - 1, rows[row + 1] - 1));
            const auto at = letters.find({row, column});
            if (at == letters.end()) {
                QCOMPARE(image.pixel(cell.center()), qRgb(153, 102, 204));
                continue;
            }
            int dark = 0;
            for (int y = cell.top() + 4; y < cell.top() + 24; ++y)
                for (int x = cell.left() + 2; x < cell.left() + 20; ++x)
                    dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            QVERIFY2(at->second != '.' ? dark > 10 : dark == 0,
                     qPrintable(QStringLiteral("%1,%2").arg(row).arg(column)));
            QCOMPARE(image.pixel(cell.center().x(), cell.bottom() - 3), qRgb(255, 255, 255));
        }
    }
}

// Clicks the clue text, types into the answer box and presses "Conferma"; the picture then differs
// from before only inside the blanking boxes of these cells, and each box shows a dark digit.
void PlayAndExpectDigitsIn(Form1Window& w, QWidget* clue, const QString& typed, std::initializer_list<QPoint> cells)
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

class TestWindow : public QObject {
    Q_OBJECT
    Form1 form_{AppDir};
    Form1Window& w = form_.window();

private slots:
    // Spot checks of the design table as built, before the window is scaled and started.
    void builtFromTheDesignTable()
    {
        QCOMPARE(w.controls().size() + w.menuActions().size(), std::size_t(57));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrivello"));
        QCOMPARE(w.controlAs<QLabel>("Label8", 3)->text(), QStringLiteral(" 100 \u2013 30"));
        QCOMPARE(w.controlAs<QLabel>("Label4", 0)->accessibleName(), QStringLiteral("Orizzontale A: 25 x 3"));
        QStringList menus;
        for (QAction* a : w.menuActions())
            menus << a->text();
        QCOMPARE(menus,
                 (QStringList{"Esci", "Livelli", "Livello 1", "Livello 2", "Livello 3", "Help", "Info", "Info"}));
        QVERIFY(!w.control("Text3")->isEnabled());
        QCOMPARE(w.picture()->picture(), Picture(AppDir + "/Dati/Schema-01.bmp"));
    }

    // Start-up shows level 1, each level item its own level; colours are read back from what is rendered.
    void startUpAndLevelItemsShowTheirLevel()
    {
        Start(form_);
        QVERIFY(form_.state().Resizer != nullptr);
        for (const char* hidden : {"Text4", "Text5", "Text1", "Text2", "Label1", "Label2", "Label9", "Label10"})
            QVERIFY2(!w.control(hidden)->isVisible(), hidden);
        // Start-up's level, then the items; a level chosen twice is shown again.
        const int levels[] = {1, 2, 3, 1, 1};
        for (int step = 0; step < 5; ++step) {
            const int n = levels[step];
            if (step > 0)
                w.menuAction(QStringLiteral("mnuLiv%1").arg(n).toStdString())->trigger();
            const LevelPalette& palette = FindLevel(n)->palette;
            const QString path = AppDir + "/Dati/Schema-0" + QString::number(n) + ".bmp";
            QCOMPARE(form_.state().CurrentLevel, Integer(n));
            QCOMPARE(form_.state().PicturePath, path.toStdString());
            QCOMPARE(w.picture()->picture(), Picture(path));
            CheckGridPicture(path, n);
            const QColor panel(palette.panel.r, palette.panel.g, palette.panel.b);
            const QColor button(palette.button.r, palette.button.g, palette.button.b);
            QCOMPARE(Rendered(w.client(), QPoint(400, w.client()->height() - 10)), panel);
            for (const char* label : {"Label3", "Label6"})
                QCOMPARE(Rendered(w.control(label), QPoint(2, 2)), panel);
            for (const char* name : {"Command1", "Command2", "Command3"})
                QCOMPARE(Rendered(w.control(name), QPoint(6, 4)), button);
            QCOMPARE(w.control("Label4", 8)->isVisible(), n == 1);
            QCOMPARE(w.control("Label8", 6)->isVisible(), n != 3);
        }

        // A message box closing activates the window again: that makes no new puzzle.
        const std::string solutions = form_.view().GetText(Control::Text4);
        MessageBoxCatcher catcher;
        form_.Command3_Click();
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        QCOMPARE(form_.view().GetText(Control::Text4), solutions);
    }

    void playingAPuzzle()
    {
        w.menuAction("mnuLiv1")->trigger();
        // Clicks on letters, headings and the grid change nothing, in the window or in the selection.
        Click(w.control("Label4", 2));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("5"));
        const QImage window = w.grab().toImage();
        for (QWidget* target : {w.control("Label5", 0), w.control("Label5", 2), w.control("Label7", 7),
                                w.control("Label3"), w.control("Label6"), w.control("Picture1")})
            Click(target);
        QCOMPARE(w.grab().toImage(), window);
        QCOMPARE(std::pair(form_.state().SelectedDirection, form_.state().SelectedHorizontalIndex),
                 std::pair(Across, Integer(2)));

        form_.state().HorizontalSolutions[0] = 47;
        PlayAndExpectDigitsIn(w, w.control("Label4", 0), QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
        QCOMPARE(form_.state().HorizontalAnswers[0], Integer(47));
        QVERIFY(!w.control("Command1")->isEnabled() && !w.control("Text3")->isEnabled());
        QCOMPARE(w.controlAs<QLineEdit>("Text3")->text(), QStringLiteral("47"));

        MessageBoxCatcher catcher;
        Click(w.control("Command3"));
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        QCOMPARE(catcher.caught[0].title, QStringLiteral("Quadrivello1"));
        QCOMPARE(catcher.caught[0].text, QStringLiteral("Giusti Orizzontali  1 dati\nGiusti Verticali  0 dati"));
        QVERIFY(catcher.caught[0].plain);

        // "Conferma" runs the current level's confirm: level 3 reads four characters into down A.
        w.menuAction("mnuLiv3")->trigger();
        PlayAndExpectDigitsIn(w, w.control("Label8", 0), QStringLiteral("12345"),
                              {QPoint(30, 26), QPoint(30, 78), QPoint(30, 130), QPoint(30, 182)});
        QCOMPARE(form_.state().VerticalAnswers[0], Integer(1234));
    }

    // On every screen no visible control covers another or the grid, every clue label is as high as
    // its text, and the grid box shows its whole picture as it paints it. The window takes its share
    // of the screen, centred, every control at its design rectangle scaled by the client's ratio on
    // each axis (on a screen wider than 16:9, the height it would have on a 16:9 screen as wide).
    void fitsTheScreen()
    {
        if (!form_.activatedOnce())
            Start(form_);
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))  // a window manager's frame arrives later
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        const auto near = [](double pixels, double expected) { return std::abs(pixels - std::round(expected)) <= 1; };
        const QRect screen = w.screen()->geometry(), frame = w.frameGeometry();
        const double share = PercentForScreenWidth(screen.width() * 15.0) / 100.0;
        const double height = std::max(screen.height(), screen.width() * 9 / 16);
        QTRY_VERIFY(near(w.frameGeometry().width(), std::floor(share * screen.width() * 15) / 15) &&
                    near(w.frameGeometry().height(), std::floor(share * height * 15) / 15) &&
                    near(w.frameGeometry().left() - screen.left(), screen.right() - w.frameGeometry().right()) &&
                    near(w.frameGeometry().top() - screen.top(), screen.bottom() - w.frameGeometry().bottom()));
        QVERIFY(screen.width() < 800 || (frame.width() >= 760 && frame.width() <= 800));
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
            QVERIFY2(!control->isVisible() || control->fontMetrics().horizontalAdvance(caption) <
                                                  control->contentsRect().width() - (button ? 6 : 0),
                     qPrintable(control->objectName()));
            if (d.border)
                QVERIFY2(at.height() >= control->fontMetrics().height(), qPrintable(control->objectName()));
        }
        for (const char* level : {"mnuLiv1", "mnuLiv2"}) {
            w.menuAction(level)->trigger();
            PictureBox* box = w.picture();
            QImage shown = box->shownPicture(), grabbed = box->grab(box->contentsRect()).toImage();
            shown.setDevicePixelRatio(1), grabbed.setDevicePixelRatio(1);
            QCOMPARE(grabbed.convertToFormat(QImage::Format_RGB32), shown);
        }
    }

    // After an answer is confirmed, at the screen's own resolution: every grid line is as wide as
    // every other, in whole screen pixels, and each digit's ink lies inside its cell's box. At ratio
    // 1 the box shows its picture pixel for pixel.
    void crispAtTheScreensResolution()
    {
        if (!form_.activatedOnce())
            Start(form_);
        w.menuAction("mnuLiv1")->trigger();
        PlayAndExpectDigitsIn(w, w.control("Label4", 0), QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
        PictureBox* box = w.picture();
        const QImage shown = box->grab(box->contentsRect()).toImage();
        const double scale = double(shown.width()) / PictureBox::GridWidth;
        if (box->devicePixelRatioF() == 1.0 && scale == 1.0)
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), box->picture());
        const auto at = [scale](int position) { return int(std::floor(position * scale)); };
        const auto dark = [&](int x, int y) { return qGray(shown.pixel(x, y)) < 100; };
        // Across row 0 below its digits, down column 0 clear of its letters and digits.
        std::vector<int> runs;
        for (int along = 0; along < 2; ++along) {
            const int length = along == 0 ? shown.width() : shown.height(), across = at(along == 0 ? 49 : 60);
            for (int i = 0, run = 0; i <= length; ++i) {
                if (i < length && (along == 0 ? dark(i, across) : dark(across, i)))
                    ++run;
                else if (run > 0)
                    runs.push_back(std::exchange(run, 0));
            }
        }
        QCOMPARE(runs.size(), std::size_t(7 + 6));
        QCOMPARE(std::count(runs.begin(), runs.end(), runs[0]), 13);
        for (const QPoint cell : {QPoint(30, 26), QPoint(107, 26)}) {
            const QRect digitBox(QPoint(at(cell.x()), at(cell.y())),
                                 QPoint(at(cell.x() + 16) - 1, at(cell.y() + 21) - 1));
            int inside = 0;
            for (int y = at(cell.y() - 26 + 24); y < at(cell.y() - 26 + 51);
                 ++y)  // the cell's lower part, clear of its letter
                for (int x = at(cell.x() - 30 + 2); x < at(cell.x() - 30 + 76); ++x)
                    if (dark(x, y))
                        QVERIFY2(digitBox.contains(x, y) && ++inside,
                                 qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            QVERIFY(inside > 10);
            // Drawn at the screen's resolution, not doubled: some pair of neighbouring ink pixels differs.
            bool finer = scale < 2;
            for (int y = digitBox.top(); y < digitBox.bottom(); y += 2)
                for (int x = digitBox.left(); x < digitBox.right(); x += 2)
                    finer = finer || shown.pixel(x, y) != shown.pixel(x + 1, y + 1);
            QVERIFY(finer);
        }
    }

    // "Conferma" pressed with Space turns itself off and hands the focus to the grid box: a second
    // Space does nothing, the puzzle stays.
    void spaceTwiceOnConfermaKeepsThePuzzle()
    {
        w.menuAction("mnuLiv1")->trigger();
        QApplication::setActiveWindow(&w);
        Click(w.control("Label4", 0));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("47"));
        w.control("Command1")->setFocus();
        const std::string puzzle = form_.view().GetText(Control::Text4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(form_.state().HorizontalAnswers[0], Integer(47));
        QCOMPARE(form_.view().GetText(Control::Text4), puzzle);
        QCOMPARE(QApplication::focusWidget(), w.control("Picture1"));
    }

    // Author with version; a contact that invents no address; two lines of terms naming the licence;
    // in a plain box titled as the game's boxes are.
    void infoShowsItsLinesInOrder()
    {
        const QString line = QStringLiteral("(\\S[^\\n\\r]*\\S)");
        const auto shape =
            QRegularExpression("^" + line + "\n\r\n\r" + line + "\n\r\n\r" + line + "\n\r" + line + "\\z")
                .match(InformationText());
        QVERIFY2(shape.hasMatch(), qPrintable(InformationText()));
        QVERIFY(shape.captured(1).startsWith("Quadrivello") && shape.captured(1).contains(QUADRIVELLO_VERSION));
        QVERIFY(!shape.captured(2).contains(u'@') && !shape.captured(2).contains("http"));
        QVERIFY(shape.captured(3).contains("MIT") && shape.captured(3).contains("LICENSE"));
        MessageBoxCatcher boxes;
        w.menuAction("mnuInfo1")->trigger();
        QCOMPARE(boxes.caught.size(), std::size_t(1));
        QVERIFY(boxes.caught[0].title == QStringLiteral("Quadrivello1") && boxes.caught[0].plain);
        QCOMPARE(boxes.caught[0].text, QString(InformationText()).replace("\n\r", "\n"));
    }

    // "Help" hands the manual to the desktop as one file URL, whatever the folder is called (a shell
    // would split, expand or run parts of this one; a URL carries it whole), and does not wait;
    // without the manual it does nothing visible.
    void help()
    {
        const QString awkward = QStringLiteral("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&");
        for (const auto& [folderName, withManual] :
             {std::pair(QStringLiteral("gioco"), true), {awkward, true}, {QStringLiteral("gioco"), false}}) {
            QTemporaryDir scratch;
            const QString data = scratch.filePath(folderName) + "/Dati/", manual = data + "Quadrivello.pdf";
            QVERIFY(QDir().mkpath(data));
            QVERIFY(!withManual || QFile::copy(AppDir + "/Dati/Quadrivello.pdf", manual));
            DesktopCatcher desktop;
            MessageBoxCatcher boxes;
            Form1 form(scratch.filePath(folderName));
            form.mnuHelp_Click();
            QCOMPARE(desktop.urls, withManual ? QList<QUrl>{QUrl::fromLocalFile(manual)} : QList<QUrl>());
            QVERIFY(boxes.caught.empty() && QApplication::activeModalWidget() == nullptr);
            QVERIFY(!QFile::exists(scratch.filePath("preso")) && !QFile::exists("preso"));
        }
    }

    // A grid picture that is missing is named in a message and play goes on on a blank grid; every
    // new puzzle shows the file as it is then, wiping what was drawn, and never an older decoding.
    void missingAndChangingPictures()
    {
        QTemporaryDir folder;
        Form1 form(folder.path());
        MessageBoxCatcher catcher;
        Start(form);
        QTRY_VERIFY(!catcher.caught.empty());
        const std::size_t atStart = catcher.caught.size();
        QCOMPARE(catcher.caught[0].title, QStringLiteral("Quadrivello1"));
        QVERIFY(catcher.caught[0].text.contains(QStringLiteral("Schema-01.bmp")) && catcher.caught[0].plain);
        QImage blank(460, 262, QImage::Format_RGB32), red = blank, blue = blank;
        blank.fill(Qt::white), red.fill(Qt::red), blue.fill(Qt::blue);
        QCOMPARE(form.window().picture()->picture(), blank);
        QCOMPARE(form.state().CurrentLevel, Integer(1));

        const QString path = folder.filePath("Dati/Schema-01.bmp");
        QVERIFY(QDir().mkpath(folder.filePath("Dati")) && red.save(path, "BMP"));
        for (QImage* expected : {&red, &red, &blue, &blank}) {
            if (expected == &blue) {  // the same name with other content and another time stamp
                QFile file(path);
                QVERIFY(blue.save(path, "BMP") && file.open(QIODevice::ReadWrite));
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
            }
            if (expected == &blank)  // gone: reported again, and the grid is blank
                QVERIFY(QFile::remove(path));
            form.Command2_Click();
            QCOMPARE(form.window().picture()->picture(), *expected);
            form.window().picture()->fillRectangle(30, 26, 45, 46, Qt::black);
        }
        QCOMPARE(catcher.caught.size(), atStart + 1);
    }
    // Random play: thousands of seeded clicks, menu choices and typed or pasted texts, with the game's
    // promises checked after every one. A failure names the seed that replays it
    // (QUADRIVELLO_SOAK_SEED); QUADRIVELLO_SOAK_ACTIONS changes the number of actions.
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
        Form1& form = form_;
        form.random().Seed(seed);  // the game seeds itself from the clock; the soak's seed makes it replayable
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

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
