// Fuzz target over the answer path: any bytes typed into Text3, confirmed on every clue slot of
// every level, must store what the digit rule gives and touch only the selected entry's cells.
#include "AnswerEntry.h"
#include "Levels.h"
#include "RecordingView.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace {

int level_ = 0, direction_ = 0, index_ = 0;

void Check(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "answer entry broke a rule: %s (level %d, %s index %d)\n", what, level_,
                 direction_ == Across ? "across"
                 : direction_ == Down ? "down"
                                      : "no direction",
                 index_);
    std::abort();
}

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

// What a confirmation may change of the game record.
auto Record(const PuzzleState& s)
{
    return std::tie(s.HorizontalAnswers, s.VerticalAnswers, s.HorizontalSolutions, s.VerticalSolutions,
                    s.SelectedHorizontalIndex, s.SelectedVerticalIndex, s.SelectedDirection);
}

void ConfirmOne(const LevelData& level, const std::string& text)
{
    // Numbers already on the board, so a stray write anywhere shows; the index of the direction not
    // selected points somewhere else and must not matter.
    PuzzleState state;
    std::iota(state.HorizontalAnswers.begin(), state.HorizontalAnswers.end(), Integer(1000));
    std::iota(state.VerticalAnswers.begin(), state.VerticalAnswers.end(), Integer(2000));
    std::iota(state.HorizontalSolutions.begin(), state.HorizontalSolutions.end(), Integer(3000));
    std::iota(state.VerticalSolutions.begin(), state.VerticalSolutions.end(), Integer(4000));
    state.CurrentLevel = Integer(level_);
    state.SelectedHorizontalIndex = Integer(direction_ == Across ? index_ : 8 - index_ % 9);
    state.SelectedVerticalIndex = Integer(direction_ == Down ? index_ : 7 - index_ % 8);
    state.SelectedDirection = Integer(direction_);
    PuzzleState expected = state;
    RecordingView view;
    view.texts[Control::Text3] = text;
    level.confirm(state, view);

    Check(view.enabled.count(Control::Command1) == 1 && !view.enabled[Control::Command1], "Conferma left enabled");
    Check(view.texts[Control::Text3] == text && view.messages.empty() && view.picturesLoaded.empty(),
          "the answer box changed, or a message or a picture load");

    // Each cell of the entry, in order: a white box over its digit area, then its own character; the
    // number one digit per cell, the first most significant, anything but an ASCII digit worth 0.
    std::vector<RecordingView::Fill> boxes;
    std::vector<RecordingView::Text> drawn;
    if (const GridEntry* entry = FindEntry(level.number, direction_, index_)) {
        const std::vector<std::string> characters = Characters(text, std::size_t(level.geometry.AnswerWidth));
        int value = 0;
        for (std::size_t j = 0; j < std::size_t(entry->length); ++j) {
            const int x = 30 + 77 * entry->cells[j].column, y = 26 + 52 * entry->cells[j].row;
            const std::string& c = characters[j];
            boxes.push_back({x, y, x + 15, y + 20, White});
            drawn.push_back({x, y, c});
            value = value * 10 + (c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0);
        }
        const int stored =
            (direction_ == Across ? state.HorizontalAnswers : state.VerticalAnswers)[std::size_t(index_)];
        Check(stored >= 0 && stored <= 9999 && stored == value, "stored answer out of 0..9999 or not the digit rule's");
        (direction_ == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[std::size_t(index_)] =
            Integer(value);
    }
    Check(Record(state) == Record(expected), "another answer, the selection or a solution changed");
    Check(view.fills == boxes && view.drawn == drawn,
          "boxes or characters other than one of each per cell of the entry");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Every slot of the answer tables, so the slots a level has no entry for are tried too, and
    // with no clue clicked yet (no direction), when nothing may be drawn or stored.
    for (level_ = 1; level_ <= LevelCount; ++level_) {
        for (direction_ = NoDirection; direction_ <= Down; ++direction_) {
            for (index_ = 0; index_ < (direction_ == Across ? 9 : 8); ++index_)
                ConfirmOne(*FindLevel(level_), text);
        }
    }
    return 0;
}
