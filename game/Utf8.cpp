// UTF-8 decoding just deep enough to find where each character of the answer box ends.
#include "Utf8.h"

namespace {

// Length of the well-formed sequence starting at `at`, or 1 when the bytes there are not one.
// The second byte's range also rules out overlong forms, encoded surrogate halves and values
// past U+10FFFF, so every character handed on is one whole code point.
std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    }
    if (length == 1 || at + length > text.size())
        return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 1;
    for (std::size_t k = 2; k < length; ++k) {
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

}  // namespace

std::vector<std::string> FirstCharacters(std::string_view text, int count)
{
    std::vector<std::string> characters;
    std::size_t at = 0;
    for (int j = 0; j < count; ++j) {
        if (at >= text.size()) {
            characters.emplace_back();
            continue;
        }
        const std::size_t length = SequenceLength(text, at);
        characters.emplace_back(text.substr(at, length));
        at += length;
    }
    return characters;
}
