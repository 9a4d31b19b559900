// The puzzles of a stack of sheets, made by the game's own generation from one seeded random stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LevelData;

// One puzzle as the game leaves it after "Genera Definizioni": the numbers by clue index, the
// letters and clue texts its labels show, and the two solution lists it keeps ("A) 47" lines).
struct SheetPuzzle {
    int number = 1;  // 1-based place in the stack
    std::vector<int> across, down;
    std::vector<std::string> acrossLetters, downLetters;
    std::vector<std::string> acrossClues, downClues;
    std::vector<std::string> acrossSolutions, downSolutions;  // one line each, line ends removed
};

struct SheetSet {
    const LevelData* level = nullptr;
    std::uint32_t seed = 0;
    std::vector<SheetPuzzle> sheets;
};

// `count` puzzles of the level, in the order the game would make them one after another after
// being seeded with `seed`: sheet k of a seed is always the same puzzle, however long the stack.
SheetSet GenerateSheets(int level, int count, std::uint32_t seed);

// The digit each open cell holds in a puzzle, by row and column; -1 for a blocked cell.
std::vector<std::vector<int>> CellDigits(const LevelData& level, const SheetPuzzle& puzzle);
