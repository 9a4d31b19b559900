// The puzzles of a stack of sheets, made by the game's own generation from one seeded random stream.
#pragma once

#include "ClassClues.h"
#include "Puzzle.h"

#include <cstdint>
#include <vector>

struct SheetSet {
    const Level* level = nullptr;
    std::uint32_t seed = 0;
    std::vector<Puzzle> sheets;  // sheet k of the stack is sheets[k - 1]
    ClassRules rules;            // the class the clues are written for
};

// `count` puzzles of the level, in the order the game would make them one after another after
// being seeded with `seed`: sheet k of a seed is always the same puzzle, however long the stack, and
// has the same answers for every class.
SheetSet GenerateSheets(int level, int count, std::uint32_t seed, const ClassRules& rules = {});
