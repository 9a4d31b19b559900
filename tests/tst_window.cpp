// The real window on the offscreen platform: its design, start-up and the level items, playing a
// puzzle, Help and Info, grid pictures that are missing or change, and its fit to the screen given.
#include "clsResize.h"
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"
#include "Version.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

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
        QCOMPARE(w.control("Picture1")->geometry(), QRect(168, 32, 464, 266));
        QCOMPARE(w.control("Command3")->geometry(), QRect(696, 440, 81, 33));
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

    // On the screen it is given the window takes its share of it, centred; every control sits in the
    // client area at its design rectangle scaled by the client's ratio on each axis, and the grid box
    // shows its whole picture as drawn at its natural size, also after a change of level.
    void fitsTheScreen()
    {
        if (!form_.activatedOnce())
            Start(form_);
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))  // a window manager's frame arrives later
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        const auto near = [](double pixels, double expected) { return std::abs(pixels - std::round(expected)) <= 1; };
        const QRect screen = w.screen()->geometry();
        const double share = PercentForScreenWidth(screen.width() * 15.0) / 100.0;
        QTRY_VERIFY(near(w.frameGeometry().width(), std::floor(share * screen.width() * 15) / 15) &&
                    near(w.frameGeometry().height(), std::floor(share * screen.height() * 15) / 15) &&
                    near(w.frameGeometry().left() - screen.left(), screen.right() - w.frameGeometry().right()) &&
                    near(w.frameGeometry().top() - screen.top(), screen.bottom() - w.frameGeometry().bottom()));
        QVERIFY(w.frameGeometry().width() >= 780 && w.frameGeometry().width() <= 800);
        const double x = w.client()->width() / double(ClientWidthTwips),
                     y = w.client()->height() / double(ClientHeightTwips);
        for (QWidget* control : w.controls()) {
            const ControlDesign& d = w.designOf(control);
            const QRect at = control->geometry();
            QVERIFY2(w.client()->rect().contains(at) && near(at.x(), d.left * x) && near(at.y(), d.top * y) &&
                         (control == w.picture() || (near(at.width(), d.width * x) && near(at.height(), d.height * y))),
                     qPrintable(control->objectName()));
        }
        for (const char* level : {"mnuLiv1", "mnuLiv2"}) {
            w.menuAction(level)->trigger();
            PictureBox* box = w.picture();
            const QRect grid(box->mapTo(w.client(), box->contentsRect().topLeft()), box->picture().size());
            QVERIFY(w.client()->rect().contains(grid));
            QCOMPARE(w.client()->grab(grid).toImage().convertToFormat(QImage::Format_RGB32), box->picture());
        }
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

    // "Help" hands the manual to the desktop as one file URL, whatever the folder is called, and does
    // not wait; without the manual it does nothing visible.
    void help_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<bool>("withManual");
        QTest::newRow("plain") << QStringLiteral("gioco") << true;
        // A shell would split, expand or run parts of this; a URL carries it whole.
        QTest::newRow("awkward") << QStringLiteral("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&")
                                 << true;
        QTest::newRow("no manual") << QStringLiteral("gioco") << false;
    }
    void help()
    {
        QFETCH(QString, folderName);
        QFETCH(bool, withManual);
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
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
