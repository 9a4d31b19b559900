// Where things are in a grid picture, in its pixels: its size, its lines, and where a cell's digit goes.
#pragma once

#include "Levels.h"

#include <QRectF>
#include <QRgb>

#include <array>

namespace grid_geometry {

inline constexpr int Width = 460;
inline constexpr int Height = 262;
// The grid lines, outer border included: column c lies between ColumnLines[c] and ColumnLines[c + 1].
inline constexpr std::array<int, GridColumns + 1> ColumnLines{0, 77, 154, 230, 307, 383, 459};
inline constexpr std::array<int, GridRows + 1> RowLines{0, 51, 104, 156, 208, 261};
// A cell between its lines, the picture scaled by `sx` and `sy` and placed with its corner at `origin`:
// on screen, on paper and for a screen reader alike.
inline QRectF CellRect(Cell cell, double sx = 1.0, double sy = 1.0, QPointF origin = {})
{
    const auto c = static_cast<std::size_t>(cell.column), r = static_cast<std::size_t>(cell.row);
    return QRectF(QPointF(origin.x() + ColumnLines[c] * sx, origin.y() + RowLines[r] * sy),
                  QPointF(origin.x() + ColumnLines[c + 1] * sx, origin.y() + RowLines[r + 1] * sy));
}

// Black cells are filled with this colour wherever a grid is drawn, on screen or on paper.
inline constexpr QRgb BlackCellColour = qRgb(153, 102, 204);

// A cell's digit: the top-left corner of its text, over a white box this wide and high (both
// edges included) that blanks what the cell showed before. It lies low in the cell, clear of its
// letter and of the lines.
struct DigitSpot {
    int x = 0;
    int y = 0;
};
inline constexpr int DigitBoxWidth = 15;
inline constexpr int DigitBoxHeight = 20;
constexpr DigitSpot DigitSpotOf(Cell cell)
{
    return {30 + 77 * cell.column, 26 + 52 * cell.row};
}

}  // namespace grid_geometry
