// The random numbers of a puzzle and the arithmetic clue (sum, difference, product, quotient) for one.
#pragma once

#include "PuzzleState.h"

class RandomSource;

// Clue operators as ClueOperator holds them.
inline constexpr Integer SumClue = 1;
inline constexpr Integer DifferenceClue = 2;
inline constexpr Integer ProductClue = 3;
inline constexpr Integer QuotientClue = 4;

// Each routine that draws takes exactly one value from the random source.
void RandomDigit(PuzzleState& state, RandomSource& random);       // ClueValue 1..9
void RandomTwoDigit(PuzzleState& state, RandomSource& random);    // ClueValue 10..98
void RandomThreeDigit(PuzzleState& state, RandomSource& random);  // ClueValue 100..998
void RandomFourDigit(PuzzleState& state, RandomSource& random);   // ClueValue 1000..9998
void RandomOperator(PuzzleState& state, RandomSource& random);    // ClueOperator 1..4

// Writes ClueText for ClueValue with the form ClueOperator chooses; other operators leave it as is.
void BuildClueText(PuzzleState& state, RandomSource& random);
void BuildSumClue(PuzzleState& state, RandomSource& random);
void BuildDifferenceClue(PuzzleState& state, RandomSource& random);
void BuildProductClue(PuzzleState& state, RandomSource& random);
void BuildQuotientClue(PuzzleState& state, RandomSource& random);
// ClueDivisor := the largest divisor of ClueValue from 2 up to its square root, or 0.
void FindClueDivisor(PuzzleState& state);
