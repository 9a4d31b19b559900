// The answer check: how many across and down entries carry a confirmed, correct number.
#pragma once

#include "PuzzleState.h"

#include <string>

class GridView;

struct CheckCounts {
    int across = 0;
    int down = 0;
};

// An answer of 0 is never correct; only an entry's own confirmed number is compared.
CheckCounts CountCorrect(const PuzzleState& state);
// "Giusti Orizzontali  N dati" CR LF "Giusti Verticali  M dati".
std::string CheckMessage(CheckCounts counts);
// Shows the check message; changes nothing.
void CheckAnswers(const PuzzleState& state, GridView& view);
