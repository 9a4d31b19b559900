// Splitting typed text into characters (code points), so a multi-byte letter is never cut in half.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The first `count` characters of UTF-8 text, one string each; missing characters are empty strings.
// A byte that does not start a well-formed sequence counts as one character of its own.
std::vector<std::string> FirstCharacters(std::string_view text, int count);
