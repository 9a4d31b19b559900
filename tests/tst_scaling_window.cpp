// The real window after start-up on the screen it is given: centred, about 800 pixels wide, in proportion.
#include "clsResize.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace {

bool Near(double pixels, double expected)
{
    return std::abs(pixels - std::round(expected)) <= 1;
}

// Centred on the screen at its share of the screen's size, frame included.
bool SizedAndCentred(const QWidget& window)
{
    const QRect screen = window.screen()->geometry(), frame = window.frameGeometry();
    const double share = PercentForScreenWidth(screen.width() * 15.0) / 100.0;
    return Near(frame.width(), std::floor(share * screen.width() * 15) / 15) &&
           Near(frame.height(), std::floor(share * screen.height() * 15) / 15) &&
           Near(frame.left() - screen.left(), screen.right() - frame.right()) &&
           Near(frame.top() - screen.top(), screen.bottom() - frame.bottom());
}

}  // namespace

class TestScalingWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpFitsTheWindowToTheScreen()
    {
        Form1 form(QStringLiteral(QUADRIVELLO_APP_DIR));
        form.Form_Load();
        Form1Window& w = form.window();
        w.show();
        QTRY_VERIFY(form.activatedOnce());
        // Under a window manager the frame, and with it the final client area, arrives a little later.
        if (qEnvironmentVariableIsSet("QUADRIVELLO_TEST_FRAMED"))
            QTRY_VERIFY(!w.windowHandle()->frameMargins().isNull());
        QTRY_VERIFY(SizedAndCentred(w));
        QVERIFY(w.frameGeometry().width() >= 780 && w.frameGeometry().width() <= 800);

        // Every control is inside the client area at its design rectangle scaled by the client's
        // ratio on each axis; the grid box keeps the size of its picture.
        const double toPixelsX = w.client()->width() / double(ClientWidthTwips);
        const double toPixelsY = w.client()->height() / double(ClientHeightTwips);
        for (QWidget* control : w.controls()) {
            const auto& design = w.designOf(control);
            const QRect at = control->geometry();
            const bool sized = control == w.picture() || (Near(at.width(), design.width * toPixelsX) &&
                                                          Near(at.height(), design.height * toPixelsY));
            QVERIFY2(w.client()->rect().contains(at) && sized && Near(at.x(), design.left * toPixelsX) &&
                         Near(at.y(), design.top * toPixelsY),
                     qPrintable(control->objectName()));
        }

        // The whole grid shows as drawn, and stays whole after a change of level.
        for (int level : {1, 2}) {
            if (level == 2)
                w.menuAction("mnuLiv2")->trigger();
            PictureBox* box = w.picture();
            const QRect grid(box->mapTo(w.client(), box->contentsRect().topLeft()), box->picture().size());
            QVERIFY(w.client()->rect().contains(grid));
            QCOMPARE(w.client()->grab(grid).toImage().convertToFormat(QImage::Format_RGB32), box->picture());
        }
        QCOMPARE(form.state().CurrentLevel, Integer(2));
    }
};

QTEST_MAIN(TestScalingWindow)
#include "tst_scaling_window.moc"
