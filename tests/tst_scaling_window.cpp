// The real window after start-up on the screen it is given: centred, about 800 pixels wide, in proportion.
#include "Form1.h"
#include "PictureBox.h"
#include "clsResize.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

// The window's outer size in pixels as the screen share makes it.
QSize ExpectedOuterSize(const QRect& screen)
{
    const double share = PercentForScreenWidth(screen.width() * 15.0) / 100.0;
    return QSize(static_cast<int>(std::lround(std::floor(share * screen.width() * 15) / 15)),
                 static_cast<int>(std::lround(std::floor(share * screen.height() * 15) / 15)));
}

bool Near(int a, int b)
{
    return std::abs(a - b) <= 1;
}

// Centred on the screen at its share of the screen's size, frame included.
bool SizedAndCentred(const QWidget& window)
{
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    const QSize expected = ExpectedOuterSize(screen);
    return Near(frame.width(), expected.width()) && Near(frame.height(), expected.height()) &&
           Near(frame.left() - screen.left(), screen.right() - frame.right()) &&
           Near(frame.top() - screen.top(), screen.bottom() - frame.bottom());
}

}  // namespace

class TestScalingWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpFitsTheWindowToTheScreen()
    {
        Form1 form(AppDir);
        form.Form_Load();
        Form1Window& w = form.window();
        w.show();
        QTRY_VERIFY(form.activatedOnce());
        // Under a window manager the frame, and with it the final client area, arrives a little later.
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        QTRY_VERIFY(SizedAndCentred(w));
        const QRect screen = w.screen()->geometry();
        const QRect frame = w.frameGeometry();
        qInfo("screen %dx%d: window %dx%d at %d,%d, client area %dx%d", screen.width(), screen.height(),
              frame.width(), frame.height(), frame.x(), frame.y(), w.client()->width(), w.client()->height());
        QVERIFY(frame.width() >= 780 && frame.width() <= 800);
        QVERIFY(screen.contains(frame));

        // Every control is inside the client area, at its design rectangle scaled by the client's
        // ratio on each axis; the grid box has the size of its picture.
        const double widthRatio = w.client()->width() * 15.0 / ClientWidthTwips;
        const double heightRatio = w.client()->height() * 15.0 / ClientHeightTwips;
        for (QWidget* control : w.controls()) {
            const ControlSpec& design = w.specOf(control);
            const QRect at = control->geometry();
            QVERIFY2(w.client()->rect().contains(at), qPrintable(control->objectName()));
            QVERIFY2(Near(at.x(), static_cast<int>(std::lround(design.left * widthRatio / 15))) &&
                         Near(at.y(), static_cast<int>(std::lround(design.top * heightRatio / 15))),
                     qPrintable(control->objectName()));
            if (control == w.picture())
                continue;
            QVERIFY2(Near(at.width(), static_cast<int>(std::lround(design.width * widthRatio / 15))) &&
                         Near(at.height(), static_cast<int>(std::lround(design.height * heightRatio / 15))),
                     qPrintable(control->objectName()));
        }

        // The whole grid shows, as drawn, and stays whole after a change of level.
        for (int level : {1, 2}) {
            if (level == 2)
                w.menuAction("mnuLiv2")->trigger();
            PictureBox* box = w.picture();
            QCOMPARE(box->size(), QSize(464, 266));
            QVERIFY(w.client()->rect().contains(box->geometry()));
            const QRect grid(box->mapTo(w.client(), box->contentsRect().topLeft()), box->picture().size());
            QCOMPARE(w.client()->grab(grid).toImage().convertToFormat(QImage::Format_RGB32), box->picture());
        }
        QCOMPARE(form.state().CurrentLevel, Integer(2));
    }
};

QTEST_MAIN(TestScalingWindow)
#include "tst_scaling_window.moc"
