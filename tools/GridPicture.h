// Drawing a level's blank grid picture from its entry table: lines, blocked cells and letters.
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

// The 460 x 262 picture of the level's blank grid.
QImage Draw(const LevelData& level);

}  // namespace grid_picture
