// The real window on the offscreen platform: design table, start-up, level items, missing pictures.
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

// The colour a control shows at a point, read back from what is rendered.
void ExpectRendered(QWidget* widget, QPoint at, Rgb c)
{
    QVERIFY2(widget->grab().toImage().pixelColor(at) == QColor(c.r, c.g, c.b), qPrintable(widget->objectName()));
}

// Shows the window and waits for its first activation, which makes the first puzzle.
void Start(Form1& form)
{
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
}

QImage Picture(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void builtFromTheDesignTable()
    {
        Form1 form(AppDir);
        Form1Window& w = form.window();
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
        w.show();
        QCOMPARE(w.client()->size(), QSize(792, 546));
        for (const char* hidden : {"Text4", "Text5", "Text1", "Text2", "Label1", "Label2", "Label9", "Label10"})
            QVERIFY2(!w.control(hidden)->isVisible(), hidden);
    }

    // Start-up shows level 1, each level item its own level; colours are read back from what is rendered.
    void startUpAndLevelItemsShowTheirLevel()
    {
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();
        bool started = false;
        for (int n : {1, 2, 3, 1, 1}) {  // start-up's level, then the items; a level chosen twice is shown again
            if (std::exchange(started, true))
                w.menuAction(QStringLiteral("mnuLiv%1").arg(n).toStdString())->trigger();
            const LevelPalette& palette = FindLevel(n)->palette;
            const QString path = AppDir + "/Dati/Schema-0" + QString::number(n) + ".bmp";
            QCOMPARE(form.state().CurrentLevel, Integer(n));
            QCOMPARE(form.state().PicturePath, path.toStdString());
            QCOMPARE(w.picture()->picture(), Picture(path));
            ExpectRendered(w.client(), QPoint(400, 520), palette.panel);
            for (const char* label : {"Label3", "Label6"})
                ExpectRendered(w.control(label), QPoint(2, 2), palette.panel);
            for (const char* button : {"Command1", "Command2", "Command3"})
                ExpectRendered(w.control(button), QPoint(6, 4), palette.button);
            QCOMPARE(w.control("Label4", 8)->isVisible(), n == 1);
            QCOMPARE(w.control("Label8", 6)->isVisible(), n != 3);
        }

        // A message box closing activates the window again: that makes no new puzzle.
        const std::string solutions = form.view().GetText(Control::Text4);
        MessageBoxCatcher catcher;
        form.Command3_Click();
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        w.activateWindow();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        QCoreApplication::processEvents();
        QCOMPARE(form.view().GetText(Control::Text4), solutions);
    }

    void aMissingPictureIsReportedAndPlayGoesOn()
    {
        QTemporaryDir empty;
        Form1 form(empty.path());
        MessageBoxCatcher catcher;
        Start(form);
        QTRY_VERIFY(!catcher.caught.empty());
        const auto& box = catcher.caught.front();
        QCOMPARE(box.title, QStringLiteral("Quadrivello1"));
        QVERIFY(box.text.contains(QStringLiteral("Schema-01.bmp")));
        QVERIFY(!box.hasIcon && box.okOnly);
        QImage blank(460, 262, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(form.window().picture()->picture(), blank);
        QCOMPARE(form.state().CurrentLevel, Integer(1));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
