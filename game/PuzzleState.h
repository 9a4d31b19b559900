// The game record that lives as long as the window: level, grid picture, solutions, answers, selection.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class clsResize;

// Every number the game keeps is a 16-bit signed integer.
using Integer = std::int16_t;

// Clue directions as the game stores them; 0 in SelectedDirection means no clue clicked yet.
inline constexpr Integer NoDirection = 0;
inline constexpr Integer Across = 1;
inline constexpr Integer Down = 2;

// The number tables are sized for the largest level (9 across, 8 down clues) and never resized.
inline constexpr int ClueSlots = 9;

struct PuzzleState {
    std::shared_ptr<clsResize> Resizer;  // the window's scaler
    std::array<Integer, ClueSlots> HorizontalSolutions{};
    std::array<Integer, ClueSlots> HorizontalAnswers{};  // 0 = no answer yet
    std::array<Integer, ClueSlots> VerticalSolutions{};
    std::array<Integer, ClueSlots> VerticalAnswers{};  // 0 = no answer yet
    Integer SelectedHorizontalIndex = 0;               // across clue last clicked
    Integer SelectedVerticalIndex = 0;                 // down clue last clicked
    Integer SelectedDirection = NoDirection;
    Integer ClueValue = 0;     // the number the clue being built describes
    Integer ClueOperator = 0;  // 1 sum, 2 difference, 3 product, 4 quotient
    std::string ClueText;      // the clue text last built
    Integer ClueDivisor = 0;   // a divisor found for ClueValue, 0 if none
    std::string PicturePath;   // full path of the current level's grid picture
    Integer CurrentLevel = 0;  // 1 to 3 from the first activation on
};
