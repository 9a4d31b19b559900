// The window's share of the screen and its controls' rectangles, worked out in twips as the design is.
#include "ScreenFit.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

int ToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

}  // namespace

int ScreenSharePercent(int screenWidth)
{
    if (screenWidth <= 0)
        return 100;
    return static_cast<int>(std::min(100.0, std::floor(1200000.0 / (screenWidth * double(TwipsPerPixel)))));
}

QRect WindowBounds(const QRect& screen)
{
    const double share = ScreenSharePercent(screen.width()) / 100.0;
    const double screenWidth = screen.width() * double(TwipsPerPixel);
    const double screenHeight = screen.height() * double(TwipsPerPixel);
    const double shareOf = std::max(screenHeight, screenWidth * 9 / 16);  // the height the share is taken of
    const double width = std::floor(share * screenWidth);
    const double height = std::floor(share * shareOf);
    const double left = (screenWidth - width) / 2;
    const double top = (screenHeight - height) / 2;
    // Edges are rounded rather than sizes, so the window stays centred to the pixel.
    return QRect(QPoint(screen.x() + ToPixels(left), screen.y() + ToPixels(top)),
                 QPoint(screen.x() + ToPixels(left + width) - 1, screen.y() + ToPixels(top + height) - 1));
}

QRect ScaledRect(const DesignRect& design, const DesignRect& designClient, QSize client)
{
    const double x = client.width() * double(TwipsPerPixel) / designClient.width;
    const double y = client.height() * double(TwipsPerPixel) / designClient.height;
    return QRect(ToPixels(design.left * x), ToPixels(design.top * y), ToPixels(design.width * x),
                 ToPixels(design.height * y));
}

FrameKeeper::FrameKeeper(QWidget& window) : QObject(&window), window_(window)
{
    // The native window exists from here on, so its frame is asked of the window system, and the
    // events that tell of a frame arriving later can be watched.
    static_cast<void>(window_.winId());
    window_.windowHandle()->installEventFilter(this);
}

void FrameKeeper::place(const QRect& outer)
{
    outer_ = outer;
    apply(knownFrame());
}

QMargins FrameKeeper::knownFrame() const
{
    // While the window manager is still framing the window, Qt may work the frame out from a frame
    // window not yet sized, which gives margins below zero or beyond the window: not a frame yet.
    const QMargins frame = window_.windowHandle()->frameMargins();
    const bool plausible = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
                           frame.left() + frame.right() < outer_.width() &&
                           frame.top() + frame.bottom() < outer_.height();
    return plausible ? frame : QMargins();
}

void FrameKeeper::apply(const QMargins& frame)
{
    window_.setGeometry(outer_ - frame);
    frameUsed_ = frame;
}

bool FrameKeeper::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (outer_.isValid() && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose) &&
        window_.windowState() == Qt::WindowNoState) {
        const QMargins frame = knownFrame();
        if (frame != frameUsed_) {
            apply(frame);
            emit clientAreaChanged();
        }
    }
    return QObject::eventFilter(watched, event);
}
