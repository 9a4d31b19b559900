// How the game writes a number in clues, solution lists and the check message: a blank, then digits.
#pragma once

#include <string>

inline std::string NumberText(long long n)
{
    return " " + std::to_string(n);
}
