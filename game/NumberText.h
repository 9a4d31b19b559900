// How the game writes a number in clues, solution lists and the check message: a blank, then digits.
#pragma once

#include <charconv>
#include <string>

// Appends the blank and the digits to `out`; no temporary strings, as clues are built by the thousand.
inline void AppendNumberText(std::string& out, long long n)
{
    char digits[24];
    digits[0] = ' ';
    const auto end = std::to_chars(digits + 1, digits + sizeof digits, n).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

inline std::string NumberText(long long n)
{
    std::string text;
    AppendNumberText(text, n);
    return text;
}
