// The grid pictures are drawn from the same grids the game plays on.
#include "GridPicture.h"

#include "DrawingFont.h"
#include "GridGeometry.h"
#include "Levels.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace grid_picture {

namespace {

using grid_geometry::ColumnLines;
using grid_geometry::RowLines;

constexpr double LetterHeight = 11.0;
constexpr double LetterLeft = 5.0;  // from the cell's left line
constexpr double LetterTop = 8.0;   // from the cell's top line

// Where a line of the picture starts at a scale, in whole pixels.
int LineAt(int position, double scale)
{
    return static_cast<int>(std::floor(position * scale));
}

QPainterPath Outline(char letter)
{
    QFont font(DrawingFontFamily());
    font.setPixelSize(40);
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(letter)));
    return path;
}

// The letter's outline, scaled so a capital's ink is LetterHeight pixels of the picture high (a Q's
// tail goes a little lower), placed by its ink's top-left corner.
void DrawLetter(QPainter& painter, char letter, int column, int row, double scale)
{
    const QPainterPath path = Outline(letter);
    const QRectF ink = path.boundingRect();
    const double size = scale * LetterHeight / Outline('H').boundingRect().height();
    const QRectF cell = grid_geometry::CellRect({row, column}, scale, scale);
    const QPointF corner(std::floor(cell.left()) + LetterLeft * scale, std::floor(cell.top()) + LetterTop * scale);
    QTransform place;
    place.translate(corner.x(), corner.y());
    place.scale(size, size);
    place.translate(-ink.left(), -ink.top());
    painter.fillPath(place.map(path), Qt::black);
}

}  // namespace

QImage Draw(const Level& level, double scale)
{
    QImage image(static_cast<int>(std::lround(grid_geometry::Width * scale)),
                 static_cast<int>(std::lround(grid_geometry::Height * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int line = std::max(1, static_cast<int>(std::lround(scale)));  // one width for every line

    QPainter painter(&image);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            // Inside the lines, which start at the whole pixel where the cell starts.
            const QRectF cell = grid_geometry::CellRect({row, column}, scale, scale);
            if (!level.isWhite({row, column}))
                painter.fillRect(QRect(QPoint(int(std::floor(cell.left())) + line, int(std::floor(cell.top())) + line),
                                       QPoint(int(std::floor(cell.right())) - 1, int(std::floor(cell.bottom())) - 1)),
                                 QColor(grid_geometry::BlackCellColour));
        }
    }
    for (int x : ColumnLines)
        painter.fillRect(LineAt(x, scale), 0, line, image.height(), Qt::black);
    for (int y : RowLines)
        painter.fillRect(0, LineAt(y, scale), image.width(), line, Qt::black);

    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            if (const char letter = level.letterIn({row, column}))
                DrawLetter(painter, letter, column, row, scale);
        }
    }
    return image;
}

}  // namespace grid_picture
