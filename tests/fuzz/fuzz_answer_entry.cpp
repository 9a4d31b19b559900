// Fuzz target over the answer path: any bytes typed into Text3, confirmed on every clue slot of
// every level, must store what the digit rule gives and touch only the selected entry's cells.
#include "Levels.h"
#include "RecordingView.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>

namespace {

// The first characters of the text by a decoder of its own: a byte sequence is one character only
// when it is the shortest encoding of a code point up to U+10FFFF that is not a surrogate; any other
// byte is a character by itself. Characters past the text are empty.
std::vector<std::string> Characters(const std::string& text, std::size_t wanted)
{
    std::vector<std::string> out;
    for (std::size_t at = 0; out.size() < wanted && at < text.size(); at += out.back().size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        std::uint32_t code = lead & (0x7Fu >> length);
        bool whole = length > 1 && at + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            whole = (text[at + k] & 0xC0) == 0x80;
            code = (code << 6) | (text[at + k] & 0x3Fu);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        whole = whole && code >= least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        out.push_back(text.substr(at, whole ? length : 1));
    }
    out.resize(MaxEntryLength);
    return out;
}

void Confirm(int level, int direction, int index, const std::string& text)
{
    // Numbers already on the board, so a stray write anywhere shows; the index of the direction not
    // selected points somewhere else and must not matter.
    PuzzleState state;
    std::iota(state.HorizontalAnswers.begin(), state.HorizontalAnswers.end(), Integer(1000));
    std::iota(state.VerticalAnswers.begin(), state.VerticalAnswers.end(), Integer(2000));
    state.SelectedHorizontalIndex = Integer(direction == Across ? index : 8 - index);
    state.SelectedVerticalIndex = Integer(direction == Down ? index : 7 - index % 8);
    state.SelectedDirection = Integer(direction);
    PuzzleState expected = state;
    RecordingView view;
    view.texts[Control::Text3] = text;
    FindLevel(level)->confirm(state, view);

    // "Conferma" off, then for each cell of the entry in order a white box over its digit area and its
    // own character; the number has one digit per cell, the first most significant, and anything but
    // an ASCII digit is worth 0.
    std::vector<std::string> calls{"disable Command1"};
    if (const GridEntry* entry = FindEntry(level, direction, index)) {
        const auto characters = Characters(text, std::size_t(FindLevel(level)->geometry.AnswerWidth));
        int value = 0;
        for (std::size_t j = 0; j < std::size_t(entry->length); ++j) {
            const std::string x = std::to_string(30 + 77 * entry->cells[j].column);
            const std::string y = std::to_string(26 + 52 * entry->cells[j].row);
            const std::string& c = characters[j];
            calls.push_back("fill " + x + " " + y + " " + std::to_string(std::stoi(x) + 15) + " " +
                            std::to_string(std::stoi(y) + 20) + " ffffff");
            calls.push_back("draw " + x + " " + y + " " + c);
            value = value * 10 + (c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0);
        }
        (direction == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[index] = Integer(value);
    }
    if (view.calls != calls || view.texts[Control::Text3] != text ||
        state.HorizontalAnswers != expected.HorizontalAnswers || state.VerticalAnswers != expected.VerticalAnswers ||
        state.SelectedDirection != direction) {
        std::fprintf(stderr, "answer entry broke a rule: level %d, direction %d, index %d\n", level, direction, index);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Every slot of the answer tables, so the slots a level has no entry for are tried too, and
    // with no clue clicked yet (no direction), when nothing may be drawn or stored.
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int level = 1; level <= LevelCount; ++level)
        for (int direction = NoDirection; direction <= Down; ++direction)
            for (int index = 0; index < (direction == Across ? 9 : 8); ++index)
                Confirm(level, direction, index, text);
    return 0;
}
