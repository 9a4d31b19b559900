// Checks a generated puzzle against the level's cells, not its generation rules, so a wrong rule shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct LevelData;

// A puzzle as the player gets it: the numbers by clue index and the clue text shown for each.
struct GeneratedPuzzle {
    const LevelData* level = nullptr;
    std::vector<int> across, down;
    std::vector<std::string> acrossClues, downClues;
};

// The value of a clue written exactly " a + b", " a - b", " a * b" or " a / b" with positive whole
// operands; nothing for any other text or a division that is not exact.
std::optional<long long> EvaluateClue(const std::string& clue);

// The first way the puzzle breaks the grid's rules, or "" when it is sound: each number has one digit
// per cell (so none starts with 0), crossing cells hold one digit, each clue evaluates to its number.
std::string PuzzleProblem(const GeneratedPuzzle& puzzle);
