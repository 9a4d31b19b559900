// Generation: across numbers drawn, down numbers put together from the digits they share, a clue for each.
#include "Puzzle.h"

#include "Clues.h"
#include "NumberText.h"
#include "RandomSource.h"

namespace {

// Digit p (0 = the most significant) of a number written with exactly `length` digits.
int DigitAt(int number, int length, int p)
{
    for (int k = p + 1; k < length; ++k)
        number /= 10;
    return number % 10;
}

// A digit other than the first that starts a down entry must not be 0, or that number would
// start with 0.
bool StartsDownEntryWithZero(const Level& level, const Entry& entry, int number)
{
    for (int p = 1; p < entry.length(); ++p) {
        const Entry* down = level.entryThrough(entry.cells[static_cast<std::size_t>(p)], Direction::Down);
        if (down != nullptr && down->cells.front() == entry.cells[static_cast<std::size_t>(p)] &&
            DigitAt(number, entry.length(), p) == 0)
            return true;
    }
    return false;
}

PuzzleEntry WithClue(const Entry& entry, int number, RandomSource& random)
{
    const Operation operation = RandomOperation(random);
    return {&entry, number, ClueText(number, operation, random), {}};
}

}  // namespace

Puzzle GeneratePuzzle(const Level& level, RandomSource& random)
{
    Puzzle puzzle{&level, {}, {}};
    for (const Entry& entry : level.entries(Direction::Across)) {
        int number = 0;
        do {
            number = RandomNumber(entry.length(), random);
        } while (StartsDownEntryWithZero(level, entry, number));
        puzzle.across.push_back(WithClue(entry, number, random));
    }
    for (const Entry& entry : level.entries(Direction::Down)) {
        int number = 0;
        for (const Cell cell : entry.cells) {
            int position = 0;
            const Entry* crossing = level.entryThrough(cell, Direction::Across, &position);
            const int digit = crossing != nullptr
                                  ? DigitAt(puzzle.across[static_cast<std::size_t>(crossing->index)].number,
                                            crossing->length(), position)
                                  : RandomDigit(random);
            number = number * 10 + digit;
        }
        puzzle.down.push_back(WithClue(entry, number, random));
    }
    return puzzle;
}

int Puzzle::digitIn(Cell cell) const
{
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        int position = 0;
        if (const Entry* entry = level->entryThrough(cell, direction, &position))
            return DigitAt(entries(direction)[static_cast<std::size_t>(entry->index)].number, entry->length(),
                           position);
    }
    return 0;
}

std::string SolutionLine(const PuzzleEntry& entry)
{
    std::string line(1, entry.entry->letter);
    line += ')';
    AppendNumberText(line, entry.number);
    return line;
}
