// The random numbers of a puzzle and the arithmetic clue (sum, difference, product, quotient) for a number.
#pragma once

#include <string>

class RandomSource;

enum class Operation {
    Sum,
    Difference,
    Product,
    Quotient,
};

// Each of these takes exactly one draw from the random source.
int RandomDigit(RandomSource& random);               // 1..9
int RandomNumber(int digits, RandomSource& random);  // 10..98, 100..998 or 1000..9998 for 2, 3, 4 digits
Operation RandomOperation(RandomSource& random);     // each of the four equally likely

// A clue whose result is `number` (10 to 9998), written " a + b", " a - b", " a * b" or " a / b".
// A sum, a difference and a quotient take one draw. A product of the largest factor pair takes none;
// a number with no factor pair (a prime) gets a quotient instead, with its draw.
std::string ClueText(int number, Operation operation, RandomSource& random);
