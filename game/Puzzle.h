// A puzzle: a number and its clue for every entry of a level, the crossings agreeing. Made from draws.
#pragma once

#include "Levels.h"

#include <string>
#include <vector>

class RandomSource;

struct PuzzleEntry {
    const Entry* entry = nullptr;  // where the number goes, in the puzzle's level
    int number = 0;                // the solution, as many digits as the entry has cells
    std::string clue;              // the calculation shown instead of it, " 21 + 37"
    std::string spoken;            // the calculation as a screen reader says it; empty: as written
};

struct Puzzle {
    const Level* level = nullptr;
    std::vector<PuzzleEntry> across, down;  // by entry index

    const std::vector<PuzzleEntry>& entries(Direction direction) const
    {
        return direction == Direction::Across ? across : down;
    }
    // The digit the solution puts in a white cell.
    int digitIn(Cell cell) const;
};

// A new puzzle of the level. The across numbers are drawn in entry order, each drawn again while a
// digit that starts a down entry is 0; then each down entry takes the digits of the across entries
// it crosses, and a random digit 1 to 9 for a cell no across entry covers (from the top down). Each
// entry gets its operation and clue right after its number. The same draws give the same puzzle.
Puzzle GeneratePuzzle(const Level& level, RandomSource& random);

// The entry's line in a list of solutions: "A) 47".
std::string SolutionLine(const PuzzleEntry& entry);
