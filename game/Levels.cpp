// The grids of the three levels, and how a grid's entries are found in it.
#include "Levels.h"

#include <stdexcept>

Level::Level(int number, std::array<std::string_view, GridRows> grid, std::string_view pictureFile, Rgb panelColour,
             Rgb buttonColour)
    : number_(number), grid_(grid), pictureFile_(pictureFile), panelColour_(panelColour), buttonColour_(buttonColour)
{
    // Scanning row by row finds the entries of each direction in the order of their first cells.
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            const Cell cell{row, column};
            if (!isWhite(cell))
                continue;
            for (const Direction direction : {Direction::Across, Direction::Down}) {
                const int dr = direction == Direction::Down, dc = direction == Direction::Across;
                const auto white = [this](int r, int c) {
                    return r >= 0 && r < GridRows && c >= 0 && c < GridColumns && isWhite({r, c});
                };
                if (white(row - dr, column - dc))
                    continue;  // not the first cell of a run
                int length = 1;
                while (white(row + dr * length, column + dc * length))
                    ++length;
                if (length >= 2)
                    addEntry(direction, cell, length);
            }
        }
    }
}

void Level::addEntry(Direction direction, Cell first, int length)
{
    std::vector<Entry>& entries = direction == Direction::Across ? across_ : down_;
    Entry entry{direction, static_cast<int>(entries.size()), letterIn(first), {}};
    for (int j = 0; j < length; ++j) {
        const Cell cell =
            direction == Direction::Across ? Cell{first.row, first.column + j} : Cell{first.row + j, first.column};
        entry.cells.push_back(cell);
        through_[static_cast<std::size_t>(direction)][cell.row][cell.column] = {entry.index, j};
    }
    entries.push_back(std::move(entry));
}

char Level::letterIn(Cell cell) const
{
    const char c = grid_[cell.row][cell.column];
    return c >= 'A' && c <= 'Z' ? c : '\0';
}

const Entry* Level::entryThrough(Cell cell, Direction direction, int* position) const
{
    const Crossing crossing = through_[static_cast<std::size_t>(direction)][cell.row][cell.column];
    if (crossing.entry < 0)
        return nullptr;
    if (position != nullptr)
        *position = crossing.position;
    return &entries(direction)[static_cast<std::size_t>(crossing.entry)];
}

const Level& GetLevel(int number)
{
    // The grids keep one row per line.
    // clang-format off
    static const std::array<Level, LevelCount> levels{{
        {1, {"AB#CD#",
             "#EF#GH",
             "I#LM#.",
             "NO#PQ#",
             "#R.#S."}, "Schema-01.bmp", {192, 192, 255}, {153, 102, 204}},
        {2, {"AB#CD.",
             "E.#F.#",
             ".#G.#H",
             "#I.#L.",
             "M..##."}, "Schema-02.bmp", {192, 255, 192}, {0, 255, 0}},
        {3, {"AB.C#D",
             "E.#FG.",
             "H.#I..",
             ".#L...",
             "#M.#.#"}, "Schema-03.bmp", {192, 255, 255}, {0, 153, 255}},
    }};
    // clang-format on
    if (number < 1 || number > LevelCount)
        throw std::out_of_range("there are three levels");
    return levels[static_cast<std::size_t>(number - 1)];
}
