// The real window on the offscreen platform: design table, start-up, level items, missing pictures.
#include "Form1.h"
#include "Levels.h"
#include "MessageBoxCatcher.h"
#include "PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

QColor Rendered(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

QColor Colour(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Shows the window and waits for its first activation, which makes the first puzzle.
void Start(Form1& form)
{
    form.Form_Load();
    form.window().show();
    QTRY_VERIFY(form.activatedOnce());
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
        QCOMPARE(w.control("Label4", 8)->geometry(), QRect(32, 304, 113, 25));
        QCOMPARE(w.control("Label7", 7)->geometry(), QRect(648, 280, 25, 25));
        QCOMPARE(w.control("Command3")->geometry(), QRect(696, 440, 81, 33));
        QCOMPARE(w.controlAs<QLabel>("Label8", 3)->text(), QStringLiteral(" 100 \u2013 30"));
        QCOMPARE(w.controlAs<QLabel>("Label4", 0)->text(), QStringLiteral(" 25 x 3"));
        QCOMPARE(w.controlAs<QPushButton>("Command2")->text(), QStringLiteral("Genera Definizioni"));
        QCOMPARE(w.controlAs<QLabel>("Label3")->text(), QStringLiteral("Orizzontali"));
        QStringList menus;
        for (QAction* a : w.menuActions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"Esci", "Livelli", "Livello 1", "Livello 2", "Livello 3", "Help", "Info", "Info"}));
        QVERIFY(!w.control("Text3")->isEnabled());
        w.show();
        QCOMPARE(w.client()->size(), QSize(792, 546));
        for (const char* hidden : {"Text4", "Text5", "Text1", "Text2", "Label1", "Label2", "Label9", "Label10"})
            QVERIFY2(!w.control(hidden)->isVisible(), hidden);
        QCOMPARE(w.picture()->picture(), QImage(AppDir + "/Dati/Schema-01.bmp").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(w.control("Label4", 0)->accessibleName(), QStringLiteral("Orizzontale A: 25 x 3"));
    }

    void startUpShowsLevelOneInItsColours()
    {
        Form1 form(AppDir);
        Start(form);
        Form1Window& w = form.window();
        QCOMPARE(form.state().CurrentLevel, Integer(1));
        QCOMPARE(form.state().PicturePath, (AppDir + "/Dati/Schema-01.bmp").toStdString());
        const LevelPalette& palette = FindLevel(1)->palette;
        QCOMPARE(Rendered(w.client(), QPoint(400, 520)), Colour(palette.panel));
        for (const char* label : {"Label3", "Label6"})
            QCOMPARE(Rendered(w.control(label), QPoint(2, 2)), Colour(palette.panel));
        for (const char* button : {"Command1", "Command2", "Command3"})
            QCOMPARE(Rendered(w.control(button), QPoint(6, 4)), Colour(palette.button));
        QVERIFY(!w.control("Command1")->isEnabled());
        QVERIFY(!w.control("Text3")->isEnabled());
        QCOMPARE(form.view().GetText(Control::Text4).substr(0, 2), std::string("A)"));
        QVERIFY(w.control("Label4", 8)->isVisible());
    }

    void activationAfterAMessageBoxMakesNoNewPuzzle()
    {
        Form1 form(AppDir);
        Start(form);
        const std::string solutions = form.view().GetText(Control::Text4);
        MessageBoxCatcher catcher;
        form.Command3_Click();
        QCOMPARE(catcher.caught.size(), std::size_t(1));
        form.window().activateWindow();
        QApplication::sendEvent(&form.window(), new QEvent(QEvent::WindowActivate));
        QCoreApplication::processEvents();
        QCOMPARE(form.view().GetText(Control::Text4), solutions);
    }

    void levelItemsSwitchPictureColoursAndLevel()
    {
        Form1 form(AppDir);
        Start(form);
        for (int n : {2, 3, 1, 1}) {
            const std::string before = form.view().GetText(Control::Text4);
            form.window().menuAction(QStringLiteral("mnuLiv%1").arg(n).toStdString())->trigger();
            const LevelData& level = *FindLevel(n);
            QCOMPARE(form.state().CurrentLevel, Integer(n));
            QCOMPARE(form.state().PicturePath, (AppDir + "/Dati/Schema-0" + QString::number(n) + ".bmp").toStdString());
            QCOMPARE(form.window().picture()->picture(),
                     QImage(QString::fromStdString(form.state().PicturePath)).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(form.window().windowBackColor(), level.palette.panel);
            QCOMPARE(Rendered(form.window().control("Command2"), QPoint(6, 4)), Colour(level.palette.button));
            QCOMPARE(form.window().control("Label4", 8)->isVisible(), n == 1);
            QCOMPARE(form.window().control("Label8", 6)->isVisible(), n != 3);
            Q_UNUSED(before);
        }
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
        QVERIFY(!box.hasIcon);
        QVERIFY(box.okOnly);
        QImage blank(460, 262, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(form.window().picture()->picture(), blank);
        QCOMPARE(form.state().CurrentLevel, Integer(1));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
