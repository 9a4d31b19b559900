// Playing a puzzle: the clue chosen, the answers confirmed, and the check of how many are right.
#pragma once

#include "Puzzle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ClueRef {
    Direction direction = Direction::Across;
    int index = 0;
    friend bool operator==(ClueRef, ClueRef) = default;
};

// A character of an answer in its cell; empty where the answer is too short.
struct CellCharacter {
    Cell cell;
    std::string character;
};

struct CheckCounts {
    int across = 0;
    int down = 0;
};

class Play {
public:
    explicit Play(Puzzle puzzle);

    const Puzzle& puzzle() const { return puzzle_; }
    const Level& level() const { return *puzzle_.level; }

    // Chooses a clue of the puzzle; a clue the level does not have is ignored (false).
    bool choose(ClueRef clue);
    std::optional<ClueRef> chosen() const { return chosen_; }

    // The typed text becomes the chosen entry's answer: one character a cell from the text's start
    // (a character being a whole UTF-8 sequence), the number they spell (anything but the digits
    // 0-9 counts as 0) replacing any answer before. Returns what each of its cells now shows, in
    // order; nothing, and no answer, when no clue is chosen.
    std::vector<CellCharacter> confirm(std::string_view typed);
    // The character the last answer through the cell put there (empty for one too short to reach it);
    // none while no answer has reached the cell.
    const std::optional<std::string>& characterIn(Cell cell) const
    {
        return characters_[static_cast<std::size_t>(cell.row * GridColumns + cell.column)];
    }

    // The number confirmed for an entry; 0 is no answer.
    int answer(ClueRef clue) const;
    // Entries whose confirmed number is their solution; a crossing entry's digits do not count.
    CheckCounts countCorrect() const;

private:
    Puzzle puzzle_;
    std::optional<ClueRef> chosen_;
    std::vector<int> acrossAnswers_, downAnswers_;
    std::array<std::optional<std::string>, GridRows * GridColumns> characters_;
};

// The clue a player choosing at a cell wants: the across entry through it, or, when that is the
// clue already chosen, the down one, so that choosing again turns between them; a direction with no
// entry through the cell is passed over. Nothing for a black cell.
std::optional<ClueRef> ClueAt(const Level& level, Cell cell, std::optional<ClueRef> chosen);

// "Giusti Orizzontali  N dati" CR LF "Giusti Verticali  M dati".
std::string CheckMessage(CheckCounts counts);
