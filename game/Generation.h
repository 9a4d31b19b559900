// Making a new puzzle: blank grid, the level's clue labels, agreeing numbers and a clue for each.
#pragma once

#include "PuzzleState.h"

class GridView;
class RandomSource;
struct LevelData;

// One generation run for the level: the picture at PicturePath is reloaded, every answer is
// forgotten, across numbers are drawn, down numbers are put together from the digits they share.
void GeneratePuzzle(const LevelData& level, PuzzleState& state, GridView& view, RandomSource& random);

void GeneratePuzzleLevel1(PuzzleState& state, GridView& view, RandomSource& random);
void GeneratePuzzleLevel2(PuzzleState& state, GridView& view, RandomSource& random);
void GeneratePuzzleLevel3(PuzzleState& state, GridView& view, RandomSource& random);

// Digit p (1 = leftmost) of a number written with exactly `length` digits.
int DigitAt(int number, int length, int p);
