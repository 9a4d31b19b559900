// Painting the grid from the same grids and line positions as the grid pictures, in any scale.
#include "PrintedGrid.h"

#include "DrawingFont.h"
#include "GridGeometry.h"
#include "Puzzle.h"

#include <QFont>
#include <QPainter>

namespace {

// The picture's extent between its outer lines.
constexpr double PictureWidth = grid_geometry::ColumnLines.back();
constexpr double PictureHeight = grid_geometry::RowLines.back();

// Stroke widths as fractions of a cell's height: firm inner lines, a heavier border.
constexpr double InnerLine = 0.018;
constexpr double OuterLine = 0.04;

QFont GridFont(double pixelHeight, bool bold)
{
    QFont font(DrawingFontFamily());
    font.setPixelSize(qMax(1, qRound(pixelHeight)));
    font.setBold(bold);
    return font;
}

}  // namespace

QRectF GridArea(const QRectF& bounds)
{
    const double scale = qMin(bounds.width() / PictureWidth, bounds.height() / PictureHeight);
    const QSizeF size(PictureWidth * scale, PictureHeight * scale);
    return QRectF(QPointF(bounds.center().x() - size.width() / 2, bounds.top()), size);
}

void PaintGrid(QPainter& painter, const Level& level, const QRectF& area, const Puzzle* solution)
{
    const double sx = area.width() / PictureWidth;
    const double sy = area.height() / PictureHeight;
    const auto cellRect = [&](int column, int row) {
        return grid_geometry::CellRect({row, column}, sx, sy, area.topLeft());
    };
    const auto x = [&](int column) { return cellRect(column, 0).left(); };
    const auto y = [&](int row) { return cellRect(0, row).top(); };
    const double cellHeight = area.height() / GridRows;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            if (!level.isWhite({row, column}))
                painter.fillRect(cellRect(column, row), QColor(grid_geometry::BlackCellColour));
        }
    }

    QPen pen(Qt::black, InnerLine * cellHeight);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (int c = 1; c < GridColumns; ++c)
        painter.drawLine(QPointF(x(c), area.top()), QPointF(x(c), area.bottom()));
    for (int r = 1; r < GridRows; ++r)
        painter.drawLine(QPointF(area.left(), y(r)), QPointF(area.right(), y(r)));
    pen.setWidthF(OuterLine * cellHeight);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(area);

    // As in the picture: the letter in the top-left corner of its cell, the digit low in the middle.
    painter.setPen(Qt::black);
    painter.setFont(GridFont(0.2 * cellHeight, true));
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            const char letter = level.letterIn({row, column});
            if (letter == '\0')
                continue;
            const QRectF corner = cellRect(column, row).adjusted(0.1 * cellHeight, 0.09 * cellHeight, 0, 0);
            painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, QString(QChar::fromLatin1(letter)));
        }
    }
    if (solution != nullptr) {
        painter.setFont(GridFont(0.5 * cellHeight, false));
        for (int row = 0; row < GridRows; ++row) {
            for (int column = 0; column < GridColumns; ++column) {
                if (!level.isWhite({row, column}))
                    continue;
                const int digit = solution->digitIn({row, column});
                const QRectF lower = cellRect(column, row).adjusted(0, 0.3 * cellHeight, 0, -0.04 * cellHeight);
                painter.drawText(lower, Qt::AlignCenter, QString::number(digit));
            }
        }
    }
    painter.restore();
}
