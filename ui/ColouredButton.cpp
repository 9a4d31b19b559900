// The button's fill, its border (thicker while it has the focus, sunken while pressed) and caption.
#include "ColouredButton.h"

#include <QPainter>

void ColouredButton::setColour(Rgb colour)
{
    const QColor fill(colour.r, colour.g, colour.b);
    if (fill == colour_)
        return;
    colour_ = fill;
    update();
}

void ColouredButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    const bool pressed = isDown();
    const int w = pressed || hasFocus() ? 2 : 1;  // the border's width
    painter.fillRect(area, colour_);
    const QColor line = !isEnabled()             ? QColor(0, 0, 0, 90)
                        : hasFocus() && !pressed ? QColor(0x20, 0x20, 0x20)
                                                 : QColor(0x40, 0x40, 0x40);
    const int l = area.left(), t = area.top(), r = area.right() + 1, b = area.bottom() + 1;
    if (pressed) {
        // Sunken: the edges meet on the diagonals, the lower and right ones lighter.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(line);
        painter.drawPolygon(QPolygon({{l, t}, {r, t}, {r - w, t + w}, {l + w, t + w}}));
        painter.drawPolygon(QPolygon({{l, t}, {l + w, t + w}, {l + w, b - w}, {l, b}}));
        painter.setBrush(line.lighter());
        painter.drawPolygon(QPolygon({{l, b}, {l + w, b - w}, {r - w, b - w}, {r, b}}));
        painter.drawPolygon(QPolygon({{r, t}, {r, b}, {r - w, b - w}, {r - w, t + w}}));
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        // Four strips, each as long as its side: where they meet a see-through colour shows darker.
        painter.fillRect(QRect(l, t, r - l, w), line);
        painter.fillRect(QRect(l, b - w, r - l, w), line);
        painter.fillRect(QRect(l, t, w, b - t), line);
        painter.fillRect(QRect(r - w, t, w, b - t), line);
    }
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(0, 0, 0, 110));
    painter.drawText(area.adjusted(w, w, -w, -w), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
