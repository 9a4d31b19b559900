// The real window on the offscreen platform: design, levels, play by mouse, keyboard and screen reader, Help and
// Info, pictures, its share of the screen and its layout on each, random play.
#include "ClueLabel.h"
#include "Game.h"
#include "GridBox.h"
#include "GridGeometry.h"
#include "MessageBoxCatcher.h"
#include "PuzzleChecker.h"
#include "Version.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <random>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

void Start(Game& game)
{
    game.window().fitToScreen();
    game.start();
}

// A control as a failure names it: its accessible name, else its caption.
QString Name(const QWidget* widget)
{
    return widget->accessibleName().isEmpty() ? widget->property("text").toString() : widget->accessibleName();
}

void Click(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}

// Clicks the clue, types, presses "Conferma": the picture changes only in these cells' boxes, each showing a digit.
void Answer(GameWindow& w, ClueRef clue, const QString& typed, std::initializer_list<QPoint> cells)
{
    QImage before = w.grid()->picture();
    Click(w.clueText(clue));
    QTest::keyClicks(w.answerBox(), typed);
    Click(w.confirmButton());
    QVERIFY(!w.answerBox()->isEnabled());
    QImage after = w.grid()->picture();
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

// Stands in for the desktop, so that no viewer ever starts: keeps every file URL the game asks it to open,
// through Qt's URL handler or an xdg-open put first on PATH. openNothing(): no program opens a PDF.
class DesktopCatcher : public QObject {
    Q_OBJECT
    QTemporaryDir bin_;
    const QByteArray path_ = qgetenv("PATH");
    QList<QUrl> handled_;
    void writeOpener(const QByteArray& body)
    {
        QFile opener(bin_.filePath("xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\n" + body);
        opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

public:
    DesktopCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        writeOpener("printf '%s\\n' \"$1\" >> \"$0.asked\"\n");
        qputenv("PATH", QFile::encodeName(bin_.path()) + QDir::listSeparator().toLatin1() + path_);
    }
    ~DesktopCatcher() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        qputenv("PATH", path_);
    }
    void openNothing()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));  // the offscreen desktop opens nothing
        writeOpener("exit 3\n");                                    // xdg-open finding no program for the file
    }
    QList<QUrl> urls() const
    {
        QFile asked(bin_.filePath("xdg-open.asked"));
        const QString lines = asked.open(QIODevice::ReadOnly) ? QString::fromLatin1(asked.readAll()) : QString();
        return handled_ + QUrl::fromStringList(lines.split(u'\n', Qt::SkipEmptyParts));
    }
public slots:
    void open(const QUrl& url) { handled_ << url; }
};

// The first promise broken: answer entry armed by a clue click only, the puzzle sound and shown, "Controllo" right.
QString Broken(Game& game, bool armed, const std::vector<MessageBoxCatcher::Caught>& shown)
{
    GameWindow& w = game.window();
    if (w.confirmButton()->isEnabled() != armed || (armed && !w.answerBox()->isEnabled()))
        return armed ? "Conferma or the answer box is disabled after a clue click" : "Conferma is enabled unarmed";
    const Puzzle& puzzle = game.play().puzzle();
    if (const std::string problem = PuzzleProblem(puzzle); !problem.empty())
        return QString::fromStdString(problem);
    for (const Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleEntry& e : puzzle.entries(direction))
            if (w.clueText({direction, e.entry->index})->text().toStdString() != e.clue)
                return "a clue label shows another clue";
    const CheckCounts right = game.play().countCorrect();
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
    Game game_{AppDir};
    GameWindow& w = game_.window();

private slots:
    void initTestCase() { Start(game_); }

    // The design as built; "Info" shows the version, a contact that invents no address, two lines of
    // terms naming the licence, in a plain box titled as the game's boxes are.
    void builtFromTheDesignWithItsInfo()
    {
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrivello"));
        QStringList menus;
        for (QAction* item : w.menuBar()->actions())
            menus << item->text() + (item->menu() ? "(" + item->menu()->actions().constFirst()->text() + ")" : "");
        QCOMPARE(menus, (QStringList{"Esci", "Livelli(Livello 1)", "Help", "Info(Info)"}));
        QVERIFY(!w.answerBox()->isEnabled());
        QCOMPARE(w.clueText({Direction::Across, 0})->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(w.grid()->picture(), QImage(AppDir + "/Dati/Schema-01.bmp").convertToFormat(QImage::Format_RGB32));
        const QString line = QStringLiteral("(\\S[^\\n\\r]*\\S)");
        const auto shape =
            QRegularExpression("^" + line + "\n\r\n\r" + line + "\n\r\n\r" + line + "\n\r" + line + "\\z")
                .match(InformationText());
        QVERIFY2(shape.hasMatch(), qPrintable(InformationText()));
        QVERIFY(shape.captured(1).contains(QUADRIVELLO_VERSION));
        QVERIFY(!shape.captured(2).contains(u'@'));
        QVERIFY(shape.captured(3).contains("MIT"));
        MessageBoxCatcher boxes;
        w.infoAction()->trigger();
        QCOMPARE(boxes.caught.size(), std::size_t(1));
        QCOMPARE(boxes.caught[0].title, "Quadrivello1");
        QVERIFY(boxes.caught[0].plain);
        QCOMPARE(boxes.caught[0].text, QString(InformationText()).replace("\n\r", "\n"));
    }

    // Start-up shows a level-1 puzzle; each level item its own level, its colours read back from the
    // screen, its clue rows and nothing hidden that a screen reader could find.
    void startUpAndLevelItemsShowTheirLevel()
    {
        QCOMPARE(PuzzleProblem(game_.play().puzzle()), std::string());
        const int levels[] = {1, 2, 3, 1, 1};
        for (int step = 0; step < 5; ++step) {
            const int n = levels[step];
            if (step > 0)
                w.levelAction(n)->trigger();
            const QString path = AppDir + "/Dati/Schema-0" + QString::number(n) + ".bmp";
            QCOMPARE(game_.play().level().number(), n);
            QCOMPARE(w.grid()->picture(), QImage(path).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(QFileInfo(path).size(), 361614);  // 460 x 262 at 24 bits, uncompressed
            const auto rendered = [](QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); };
            const QColor panel[] = {{192, 192, 255}, {192, 255, 192}, {192, 255, 255}},
                         button[] = {{153, 102, 204}, {0, 255, 0}, {0, 153, 255}};
            for (QWidget* widget : {w.client(), static_cast<QWidget*>(w.heading(Direction::Across)),
                                    static_cast<QWidget*>(w.heading(Direction::Down))})
                QCOMPARE(rendered(widget, widget == w.client() ? QPoint(400, w.client()->height() - 10) : QPoint(4, 4)),
                         panel[n - 1]);
            for (QWidget* widget : {w.confirmButton(), w.newPuzzleButton(), w.checkButton()})
                QCOMPARE(rendered(widget, QPoint(4, 4)), button[n - 1]);
            QCOMPARE(rendered(w.checkButton(), QPoint(4, w.checkButton()->height() - 1)), QColor(64, 64, 64));
            QCOMPARE(w.client()->findChildren<ClueLabel*>().size(), qsizetype(n == 1 ? 17 : n == 2 ? 15 : 13));
            for (QWidget* control : w.client()->findChildren<QWidget*>())
                QVERIFY2(control->isVisible(), qPrintable(Name(control)));
        }
    }

    // A class chosen in the Livelli menu is checked, disables the levels it does not suit (level 3 gives way to
    // level 1) and makes puzzles with the numbers the same draws give without it, its clues said in words.
    void aClassWritesTheSameAnswersItsOwnWay()
    {
        w.levelAction(3)->trigger();
        std::vector<int> numbers[2];
        for (const SchoolYear year : {SchoolYear::Second, SchoolYear::FourthOn}) {
            game_.seed(5);
            w.classAction(year)->trigger();
            QVERIFY(w.classAction(year)->isChecked());
            QCOMPARE(w.levelAction(2)->isEnabled(), year == SchoolYear::FourthOn);
            game_.newPuzzle();  // the second puzzle too
            QCOMPARE(PuzzleProblem(game_.play().puzzle()), std::string());
            for (const PuzzleEntry& e : game_.play().puzzle().down)
                numbers[year == SchoolYear::Second].push_back(e.number);
            const QString name = w.clueText({Direction::Down, 0})->accessibleName();
            QCOMPARE(name.contains(QRegularExpression(" (più|meno|per) ")), year == SchoolYear::Second);
        }
        QCOMPARE(game_.play().level().number(), 1);
        QCOMPARE(numbers[0], numbers[1]);
    }

    // A whole level with the keyboard alone: Tab to the grid, a clue's letter, for a down clue Space (twice
    // where an across one crosses it; a number chooses the across one), its number, Tab, Space; then
    // "Controllo" by Tab and Space. Alt with a key opens no menu; the keyboard is back after the menus.
    void aWholeLevelWithTheKeyboardAlone()
    {
        game_.chooseLevel(1);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.checkButton()->setFocus();
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.grid());
        const QColor frame = w.grid()->grab().toImage().pixelColor(w.grid()->contentsRect().topLeft() + QPoint(2, 25));
        QCOMPARE(frame, QColor(0, 90, 220));  // the cursor, on A
        for (const Qt::Key k : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            key(k);  // the cursor's moves, over black cells: from B right to C, from C down to M
        QCOMPARE(w.grid()->cursor(), (Cell{2, 3}));
        const auto altWith = [](QWidget* widget, Qt::Key k) {  // Alt let go first, as fingers often do
            QTest::keyPress(widget, k, Qt::AltModifier);
            QTest::keyRelease(widget, Qt::Key_Alt);
            QTest::keyRelease(widget, k);
        };
        altWith(w.grid(), Qt::Key_L);  // no letter L, and Alt's release opens no menu
        QCOMPARE(w.grid()->cursor(), (Cell{2, 3}));
        QCOMPARE(QApplication::focusWidget(), w.grid());
        key(Qt::Key_Alt);  // alone it does; Escape, and Escape after F10, give the keyboard back
        QCOMPARE(w.menuBar()->activeAction(), w.quitAction());
        for (const Qt::Key k : {Qt::Key_Escape, Qt::Key_F10, Qt::Key_Escape})
            key(k);
        QTRY_COMPARE(QApplication::focusWidget(), w.grid());
        MessageBoxCatcher boxes;
        for (const Direction direction : {Direction::Across, Direction::Down}) {
            for (const PuzzleEntry& e : game_.play().puzzle().entries(direction)) {
                QTest::keyClicks(QApplication::focusWidget(), QString(QChar(e.entry->letter)).toLower());
                for (int presses = 0; direction == Direction::Down && presses < 2 &&
                                      game_.play().chosen() != ClueRef{direction, e.entry->index};
                     ++presses)
                    key(Qt::Key_Space);
                QTest::keyClicks(QApplication::focusWidget(), QString::number(e.number));
                QCOMPARE(QApplication::focusWidget(), w.answerBox());
                key(Qt::Key_Tab);
                // Down clues with Alt held: "Conferma" takes Space all the same, and Alt's release opens no menu.
                direction == Direction::Down ? altWith(w.confirmButton(), Qt::Key_Space) : key(Qt::Key_Space);
                QCOMPARE(QApplication::focusWidget(), w.grid());
                QCOMPARE(w.grid()->cursor(), e.entry->cells.front());
            }
        }
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Space);
        QCOMPARE(boxes.caught.size(), std::size_t(1));
        QCOMPARE(boxes.caught[0].text, QStringLiteral("Giusti Orizzontali  9 dati\nGiusti Verticali  8 dati"));
        w.activateWindow();  // after the message box
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(w.menuBar()->activeAction(), w.quitAction());
        for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})  // a level: the grid has the keyboard
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : w.menuBar(), k);
        w.activateWindow();  // the offscreen platform leaves it inactive once a menu has closed
        QTRY_COMPARE(QApplication::focusWidget(), w.grid());
        QTest::keyClicks(w.grid(), "5");  // Escape leaves the answer box unconfirmed, the keyboard on the grid
        key(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), w.grid());
        QCOMPARE(game_.play().answer(*game_.play().chosen()), 0);
    }

    // A whole level through the accessibility tree alone: each clue pressed as a screen reader does,
    // its number worked out from its name, inserted in the answer box named after it, "Conferma"
    // pressed; the grid table's cells then read back every digit.
    void aWholeLevelThroughTheAccessibilityTree()
    {
        game_.chooseLevel(2);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
        const auto find = [root](QAccessible::Role role, const QString& name) {
            std::vector<QAccessibleInterface*> found, open{root};
            while (!open.empty()) {
                QAccessibleInterface* at = open.back();
                open.pop_back();
                for (int i = 0; i < at->childCount(); ++i)
                    open.push_back(at->child(i));
                if (at->role() == role && at->text(QAccessible::Name).startsWith(name))
                    found.push_back(at);
            }
            return found;
        };
        QAccessibleInterface* box = find(QAccessible::EditableText, "Risposta").at(0);
        QAccessibleInterface* confirm = find(QAccessible::Button, "Conferma").at(0);
        const std::vector clues = find(QAccessible::RadioButton, "");
        QCOMPARE(clues.size(), std::size_t(8 + 7));
        for (QAccessibleInterface* clue : clues) {
            QVERIFY(clue->state().checkable);  // a reader says whether it is the one chosen
            clue->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY(clue->state().checked);
            QCOMPARE(box->text(QAccessible::Name), "Risposta per " + clue->text(QAccessible::Name));
            const QString number = QString::number(
                EvaluateClue((" " + clue->text(QAccessible::Name).section(": ", 1)).toStdString()).value_or(0));
            box->editableTextInterface()->insertText(0, number);
            confirm->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(confirm->state().disabled);  // a pressed button clicks a moment later
        }
        QAccessibleTableInterface* grid = find(QAccessible::Table, "Schema").at(0)->tableInterface();
        QCOMPARE(grid->rowCount(), GridRows);
        QCOMPARE(grid->columnCount(), GridColumns);
        for (int row = 0; row < GridRows; ++row) {
            for (int column = 0; column < GridColumns; ++column) {
                const Cell cell{row, column};
                const char letter = game_.play().level().letterIn(cell);
                QCOMPARE(grid->cellAt(row, column)->text(QAccessible::Name),
                         !game_.play().level().isWhite(cell)
                             ? QStringLiteral("casella nera")
                             : (letter ? QString(QChar(letter)) + ", " : QString()) +
                                   QString::number(game_.play().puzzle().digitIn(cell)));
            }
        }
        QCOMPARE(game_.play().countCorrect().across + game_.play().countCorrect().down, 8 + 7);
    }

    // About 800 pixels wide and centred to the pixel on any screen, the whole screen if narrower; as
    // high as the same share of the screen, or of a 16:9 screen as wide where the screen is wider.
    void theWindowTakesItsShareOfTheScreenCentred()
    {
        const std::pair<QRect, QRect> rows[] = {
            {QRect(0, 0, 1024, 768), QRect(QPoint(113, 85), QPoint(910, 683))},
            {QRect(0, 0, 800, 600), QRect(0, 0, 800, 600)},
            {QRect(0, 0, 300, 200), QRect(0, 0, 300, 200)},
            {QRect(1920, 0, 1920, 1080), QRect(QPoint(1920 + 566, 319), QPoint(1920 + 1353, 760))},
            {QRect(0, 0, 2560, 1080), QRect(QPoint(883, 317), QPoint(1676, 762))},
        };
        for (const auto& [screen, window] : rows)
            QCOMPARE(WindowBounds(screen), window);
        QCOMPARE(ScreenSharePercent(1024), 78);
        QCOMPARE(ScreenSharePercent(0), 100);
    }

    // At the design's size every control is at its design rectangle; at another size each edge moves
    // in proportion, rounded as the window has always rounded it.
    void controlsScaleWithTheClientArea()
    {
        const DesignRect grid{2520, 480, 6960, 3990};
        QCOMPARE(ScaledRect(grid, GameWindow::DesignClient, QSize(792, 546)), QRect(168, 32, 464, 266));
        QCOMPARE(ScaledRect(grid, GameWindow::DesignClient, QSize(1584, 273)), QRect(336, 16, 928, 133));
        QCOMPARE(ScaledRect({1575, 2475, 0, 0}, GameWindow::DesignClient, QSize(1716, 546)).topLeft(),
                 QPoint(227, 165));
    }

    // No visible control covers another, every caption fits; the window takes its share of the screen
    // (of a 16:9 one if wider), centred, each control at its design rectangle scaled by the client's.
    void fitsTheScreen()
    {
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))  // a window manager's frame arrives later
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        const auto near = [](double pixels, double expected) { return std::abs(pixels - std::round(expected)) <= 1; };
        const QRect screen = w.screen()->geometry();
        QTRY_COMPARE(w.frameGeometry(), WindowBounds(screen));
        w.levelAction(1)->trigger();  // every clue row shown
        const double x = w.client()->width() * 15.0 / GameWindow::DesignClient.width,
                     y = w.client()->height() * 15.0 / GameWindow::DesignClient.height;
        for (const auto& [control, d, points] : w.placedControls()) {
            const QRect at = control->geometry();
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QPushButton*>(control);
            const QString caption = label ? label->text() : button ? button->text() : QString();
            const bool grown = at.width() > d.width * x / 15 + 1 && !caption.isEmpty();  // a caption that did not fit
            QVERIFY2(w.client()->rect().contains(at), qPrintable(Name(control)));
            QVERIFY2(near(at.x(), d.left * x / 15), qPrintable(Name(control)));
            QVERIFY2(near(at.y(), d.top * y / 15), qPrintable(Name(control)));
            QVERIFY2(control == w.grid() ||
                         ((near(at.width(), d.width * x / 15) || grown) && near(at.height(), d.height * y / 15)),
                     qPrintable(Name(control)));
            for (const auto& other : w.placedControls()) {  // a letter box and its clue share a border line
                const QRect common = at.intersected(other.widget->geometry());
                QVERIFY2(other.widget == control || common.width() <= 1 || common.height() <= 1,
                         qPrintable(Name(control) + " covers " + Name(other.widget)));
            }
            QVERIFY2(control->fontMetrics().horizontalAdvance(caption) <
                         control->contentsRect().width() - (button ? 6 : 0),
                     qPrintable(Name(control)));
            QVERIFY2(!label || label->frameWidth() == 0 || at.height() >= control->fontMetrics().height(),
                     qPrintable(Name(control)));
        }
    }

    // The grid as shown, at the screen's own resolution, on each level: lines in place and of one width,
    // black cells, letters; a digit's ink inside its box, not doubled. At ratio 1, the level's file.
    void gridAtTheScreensResolution()
    {
        using grid_geometry::ColumnLines, grid_geometry::RowLines;
        for (int level : {3, 2, 1}) {
            w.levelAction(level)->trigger();
            if (level == 1)
                Answer(w, {Direction::Across, 0}, QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
            w.checkButton()->setFocus();  // no keyboard cursor on the grid
            const QImage shown = w.grid()->grab(w.grid()->contentsRect()).toImage();
            const double scale = double(shown.width()) / grid_geometry::Width;
            if (scale == 1.0) {
                QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), w.grid()->picture());
                QCOMPARE(w.grid()->size(), QSize(464, 266));  // in its frame of 2 pixels: the design's rectangle
            }
            const auto at = [scale](double position) { return int(std::floor(position * scale)); };
            const auto dark = [&](int x, int y) { return qGray(shown.pixel(x, y)) < 100; };
            // The lines met along row 0 below its digits and down column 0 clear of its letters.
            std::vector<std::pair<int, int>> lines, expected;  // where each starts, how wide it is
            for (int along = 0; along < 2; ++along) {
                const int length = along == 0 ? shown.width() : shown.height(), across = at(along == 0 ? 49 : 60);
                for (int i = 0, run = 0; i <= length; ++i) {
                    if (i < length && (along == 0 ? dark(i, across) : dark(across, i)))
                        ++run;
                    else if (run > 0) {
                        lines.emplace_back(i - run, run);
                        run = 0;
                    }
                }
                for (int position : along == 0 ? std::vector(ColumnLines.begin(), ColumnLines.end())
                                               : std::vector(RowLines.begin(), RowLines.end()))
                    expected.emplace_back(at(position), std::max(1, int(std::lround(scale))));
            }
            QCOMPARE(lines, expected);
            for (int c = 0; c < 30; ++c) {
                const Cell cell{c / 6, c % 6};
                const int left = ColumnLines[c % 6], top = RowLines[c / 6];
                int ink = 0;
                for (int y = at(top + 4); y < at(top + 24); ++y)
                    for (int x = at(left + 2); x < at(left + 20); ++x)
                        ink += dark(x, y);
                const QRgb centre = shown.pixel(at((left + ColumnLines[c % 6 + 1]) / 2.0), at(RowLines[c / 6 + 1] - 3));
                const QString where = QStringLiteral("level %1, cell %2").arg(level).arg(c);
                QVERIFY2(centre ==
                             (GetLevel(level).isWhite(cell) ? qRgb(255, 255, 255) : grid_geometry::BlackCellColour),
                         qPrintable(where));
                QVERIFY2(GetLevel(level).letterIn(cell) ? ink > 3 : ink == 0, qPrintable(where));
            }
        }
        const QImage shown = w.grid()->grab(w.grid()->contentsRect()).toImage();
        const double scale = double(shown.width()) / grid_geometry::Width;
        const auto at = [scale](int position) { return int(std::floor(position * scale)); };
        for (const int left : {30, 107}) {
            const QRect box(QPoint(at(left), at(26)), QPoint(at(left + 16) - 1, at(26 + 21) - 1));
            int inside = 0;
            bool finer = scale < 2;                // some pair of neighbouring pixels differs
            for (int y = at(24); y < at(51); ++y)  // the cell's lower part, clear of its letter
                for (int x = at(left - 28); x < at(left + 46); ++x)
                    if (qGray(shown.pixel(x, y)) < 100) {
                        QVERIFY2(box.contains(x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                        ++inside;
                    }
            for (int y = box.top(); y < box.bottom(); y += 2)
                for (int x = box.left(); x < box.right(); x += 2)
                    finer = finer || shown.pixel(x, y) != shown.pixel(x + 1, y + 1);
            QVERIFY(inside > 10);
            QVERIFY(finer);
        }
    }

    // "Help" hands the manual to the desktop as one URL, whatever a shell would make of the folder's name.
    void helpHandsTheManualOverAsOneUrl()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&");
        QDir().mkpath(folder + "/Dati");
        QVERIFY(QFile::copy(AppDir + "/Dati/Quadrivello.pdf", folder + "/Dati/Quadrivello.pdf"));
        DesktopCatcher desktop;
        Game game(folder);
        game.openManual();
        QTRY_COMPARE(desktop.urls(), QList<QUrl>{QUrl::fromLocalFile(folder + "/Dati/Quadrivello.pdf")});
        QVERIFY(!QFile::exists(scratch.filePath("preso")));
    }

    // A grid picture missing, cut short, of another size, a FIFO or a link to an endless device is named
    // once, in a message over the ready window, and the game draws the grid; a new puzzle shows the file as
    // it is then, never an older decoding.
    void anUnreadablePictureIsNamedOnceAndTheGridDrawn()
    {
        QTemporaryDir folder;
        Game game(folder.path());
        MessageBoxCatcher catcher;
        QString clueShown;
        catcher.onShow = [&] { clueShown = game.window().clueText({Direction::Across, 0})->text(); };
        Start(game);
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        QVERIFY(catcher.caught[0].text.contains(QDir::toNativeSeparators(folder.filePath("Dati/Schema-01.bmp"))));
        QCOMPARE(clueShown.toStdString(), game.play().puzzle().across[0].clue);
        const QImage drawn = QImage(AppDir + "/Dati/Schema-01.bmp").convertToFormat(QImage::Format_RGB32);
        QImage red(460, 262, QImage::Format_RGB32), blue = red;
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        const QString path = folder.filePath("Dati/Schema-01.bmp");
        QDir().mkpath(folder.filePath("Dati"));
        QVERIFY(red.save(path, "BMP"));
        constexpr int Same = 0, Newer = 1, CutShort = 2, OtherSize = 3, Gone = 4;
        for (const auto& [change, expected] :
             {std::pair(Same, red), {Same, red}, {Newer, blue}, {CutShort, drawn}, {OtherSize, drawn}, {Gone, drawn}}) {
            QFile file(path);  // the same name, other content and another time stamp
            if (change == Newer || change == OtherSize)
                QVERIFY((change == Newer ? blue : red.scaled(200, 100)).save(path, "BMP"));
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTime().addSecs(60 * change), QFileDevice::FileModificationTime);
            if (change == CutShort)
                file.resize(file.size() / 2);
            if (change == Gone)
                file.remove();
            file.close();
            game.newPuzzle();
            QCOMPARE(game.window().grid()->picture(), expected);
            game.chooseClue({Direction::Across, 0});
            game.confirmAnswer(QStringLiteral("8"));
        }
#ifndef Q_OS_WIN
        for (const bool fifo : {true, false}) {  // neither waited on (Qt Test's watchdog) nor read without end
            QFile::remove(path);
            QVERIFY(fifo ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QFile::link("/dev/zero", path));
            game.newPuzzle();
            QCOMPARE(game.window().grid()->picture(), drawn);
        }
#endif
        QCOMPARE(catcher.caught.size(), std::size_t(1));
    }

    // "Help" says where the manual should be when it is missing, and that no program opens it when the
    // desktop's opener finds none.
    void helpSaysWhyTheManualDidNotOpen()
    {
        QTemporaryDir folder;
        QDir().mkpath(folder.filePath("Dati"));
        Game game(folder.path());
        MessageBoxCatcher catcher;
        DesktopCatcher desktop;
        game.openManual();  // missing
        QVERIFY(QFile::copy(AppDir + "/Dati/Quadrivello.pdf", folder.filePath("Dati/Quadrivello.pdf")));
        desktop.openNothing();
        game.openManual();
        QVERIFY(desktop.urls().isEmpty());
        QTRY_COMPARE(catcher.caught.size(), std::size_t(2));
        QVERIFY(catcher.caught[0].text.contains(QDir::toNativeSeparators(folder.filePath("Dati/Quadrivello.pdf"))));
        QVERIFY(catcher.caught[0].text.startsWith("Il manuale non c'è"));
        QVERIFY(catcher.caught[1].text.startsWith("Nessun programma"));
    }

    // "Esci" closes the window, and with it the game: nothing is kept.
    void esciClosesTheWindow()
    {
        Game game(AppDir);
        Start(game);
        game.window().quitAction()->trigger();
        QVERIFY(!game.window().isVisible());
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
        game_.seed(played);  // the game seeds itself from the clock; the soak's seed makes it replayable
        Click(w.newPuzzleButton());
        bool armed = false;  // a clue clicked since the last "Conferma" or new puzzle
        int confirmed = 0;
        for (int n = 1; n <= actions; ++n) {
            const std::size_t boxesBefore = boxes.caught.size();
            const int r = roll(0, 17);
            QString what;
            if (r < 13) {  // clue texts (these arm the answer entry), letters, headings, the grid, the buttons
                const Direction direction = r % 2 == 0 ? Direction::Across : Direction::Down;
                const ClueRef clue{direction, roll(0, int(game_.play().level().entries(direction).size()) - 1)};
                QWidget* const targets[] = {w.clueText(clue),     w.clueText(clue),     w.clueText(clue),
                                            w.clueText(clue),     w.confirmButton(),    w.confirmButton(),
                                            w.checkButton(),      w.clueLetter(clue),   w.clueLetter(clue),
                                            w.heading(direction), w.heading(direction), w.grid(),
                                            w.newPuzzleButton()};
                QWidget* target = targets[r];
                what = "click " + Name(target);
                confirmed += target == w.confirmButton() && target->isEnabled();
                Click(target);
                armed = r < 4 || (armed && target != w.confirmButton() && target != w.newPuzzleButton());
            } else if (r < 15) {
                const int item = roll(1, 4);
                QAction* action = item <= LevelCount ? w.levelAction(item) : w.infoAction();
                what = "menu " + action->text();
                action->trigger();
                armed = armed && action == w.infoAction();
            } else {  // typing; now and then the right number, so that "Controllo" has something to count
                QString typed;
                for (int k = roll(1, 6); k > 0; --k)
                    typed += pieces[roll(0, int(pieces.size()) - 1)];
                if (const auto chosen = game_.play().chosen(); r == 15 && chosen)
                    typed = QString::number(
                        game_.play().puzzle().entries(chosen->direction)[std::size_t(chosen->index)].number);
                what = "type " + QString::fromLatin1(typed.toUtf8().toPercentEncoding(" "));
                r == 15 ? w.answerBox()->clear() : Click(w.answerBox());
                for (const QChar c : typed)  // a key for each character, as a keyboard sends it; Enter confirms nothing
                    QTest::sendKeyEvent(QTest::Click, w.answerBox(), c == u'\r' ? Qt::Key_Return : Qt::Key_unknown,
                                        QString(c), Qt::NoModifier);
            }
            QCoreApplication::processEvents();
            const std::vector shown(boxes.caught.begin() + std::ptrdiff_t(boxesBefore), boxes.caught.end());
            if (const QString problem = Broken(game_, armed, shown); !problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(played).arg(n).arg(what, problem)));
        }
        qInfo("random play: %d confirmations, %zu message boxes", confirmed, boxes.caught.size());
        QVERIFY(confirmed > 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
