// Choosing clues, confirming answers and counting the right ones.
#include "Play.h"

#include "NumberText.h"
#include "Utf8.h"

Play::Play(Puzzle puzzle)
    : puzzle_(std::move(puzzle)), acrossAnswers_(puzzle_.across.size()), downAnswers_(puzzle_.down.size())
{
}

bool Play::choose(ClueRef clue)
{
    if (clue.index < 0 || clue.index >= static_cast<int>(puzzle_.entries(clue.direction).size()))
        return false;
    chosen_ = clue;
    return true;
}

std::vector<CellCharacter> Play::confirm(std::string_view typed)
{
    if (!chosen_)
        return {};
    const Entry& entry = *puzzle_.entries(chosen_->direction)[static_cast<std::size_t>(chosen_->index)].entry;
    const std::vector<std::string> characters = FirstCharacters(typed, entry.length());
    std::vector<CellCharacter> written;
    int number = 0;
    for (std::size_t j = 0; j < characters.size(); ++j) {
        const std::string& c = characters[j];
        number = number * 10 + (c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0);
        written.push_back({entry.cells[j], c});
        characters_[static_cast<std::size_t>(entry.cells[j].row * GridColumns + entry.cells[j].column)] = c;
    }
    (chosen_->direction == Direction::Across ? acrossAnswers_ : downAnswers_)[static_cast<std::size_t>(entry.index)] =
        number;
    return written;
}

int Play::answer(ClueRef clue) const
{
    return (clue.direction == Direction::Across ? acrossAnswers_ : downAnswers_)[static_cast<std::size_t>(clue.index)];
}

CheckCounts Play::countCorrect() const
{
    CheckCounts counts;
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (const PuzzleEntry& e : puzzle_.entries(direction)) {
            const int given = answer({direction, e.entry->index});
            if (given != 0 && given == e.number)
                ++(direction == Direction::Across ? counts.across : counts.down);
        }
    }
    return counts;
}

std::optional<ClueRef> ClueAt(const Level& level, Cell cell, std::optional<ClueRef> chosen)
{
    const Entry* across = level.entryThrough(cell, Direction::Across);
    const Entry* down = level.entryThrough(cell, Direction::Down);
    const bool acrossChosen = across != nullptr && chosen == ClueRef{Direction::Across, across->index};
    if (across != nullptr && (down == nullptr || !acrossChosen))
        return ClueRef{Direction::Across, across->index};
    if (down != nullptr)
        return ClueRef{Direction::Down, down->index};
    return std::nullopt;
}

std::string CheckMessage(CheckCounts counts)
{
    return "Giusti Orizzontali " + NumberText(counts.across) + " dati\r\nGiusti Verticali " + NumberText(counts.down) +
           " dati";
}
