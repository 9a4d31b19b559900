// The grid pictures are drawn from the same entry tables the game draws answers by.
#include "GridPicture.h"

#include "Levels.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace grid_picture {

namespace {

constexpr double LetterHeight = 11.0;
constexpr double LetterLeft = 5.0;  // from the cell's left line
constexpr double LetterTop = 8.0;   // from the cell's top line

QRect CellInterior(int column, int row)
{
    const auto c = static_cast<std::size_t>(column);
    const auto r = static_cast<std::size_t>(row);
    return QRect(QPoint(ColumnLines[c] + 1, RowLines[r] + 1), QPoint(ColumnLines[c + 1] - 1, RowLines[r + 1] - 1));
}

QPainterPath Outline(char letter)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(letter)));
    return path;
}

// The letter's outline, scaled so a capital's ink is LetterHeight pixels high (a Q's tail goes a
// little lower), placed by its ink's top-left corner.
void DrawLetter(QPainter& painter, char letter, int column, int row)
{
    const QPainterPath path = Outline(letter);
    const QRectF ink = path.boundingRect();
    const double scale = LetterHeight / Outline('H').boundingRect().height();
    const QPointF corner(ColumnLines[static_cast<std::size_t>(column)] + LetterLeft,
                         RowLines[static_cast<std::size_t>(row)] + LetterTop);
    QTransform place;
    place.translate(corner.x(), corner.y());
    place.scale(scale, scale);
    place.translate(-ink.left(), -ink.top());
    painter.fillPath(place.map(path), Qt::black);
}

}  // namespace

CellMap MapCells(const LevelData& level)
{
    CellMap map;
    for (const auto entries : {level.geometry.across, level.geometry.down}) {
        for (const GridEntry& entry : entries) {
            for (int j = 0; j < entry.length; ++j) {
                const Cell cell = entry.cells[static_cast<std::size_t>(j)];
                map.open[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] = true;
            }
            const Cell first = entry.cells[0];
            map.letter[static_cast<std::size_t>(first.row)][static_cast<std::size_t>(first.column)] = entry.letter;
        }
    }
    return map;
}

QImage Draw(const LevelData& level)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const CellMap map = MapCells(level);

    QPainter painter(&image);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            if (!map.open[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                painter.fillRect(CellInterior(column, row), QColor(BlockedColour));
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    for (int x : ColumnLines)
        painter.drawLine(x, 0, x, Height - 1);
    for (int y : RowLines)
        painter.drawLine(0, y, Width - 1, y);

    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            if (const char letter = map.letter[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                DrawLetter(painter, letter, column, row);
        }
    }
    return image;
}

}  // namespace grid_picture
