// The three levels as constant data: grid entries, generation rules, letters, picture and colours.
#pragma once

#include "GridView.h"
#include "PuzzleState.h"

#include <array>
#include <span>
#include <string_view>

class RandomSource;

// A cell of the 6 x 5 grid: columns 0..5 from the left, rows 0..4 from the top.
struct Cell {
    int column = 0;
    int row = 0;
    friend constexpr bool operator==(Cell, Cell) = default;
};

inline constexpr int GridColumns = 6;
inline constexpr int GridRows = 5;
inline constexpr int MaxEntryLength = 4;

// One across or down entry: its cells in reading order, the j-th cell holding the j-th digit.
struct GridEntry {
    Integer direction = Across;
    Integer index = 0;
    char letter = 'A';
    int length = 2;
    std::array<Cell, MaxEntryLength> cells{};
};

constexpr GridEntry AcrossEntry(Integer index, char letter, int row, int firstColumn, int length)
{
    GridEntry e{Across, index, letter, length, {}};
    for (int j = 0; j < length; ++j)
        e.cells[j] = Cell{firstColumn + j, row};
    return e;
}

constexpr GridEntry DownEntry(Integer index, char letter, int column, int firstRow, int length)
{
    GridEntry e{Down, index, letter, length, {}};
    for (int j = 0; j < length; ++j)
        e.cells[j] = Cell{column, firstRow + j};
    return e;
}

struct LevelGeometry {
    std::span<const GridEntry> across;
    std::span<const GridEntry> down;
    int AnswerWidth = 2;  // answer characters read on confirm: the longest entry's length
};

// Where a cell's digit is drawn, in pixels of the grid picture.
struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

constexpr Point CellPosition(Cell cell)
{
    return Point{30 + 77 * cell.column, 26 + 52 * cell.row};
}

// How an across number is drawn: its length picks the number routine (two, three or four digits),
// and the guarded digit positions (1 = leftmost, 0 = unused slot) are redrawn while they are 0.
struct AcrossRule {
    Integer index = 0;
    char letter = 'A';
    int length = 2;
    std::array<int, 2> guardedDigits{};
};

// Where a down entry's cell takes its digit: digit p of the across entry with index j, or free
// (a random digit 1 to 9) when acrossIndex is FreeDigit.
inline constexpr int FreeDigit = -1;
struct DigitSource {
    int acrossIndex = FreeDigit;
    int digit = 0;
};
inline constexpr DigitSource Free{};
constexpr DigitSource DigitOf(int acrossIndex, int digit)
{
    return DigitSource{acrossIndex, digit};
}

struct DownRule {
    Integer index = 0;
    char letter = 'A';
    int length = 2;
    std::array<DigitSource, MaxEntryLength> sources{};  // top cell first
};

struct GenerationTable {
    std::span<const AcrossRule> across;
    std::span<const DownRule> down;
};

struct LevelPalette {
    Rgb panel;   // the window and the headings
    Rgb button;  // the three buttons
};

using GenerateRoutine = void (*)(PuzzleState&, GridView&, RandomSource&);
using ConfirmRoutine = void (*)(PuzzleState&, GridView&);

struct LevelData {
    Integer number = 1;
    std::string_view pictureName;  // appended to the application folder
    LevelPalette palette;
    std::string_view acrossLetters;  // one letter per across clue, in clue-index order
    std::string_view downLetters;
    LevelGeometry geometry;
    GenerationTable generation;
    GenerateRoutine generate = nullptr;
    ConfirmRoutine confirm = nullptr;
};

inline constexpr int LevelCount = 3;

// The level with that number, or nullptr for anything but 1, 2, 3.
const LevelData* FindLevel(int number);
// The entry of a level by direction and clue index, or nullptr where the level has none.
const GridEntry* FindEntry(int level, int direction, int index);
