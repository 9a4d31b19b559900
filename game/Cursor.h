// The keyboard cursor's moves over a level's white cells: an arrow, the first or last cell, a letter's cell.
#pragma once

#include "Levels.h"

#include <optional>

enum class Step {
    Up,
    Down,
    Left,
    Right,
};

// The nearest white cell from `from` in that direction, over black cells; `from` itself at the grid's edge.
Cell CellTowards(const Level& level, Cell from, Step step);
// The first and the last white cell in reading order.
Cell FirstWhiteCell(const Level& level);
Cell LastWhiteCell(const Level& level);
// The cell that holds the letter (in either case); none when no entry starts with it.
std::optional<Cell> CellOfLetter(const Level& level, char letter);
