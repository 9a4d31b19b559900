// The cursor's moves, found in the level's map.
#include "Cursor.h"

#include <cctype>

Cell CellTowards(const Level& level, Cell from, Step step)
{
    const int dr = step == Step::Down ? 1 : step == Step::Up ? -1 : 0;
    const int dc = step == Step::Right ? 1 : step == Step::Left ? -1 : 0;
    for (Cell cell{from.row + dr, from.column + dc};
         cell.row >= 0 && cell.row < GridRows && cell.column >= 0 && cell.column < GridColumns;
         cell = {cell.row + dr, cell.column + dc}) {
        if (level.isWhite(cell))
            return cell;
    }
    return from;
}

Cell FirstWhiteCell(const Level& level)
{
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            if (level.isWhite({row, column}))
                return {row, column};
    return {};
}

Cell LastWhiteCell(const Level& level)
{
    for (int row = GridRows - 1; row >= 0; --row)
        for (int column = GridColumns - 1; column >= 0; --column)
            if (level.isWhite({row, column}))
                return {row, column};
    return {};
}

std::optional<Cell> CellOfLetter(const Level& level, char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            if (level.letterIn({row, column}) == upper && upper != '\0')
                return Cell{row, column};
    return std::nullopt;
}
