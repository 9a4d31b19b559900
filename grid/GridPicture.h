// Drawing a level's blank grid picture from its entry table, at any resolution: lines, blocked cells, letters.
#pragma once

#include <QImage>

#include <array>

struct LevelData;

namespace grid_picture {

inline constexpr int Width = 460;
inline constexpr int Height = 262;
// The grid lines, outer border included: column c lies between ColumnLines[c] and ColumnLines[c + 1].
inline constexpr std::array<int, 7> ColumnLines{0, 77, 154, 230, 307, 383, 459};
inline constexpr std::array<int, 6> RowLines{0, 51, 104, 156, 208, 261};
// Blocked cells are filled with this colour wherever a grid is drawn, on screen or on paper.
inline constexpr QRgb BlockedColour = qRgb(153, 102, 204);

// Which cells belong to an entry, and the letter carried by each entry's first cell ('\0' for none).
struct CellMap {
    std::array<std::array<bool, 6>, 5> open{};
    std::array<std::array<char, 6>, 5> letter{};
};
CellMap MapCells(const LevelData& level);

// The picture of the level's blank grid, 460 x 262 pixels times `scale`. At scale 1 it is the grid
// picture of the level's file; at any other it is drawn afresh at that resolution, crisp: every line
// as wide as every other, in whole pixels.
QImage Draw(const LevelData& level, double scale = 1);

}  // namespace grid_picture
