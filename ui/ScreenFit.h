// Fitting the window to the screen: about 800 pixels wide whatever the screen, centred, and every
// control kept in proportion with the window's design, which is measured in twips.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

// Twips, the design's unit: 1440 to the inch, so 15 to a pixel on a screen of 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

struct DesignRect {
    int left = 0, top = 0, width = 0, height = 0;  // twips, from the client area's top-left corner
};

// The share of the screen, in per cent, that makes the window about 800 pixels wide; never more
// than 100, so on a narrower screen the window covers the screen instead of overflowing it.
int ScreenSharePercent(int screenWidth);

// The window's outer rectangle, frame and title bar included: that share of the screen's width and
// height, centred. On a screen wider than 16:9 a window as low as that share of the screen's height
// would leave its controls too low for their text: it gets the height it would have on a 16:9
// screen as wide instead.
QRect WindowBounds(const QRect& screen);

// A control's design rectangle, in pixels, scaled by the client area's size against the design's
// client area, axis by axis.
QRect ScaledRect(const DesignRect& design, const DesignRect& designClient, QSize client);

// Puts a window at its outer bounds and keeps it there: under a window manager the frame is known
// only after the window shows, and the window is then placed again so that its outer size stays
// and its client area is what is left. Only a change of the frame counts: a size the player gives
// the window is left alone, and so is a maximised or minimised window.
class FrameKeeper : public QObject {
    Q_OBJECT
public:
    explicit FrameKeeper(QWidget& window);
    void place(const QRect& outer);

signals:
    void clientAreaChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins knownFrame() const;
    void apply(const QMargins& frame);

    QWidget& window_;
    QRect outer_;
    QMargins frameUsed_;
};
