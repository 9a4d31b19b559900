// Playing in the real window on the offscreen platform: click a clue, type, confirm, check.
#include "Form1.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

void Start(Form1& form)
{
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
}

void Click(QWidget* widget, QPoint at = QPoint())
{
    QVERIFY(widget != nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

// Clicks the clue text, types into the answer box and presses "Conferma".
void Play(Form1& form, const char* clueArray, int index, const QString& typed)
{
    Form1Window& w = form.window();
    Click(w.control(clueArray, index));
    QTest::keyClicks(w.control("Text3"), typed);
    Click(w.control("Command1"));
}

// The blanking boxes of the cells drawn at these positions, corners included.
QRegion Boxes(std::initializer_list<QPoint> cells)
{
    QRegion region;
    for (QPoint at : cells)
        region += QRect(at, QSize(16, 21));
    return region;
}

// Where two pictures differ must lie within the boxes; each box must show a dark stroke and be
// white wherever it is not dark.
void ExpectDrawnOnlyIn(const QImage& before, const QImage& after, std::initializer_list<QPoint> cells)
{
    const QRegion boxes = Boxes(cells);
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                QVERIFY2(boxes.contains(QPoint(x, y)), qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
        }
    }
    for (QPoint at : cells) {
        int dark = 0;
        for (int y = at.y(); y <= at.y() + 20; ++y) {
            for (int x = at.x(); x <= at.x() + 15; ++x)
                dark += qGray(after.pixel(x, y)) < 96 ? 1 : 0;
        }
        QVERIFY2(dark >= 10, qPrintable(QStringLiteral("no digit at %1,%2").arg(at.x()).arg(at.y())));
    }
}

}  // namespace

class TestPlayWindow : public QObject {
    Q_OBJECT
private slots:
    void confirmDrawsIntoTheEntryAndCheckReports()
    {
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();
        form.state().HorizontalSolutions[0] = 47;
        const QImage before = w.picture()->picture();

        Play(form, "Label4", 0, QStringLiteral("47"));
        ExpectDrawnOnlyIn(before, w.picture()->picture(), {QPoint(30, 26), QPoint(107, 26)});
        QCOMPARE(form.state().HorizontalAnswers[0], Integer(47));
        QVERIFY(!w.control("Command1")->isEnabled());
        QVERIFY(!w.control("Text3")->isEnabled());
        QCOMPARE(w.controlAs<QLineEdit>("Text3")->text(), QStringLiteral("47"));

        MessageBoxCatcher catcher;
        Click(w.control("Command3"));
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        const auto& box = catcher.caught.front();
        QCOMPARE(box.title, QStringLiteral("Quadrivello1"));
        QCOMPARE(box.text, QStringLiteral("Giusti Orizzontali  1 dati\nGiusti Verticali  0 dati"));
        QVERIFY(!box.hasIcon);
        QVERIFY(box.okOnly);
    }

    void theConfirmOfTheCurrentLevelRuns()
    {
        // Level 3 reads four characters; down A has four cells in the first column.
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();
        w.menuAction("mnuLiv3")->trigger();
        const QImage before = w.picture()->picture();
        Play(form, "Label8", 0, QStringLiteral("12345"));
        QCOMPARE(form.state().VerticalAnswers[0], Integer(1234));
        ExpectDrawnOnlyIn(before, w.picture()->picture(), {QPoint(30, 26), QPoint(30, 78), QPoint(30, 130), QPoint(30, 182)});
    }

    void lettersHeadingsAndTheGridIgnoreClicks()
    {
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();
        Click(w.control("Label4", 2));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("5"));
        const QImage before = w.grab().toImage();

        for (const char* letters : {"Label5", "Label7"}) {
            for (int i : {0, 2, 7})
                Click(w.control(letters, i));
        }
        Click(w.control("Label3"));
        Click(w.control("Label6"));
        for (QPoint at : {QPoint(40, 35), QPoint(120, 40), QPoint(200, 150), QPoint(450, 250)})
            Click(w.picture(), at);

        QCOMPARE(form.state().SelectedDirection, Across);
        QCOMPARE(form.state().SelectedHorizontalIndex, Integer(2));
        QCOMPARE(w.controlAs<QLineEdit>("Text3")->text(), QStringLiteral("5"));
        QVERIFY(w.control("Command1")->isEnabled());
        QCOMPARE(w.grab().toImage(), before);
    }
};

QTEST_MAIN(TestPlayWindow)
#include "tst_play_window.moc"
