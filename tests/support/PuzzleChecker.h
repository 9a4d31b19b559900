// Checks a puzzle against its level's cells, not against how it was made, so a wrong rule shows.
#pragma once

#include "Puzzle.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

// The value of a clue written exactly " a + b", " a - b", " a * b" or " a / b" (exact), a and b positive; a
// class's signs −, × and : stand for -, * and /.
inline std::optional<long long> EvaluateClue(std::string clue)
{
    for (const auto& [sign, game] :
         {std::pair<std::string, std::string>{" \xE2\x88\x92 ", " - "}, {" \xC3\x97 ", " * "}, {" : ", " / "}})
        if (const auto at = clue.find(sign); at != std::string::npos)
            clue.replace(at, sign.size(), game);
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

// The first rule broken, or "": every entry of the level, one digit a cell (no leading 0), crossings
// agree, each clue gives its number, the answer key's digits are the numbers'.
inline std::string PuzzleProblem(const Puzzle& puzzle)
{
    std::map<std::pair<int, int>, char> cellDigits;  // (row, column) -> the digit the first entry put there
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        const auto& entries = puzzle.level->entries(direction);
        if (puzzle.entries(direction).size() != entries.size())
            return "wrong number of entries";
        for (const PuzzleEntry& e : puzzle.entries(direction)) {
            const std::string digits = std::to_string(e.number);
            const std::string name = std::string(1, e.entry->letter);
            if (e.entry != &entries[std::size_t(e.entry->index)] || int(digits.size()) != e.entry->length() ||
                digits[0] == '0')
                return name + ": " + digits + " does not fill its cells";
            if (EvaluateClue(e.clue) != e.number)
                return name + ": clue \"" + e.clue + "\" is not " + digits;
            for (std::size_t j = 0; j < digits.size(); ++j) {
                const Cell cell = e.entry->cells[j];
                const auto [at, fresh] = cellDigits.try_emplace({cell.row, cell.column}, digits[j]);
                if (!fresh && at->second != digits[j])
                    return name + " disagrees with a crossing entry";
                if (puzzle.digitIn(cell) != digits[j] - '0')
                    return name + ": the answer key shows another digit";
            }
        }
    }
    return {};
}
