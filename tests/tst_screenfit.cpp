// Fitting the window to the screen: its share, its place, and its controls' rectangles.
#include "GameWindow.h"

#include <QTest>

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
