// Choosing a clue: the selection is recorded, highlighted, and the answer entry is armed.
#pragma once

#include "GridView.h"
#include "PuzzleState.h"

inline constexpr Rgb SelectionHighlight{200, 200, 0};

// A click on across clue text k (Label4) or down clue text k (Label8).
void SelectAcrossClue(PuzzleState& state, GridView& view, int k);
void SelectDownClue(PuzzleState& state, GridView& view, int k);
