// Twips to pixels and back on the real window, and the outer size kept once the frame is known.
#include "QtScalableWindow.h"

#include "ControlTable.h"
#include "Form1Window.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QWindow>

#include <cmath>
#include <stdexcept>

namespace {

int ToPixels(double twips)
{
    const double pixels = twips / TwipsPerPixel;
    if (!(std::fabs(pixels) < 1e7))
        throw std::range_error("no such pixel position");
    return static_cast<int>(std::lround(pixels));
}

double ToTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsPerPixel;
}

}  // namespace

QtScalableWindow::QtScalableWindow(Form1Window& window) : QObject(&window), window_(window)
{
    // The native window exists from here on, so its frame is asked of the window system, and the
    // events that tell of a frame arriving later can be watched.
    static_cast<void>(window_.winId());
    window_.windowHandle()->installEventFilter(this);
}

double QtScalableWindow::ClientWidth() const
{
    // A hidden window lays out its menu bar and client area only when shown: do it now.
    if (QLayout* layout = window_.layout()) {
        layout->invalidate();
        layout->activate();
    }
    return ToTwips(window_.client()->width());
}

double QtScalableWindow::ClientHeight() const
{
    if (QLayout* layout = window_.layout()) {
        layout->invalidate();
        layout->activate();
    }
    return ToTwips(window_.client()->height());
}

void QtScalableWindow::SetOuterBounds(const OuterBounds& bounds)
{
    outer_ = bounds;
    applyOuterBounds(knownFrame());
}

QMargins QtScalableWindow::knownFrame() const
{
    // While the window manager is still framing the window, Qt may work the frame out from a frame
    // window not yet sized, which gives margins below zero or beyond the window: not a frame yet.
    const QMargins frame = window_.windowHandle()->frameMargins();
    const bool plausible = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
                           outer_ && ToTwips(frame.left() + frame.right()) < outer_->Width &&
                           ToTwips(frame.top() + frame.bottom()) < outer_->Height;
    return plausible ? frame : QMargins();
}

void QtScalableWindow::applyOuterBounds(const QMargins& frame)
{
    const OuterBounds& o = *outer_;
    const QRect screen = window_.screen()->geometry();
    // Edges are rounded rather than sizes, so the window stays centred to the pixel.
    const int left = screen.x() + ToPixels(o.Left);
    const int top = screen.y() + ToPixels(o.Top);
    const int right = screen.x() + ToPixels(static_cast<double>(o.Left) + o.Width);
    const int bottom = screen.y() + ToPixels(static_cast<double>(o.Top) + o.Height);
    window_.setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()),
                              QPoint(right - frame.right() - 1, bottom - frame.bottom() - 1)));
    frameUsed_ = frame;
}

bool QtScalableWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Until the window manager has framed the window its frame is unknown (none, as far as Qt can
    // tell); by the time the framed window is moved, resized or exposed it is known, and the window
    // is sized again to keep its outer size. Only a change of the frame counts: a size the player
    // gives the window is left alone, and so is a maximised or minimised window.
    const QEvent::Type type = event->type();
    if (watched == window_.windowHandle() && outer_ &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose) &&
        window_.windowState() == Qt::WindowNoState) {
        const QMargins frame = knownFrame();
        if (frame != frameUsed_) {
            applyOuterBounds(frame);
            emit clientAreaChanged();
        }
    }
    return QObject::eventFilter(watched, event);
}

bool QtScalableWindow::IsMinimised() const
{
    return window_.isMinimized();
}

void QtScalableWindow::SuspendRepaint()
{
    window_.setUpdatesEnabled(false);
}

void QtScalableWindow::ResumeRepaint()
{
    window_.setUpdatesEnabled(true);
}

int QtScalableWindow::ControlCount() const
{
    return static_cast<int>(window_.controls().size() + window_.menuActions().size());
}

bool QtScalableWindow::IsLine(int) const
{
    return false;
}

QWidget* QtScalableWindow::widgetAt(int control) const
{
    const auto& widgets = window_.controls();
    if (control >= 0 && static_cast<std::size_t>(control) < widgets.size())
        return widgets[static_cast<std::size_t>(control)];
    return nullptr;
}

QAction* QtScalableWindow::actionAt(int control) const
{
    const auto& actions = window_.menuActions();
    const auto index = static_cast<std::size_t>(control) - window_.controls().size();
    if (control >= 0 && static_cast<std::size_t>(control) >= window_.controls().size() && index < actions.size())
        return actions[index];
    return nullptr;
}

double QtScalableWindow::Property(int control, ControlProperty property) const
{
    const QWidget* widget = widgetAt(control);
    if (widget == nullptr) {
        if (actionAt(control) == nullptr)
            throw std::out_of_range("no such control");
        throw PropertyUnavailable("a menu item has no position");
    }
    switch (property) {
    case ControlProperty::Left: return ToTwips(widget->x());
    case ControlProperty::Top: return ToTwips(widget->y());
    case ControlProperty::Width: return ToTwips(widget->width());
    case ControlProperty::Height: return ToTwips(widget->height());
    default: throw PropertyUnavailable("a widget has no end points");
    }
}

void QtScalableWindow::SetProperty(int control, ControlProperty property, double twips)
{
    QWidget* widget = widgetAt(control);
    if (widget == nullptr) {
        if (actionAt(control) == nullptr)
            throw std::out_of_range("no such control");
        throw PropertyUnavailable("a menu item has no position");
    }
    const int pixels = ToPixels(twips);
    switch (property) {
    case ControlProperty::Left: widget->move(pixels, widget->y()); break;
    case ControlProperty::Top: widget->move(widget->x(), pixels); break;
    case ControlProperty::Width: widget->resize(pixels, widget->height()); break;
    case ControlProperty::Height: widget->resize(widget->width(), pixels); break;
    default: throw PropertyUnavailable("a widget has no end points");
    }
}

std::string QtScalableWindow::Tag(int control) const
{
    const QObject* object = widgetAt(control);
    if (object == nullptr)
        object = actionAt(control);
    if (object == nullptr)
        throw std::out_of_range("no such control");
    return object->property("Tag").toString().toStdString();
}

double QtScalableWindow::ScreenWidth() const
{
    return ToTwips(window_.screen()->geometry().width());
}

double QtScalableWindow::ScreenHeight() const
{
    return ToTwips(window_.screen()->geometry().height());
}
