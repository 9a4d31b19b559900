// Where things are in a grid picture, in its pixels: its size, its lines, and where a cell's digit goes.
#pragma once

#include "Levels.h"

#include <QRgb>

#include <array>

namespace grid_geometry {

inline constexpr int Width = 460;
inline constexpr int Height = 262;
// The grid lines, outer border included: column c lies between ColumnLines[c] and ColumnLines[c + 1].
inline constexpr std::array<int, GridColumns + 1> ColumnLines{0, 77, 154, 230, 307, 383, 459};
inline constexpr std::array<int, GridRows + 1> RowLines{0, 51, 104, 156, 208, 261};
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
