// Playing in the real window on the offscreen platform: click a clue, type, confirm, check.
#include "Form1.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
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

// Clicks the clue text, types into the answer box and presses "Conferma"; the picture then differs
// from before only inside the blanking boxes of these cells, and each box shows a dark digit.
void PlayAndExpectDigitsIn(Form1Window& w, const char* clueArray, int index, const QString& typed,
                           std::initializer_list<QPoint> cells)
{
    QImage before = w.picture()->picture();
    Click(w.control(clueArray, index));
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

}  // namespace

class TestPlayWindow : public QObject {
    Q_OBJECT
private slots:
    void playingAPuzzle()
    {
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();

        // Clicks on letters, headings and the grid change nothing, in the window or in the selection.
        Click(w.control("Label4", 2));
        QTest::keyClicks(w.control("Text3"), QStringLiteral("5"));
        const QImage window = w.grab().toImage();
        for (QWidget* target : {w.control("Label5", 0), w.control("Label5", 2), w.control("Label7", 7),
                                w.control("Label3"), w.control("Label6"), static_cast<QWidget*>(w.picture())})
            Click(target);
        QCOMPARE(w.grab().toImage(), window);
        QCOMPARE(std::pair(form.state().SelectedDirection, form.state().SelectedHorizontalIndex),
                 std::pair(Across, Integer(2)));

        form.state().HorizontalSolutions[0] = 47;
        PlayAndExpectDigitsIn(w, "Label4", 0, QStringLiteral("47"), {QPoint(30, 26), QPoint(107, 26)});
        QCOMPARE(form.state().HorizontalAnswers[0], Integer(47));
        QVERIFY(!w.control("Command1")->isEnabled() && !w.control("Text3")->isEnabled());
        QCOMPARE(w.controlAs<QLineEdit>("Text3")->text(), QStringLiteral("47"));

        MessageBoxCatcher catcher;
        Click(w.control("Command3"));
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        const auto& box = catcher.caught.front();
        QCOMPARE(box.title, QStringLiteral("Quadrivello1"));
        QCOMPARE(box.text, QStringLiteral("Giusti Orizzontali  1 dati\nGiusti Verticali  0 dati"));
        QVERIFY(!box.hasIcon && box.okOnly);

        // "Conferma" runs the current level's confirm: level 3 reads four characters into down A.
        w.menuAction("mnuLiv3")->trigger();
        PlayAndExpectDigitsIn(w, "Label8", 0, QStringLiteral("12345"),
                              {QPoint(30, 26), QPoint(30, 78), QPoint(30, 130), QPoint(30, 182)});
        QCOMPARE(form.state().VerticalAnswers[0], Integer(1234));
    }
};

QTEST_MAIN(TestPlayWindow)
#include "tst_play_window.moc"
