// The three levels: each one's grid, written once as a small map, and the entries read from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr int GridRows = 5;
inline constexpr int GridColumns = 6;
inline constexpr int LevelCount = 3;

enum class Direction {
    Across,  // read from left to right
    Down,    // read from top to bottom
};

// A cell of the grid: rows 0..4 from the top, columns 0..5 from the left.
struct Cell {
    int row = 0;
    int column = 0;
    friend constexpr bool operator==(Cell, Cell) = default;
};

// One across or down number of the grid: its cells in reading order, the first holding the most
// significant digit and the entry's letter. Its index is its place among the level's entries of
// its direction, which are in the order of their first cells, row by row.
struct Entry {
    Direction direction = Direction::Across;
    int index = 0;
    char letter = 'A';
    std::vector<Cell> cells;
    int length() const { return static_cast<int>(cells.size()); }
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

class Level {
public:
    // `grid` has one string per row: a letter where entries start, '.' for another white cell and
    // '#' for a black one. Every run of two or more white cells in a row or a column is an entry.
    Level(int number, std::array<std::string_view, GridRows> grid, std::string_view pictureFile, Rgb panelColour,
          Rgb buttonColour);

    int number() const { return number_; }
    std::string_view pictureFile() const { return pictureFile_; }  // the grid picture in the data folder
    Rgb panelColour() const { return panelColour_; }               // the window and the clue headings
    Rgb buttonColour() const { return buttonColour_; }             // the three buttons

    const std::vector<Entry>& entries(Direction direction) const
    {
        return direction == Direction::Across ? across_ : down_;
    }
    bool isWhite(Cell cell) const { return grid_[cell.row][cell.column] != '#'; }
    // The letter printed in the cell, or '\0' where no entry starts.
    char letterIn(Cell cell) const;
    // The entry of that direction through the cell, or nullptr; `position` gets the cell's place in it.
    const Entry* entryThrough(Cell cell, Direction direction, int* position = nullptr) const;

private:
    struct Crossing {
        int entry = -1;  // index among the entries of its direction, -1 for none
        int position = 0;
    };
    void addEntry(Direction direction, Cell first, int length);

    int number_;
    std::array<std::string_view, GridRows> grid_;
    std::string_view pictureFile_;
    Rgb panelColour_, buttonColour_;
    std::vector<Entry> across_, down_;
    std::array<std::array<std::array<Crossing, GridColumns>, GridRows>, 2> through_{};  // by direction
};

// Levels 1, 2 and 3; any other number is a caller's mistake.
const Level& GetLevel(int number);
