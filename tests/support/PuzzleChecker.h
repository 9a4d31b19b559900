// Checks a generated puzzle against the level's cells, not its generation rules, so a wrong rule shows.
#pragma once

#include "Levels.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A puzzle as the player gets it: the numbers by clue index and the clue text shown for each.
struct GeneratedPuzzle {
    const LevelData* level = nullptr;
    std::vector<int> across, down;
    std::vector<std::string> acrossClues, downClues;
};

// The value of a clue written exactly " a + b", " a - b", " a * b" or " a / b" (exact), a and b positive.
inline std::optional<long long> EvaluateClue(const std::string& clue)
{
    long long a = 0, b = 0;
    char sign = 0;
    // Written back, the operands must give the clue again: no other blanks, signs or leading zeros.
    if (std::sscanf(clue.c_str(), "%lld %c%lld", &a, &sign, &b) != 3 || a <= 0 || b <= 0)
        return std::nullopt;
    std::string written(1, ' ');
    written.append(std::to_string(a)).append(1, ' ').append(1, sign).append(1, ' ').append(std::to_string(b));
    if (clue != written)
        return std::nullopt;
    switch (sign) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    case '/': return a % b == 0 ? std::optional(a / b) : std::nullopt;
    default: return std::nullopt;
    }
}

// The first rule broken, or "": one digit a cell (no leading 0), crossings agree, each clue gives its number.
inline std::string PuzzleProblem(const GeneratedPuzzle& puzzle)
{
    std::map<std::pair<int, int>, char> cellDigits;  // (row, column) -> the digit the first entry put there
    for (const auto& [entries, numbers, clues] :
         {std::tie(puzzle.level->geometry.across, puzzle.across, puzzle.acrossClues),
          std::tie(puzzle.level->geometry.down, puzzle.down, puzzle.downClues)}) {
        if (numbers.size() != entries.size() || clues.size() != entries.size())
            return "wrong number of entries";
        for (const GridEntry& e : entries) {
            const std::string digits = std::to_string(numbers[std::size_t(e.index)]);
            const std::string name = (e.direction == Across ? "across " : "down ") + std::string(1, e.letter);
            if (int(digits.size()) != e.length || digits[0] == '0')
                return name + ": " + digits + " does not fill its cells";
            if (EvaluateClue(clues[std::size_t(e.index)]) != std::stoll(digits))
                return name + ": clue \"" + clues[std::size_t(e.index)] + "\" is not " + digits;
            for (std::size_t j = 0; j < digits.size(); ++j) {
                const auto [at, fresh] = cellDigits.try_emplace({e.cells[j].row, e.cells[j].column}, digits[j]);
                if (!fresh && at->second != digits[j])
                    return name + " disagrees with a crossing entry";
            }
        }
    }
    return {};
}
