// The puzzle checker shared by the generation soak and the classroom sheets' tests.
#include "PuzzleChecker.h"

#include "Levels.h"
#include "RecordingView.h"

#include <charconv>
#include <map>

namespace {

// Reads " <digits>" at `at`; advances past it.
std::optional<long long> ReadNumber(std::string_view text, std::size_t& at)
{
    if (at >= text.size() || text[at] != ' ')
        return std::nullopt;
    ++at;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + at || text[at] == '0')
        return std::nullopt;
    at = static_cast<std::size_t>(end - text.data());
    return value;
}

std::string Name(const GridEntry& e)
{
    return std::string(e.direction == Across ? "across " : "down ") + e.letter;
}

bool HasLength(int number, int length)
{
    int low = 1;
    for (int k = 1; k < length; ++k)
        low *= 10;
    return number >= low && number < low * 10;
}

}  // namespace

GeneratedPuzzle CapturePuzzle(const LevelData& level, const PuzzleState& state, RecordingView& view)
{
    GeneratedPuzzle p;
    p.level = &level;
    for (std::size_t i = 0; i < level.geometry.across.size(); ++i) {
        p.across.push_back(state.HorizontalSolutions[i]);
        p.acrossClues.push_back(view.label(LabelArray::Label4, static_cast<int>(i)).caption);
    }
    for (std::size_t i = 0; i < level.geometry.down.size(); ++i) {
        p.down.push_back(state.VerticalSolutions[i]);
        p.downClues.push_back(view.label(LabelArray::Label8, static_cast<int>(i)).caption);
    }
    return p;
}

std::optional<long long> EvaluateClue(std::string_view clue)
{
    std::size_t at = 0;
    const auto a = ReadNumber(clue, at);
    if (!a || at + 2 > clue.size() || clue[at] != ' ')
        return std::nullopt;
    const char sign = clue[at + 1];
    at += 2;
    const auto b = ReadNumber(clue, at);
    if (!b || at != clue.size())
        return std::nullopt;
    switch (sign) {
    case '+': return *a + *b;
    case '-': return *a - *b;
    case '*': return *a * *b;
    case '/':
        if (*a % *b != 0)
            return std::nullopt;
        return *a / *b;
    default: return std::nullopt;
    }
}

std::vector<std::string> PuzzleProblems(const GeneratedPuzzle& puzzle)
{
    std::vector<std::string> problems;
    const LevelData& level = *puzzle.level;
    std::map<std::pair<int, int>, std::pair<int, std::string>> cellDigits;  // cell -> digit, who put it

    const auto checkEntries = [&](std::span<const GridEntry> entries, const std::vector<int>& numbers,
                                  const std::vector<std::string>& clues) {
        if (numbers.size() != entries.size() || clues.size() != entries.size()) {
            problems.push_back("wrong number of entries");
            return;
        }
        for (const GridEntry& e : entries) {
            const int number = numbers[static_cast<std::size_t>(e.index)];
            const std::string& clue = clues[static_cast<std::size_t>(e.index)];
            if (!HasLength(number, e.length))
                problems.push_back(Name(e) + ": " + std::to_string(number) + " does not fill its cells");
            const auto value = EvaluateClue(clue);
            if (!value || *value != number)
                problems.push_back(Name(e) + ": clue \"" + clue + "\" is not " + std::to_string(number));
            const std::string digits = std::to_string(number);
            for (int j = 0; j < e.length && j < static_cast<int>(digits.size()); ++j) {
                const auto cell =
                    std::pair(e.cells[static_cast<std::size_t>(j)].row, e.cells[static_cast<std::size_t>(j)].column);
                const int digit = digits[static_cast<std::size_t>(j)] - '0';
                const auto [it, fresh] = cellDigits.try_emplace(cell, digit, Name(e));
                if (!fresh && it->second.first != digit)
                    problems.push_back(Name(e) + " and " + it->second.second + " disagree in a shared cell");
            }
        }
    };
    checkEntries(level.geometry.across, puzzle.across, puzzle.acrossClues);
    checkEntries(level.geometry.down, puzzle.down, puzzle.downClues);
    return problems;
}
