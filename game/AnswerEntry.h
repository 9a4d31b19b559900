// Confirming an answer: the typed characters drawn into the selected entry's cells, its number stored.
#pragma once

#include "PuzzleState.h"

#include <string>

class GridView;
struct LevelData;

// The value of one answer character: the ten ASCII digits count, anything else is 0.
int DigitValue(const std::string& character);

// Reads the level's AnswerWidth characters of Text3 and confirms them for the selected entry.
void ConfirmAnswer(const LevelData& level, PuzzleState& state, GridView& view);

void ConfirmAnswerLevel1(PuzzleState& state, GridView& view);
void ConfirmAnswerLevel2(PuzzleState& state, GridView& view);
void ConfirmAnswerLevel3(PuzzleState& state, GridView& view);
