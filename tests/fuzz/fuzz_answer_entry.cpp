// Fuzz target over the answer path: any bytes typed into Text3, confirmed on every clue slot of
// every level, must store what the digit rule gives and touch only the selected entry's cells.
#include "AnswerEntry.h"
#include "GridView.h"
#include "Levels.h"
#include "RecordingView.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

int level_ = 0, direction_ = 0, index_ = 0;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "answer entry broke a rule: %s (level %d, %s index %d)\n", what, level_,
                 direction_ == Across ? "across" : "down", index_);
    std::abort();
}

void Check(bool ok, const char* what)
{
    if (!ok)
        Fail(what);
}

// The characters of the text by a decoder of its own: a byte sequence counts as one character only
// when it is the shortest encoding of a code point up to U+10FFFF that is not a surrogate; any other
// byte is a character by itself.
std::vector<std::string> Characters(std::string_view text, std::size_t wanted)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (out.size() < wanted && at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        std::uint32_t code = lead;
        std::uint32_t least = 0;
        if ((lead & 0xE0) == 0xC0) { length = 2; code = lead & 0x1F; least = 0x80; }
        else if ((lead & 0xF0) == 0xE0) { length = 3; code = lead & 0x0F; least = 0x800; }
        else if ((lead & 0xF8) == 0xF0) { length = 4; code = lead & 0x07; least = 0x10000; }
        bool whole = length > 1 && at + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!whole || code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            length = 1;
        out.emplace_back(text.substr(at, length));
        at += length;
    }
    out.resize(wanted);
    return out;
}

// What the answer must be: one digit per cell, the first character most significant, the ten ASCII
// digits worth their value and anything else (a missing character too) worth 0.
int DigitRule(const std::vector<std::string>& characters, int length)
{
    int value = 0;
    for (int j = 0; j < length; ++j) {
        const std::string& c = characters[static_cast<std::size_t>(j)];
        value = value * 10 + (c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0);
    }
    return value;
}

// Answers already on the board before the confirmation, so a stray write anywhere shows.
PuzzleState Board()
{
    PuzzleState state;
    state.CurrentLevel = static_cast<Integer>(level_);
    for (int i = 0; i < ClueSlots; ++i) {
        state.HorizontalAnswers[static_cast<std::size_t>(i)] = static_cast<Integer>(1000 + i);
        state.VerticalAnswers[static_cast<std::size_t>(i)] = static_cast<Integer>(2000 + i);
        state.HorizontalSolutions[static_cast<std::size_t>(i)] = static_cast<Integer>(3000 + i);
        state.VerticalSolutions[static_cast<std::size_t>(i)] = static_cast<Integer>(4000 + i);
    }
    // The index of the direction not selected points somewhere else and must not matter.
    state.SelectedHorizontalIndex = static_cast<Integer>(direction_ == Across ? index_ : 8 - index_ % 9);
    state.SelectedVerticalIndex = static_cast<Integer>(direction_ == Down ? index_ : 7 - index_ % 8);
    state.SelectedDirection = static_cast<Integer>(direction_);
    return state;
}

void ConfirmOne(const LevelData& level, const std::string& text)
{
    PuzzleState state = Board();
    const PuzzleState before = state;
    RecordingView view;
    view.texts[Control::Text3] = text;
    level.confirm(state, view);

    Check(view.enabled.count(Control::Command1) == 1 && !view.enabled[Control::Command1], "Conferma left enabled");
    Check(view.texts[Control::Text3] == text, "the answer box was changed");
    Check(view.messages.empty() && view.picturesLoaded.empty(), "a message or a picture load");
    Check(state.SelectedDirection == before.SelectedDirection &&
              state.SelectedHorizontalIndex == before.SelectedHorizontalIndex &&
              state.SelectedVerticalIndex == before.SelectedVerticalIndex &&
              state.HorizontalSolutions == before.HorizontalSolutions &&
              state.VerticalSolutions == before.VerticalSolutions,
          "the selection or a solution changed");

    auto answers = direction_ == Across ? state.HorizontalAnswers : state.VerticalAnswers;
    auto expectedAnswers = direction_ == Across ? before.HorizontalAnswers : before.VerticalAnswers;
    const auto& other = direction_ == Across ? state.VerticalAnswers : state.HorizontalAnswers;
    const auto& otherBefore = direction_ == Across ? before.VerticalAnswers : before.HorizontalAnswers;
    Check(other == otherBefore, "an answer of the other direction changed");

    const GridEntry* entry = FindEntry(level.number, direction_, index_);
    if (entry == nullptr) {
        Check(answers == expectedAnswers, "a slot without an entry was written");
        Check(view.fills.empty() && view.drawn.empty(), "drawing for a slot without an entry");
        return;
    }

    const std::vector<std::string> characters = Characters(text, static_cast<std::size_t>(level.geometry.AnswerWidth));
    const int stored = answers[static_cast<std::size_t>(index_)];
    Check(stored >= 0 && stored <= 9999, "stored answer out of 0..9999");
    Check(stored == DigitRule(characters, entry->length), "stored answer differs from the digit rule");
    expectedAnswers[static_cast<std::size_t>(index_)] = answers[static_cast<std::size_t>(index_)];
    Check(answers == expectedAnswers, "another answer of the same direction changed");

    // Each cell of the entry, in order: a white box over its digit area, then its own character.
    Check(view.fills.size() == static_cast<std::size_t>(entry->length) &&
              view.drawn.size() == static_cast<std::size_t>(entry->length),
          "not one box and one character per cell");
    for (int j = 0; j < entry->length; ++j) {
        const auto k = static_cast<std::size_t>(j);
        const int x = 30 + 77 * entry->cells[k].column;
        const int y = 26 + 52 * entry->cells[k].row;
        const RecordingView::Fill& box = view.fills[k];
        Check(box.x1 == x && box.y1 == y && box.x2 == x + 15 && box.y2 == y + 20 && box.colour == White,
              "a box outside the entry's cells");
        Check(view.drawn[k].x == x && view.drawn[k].y == y, "a character outside the entry's cells");
        Check(view.drawn[k].text == characters[k], "a cell shows another character than typed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (level_ = 1; level_ <= LevelCount; ++level_) {
        const LevelData& level = *FindLevel(level_);
        for (direction_ = Across; direction_ <= Down; ++direction_) {
            // Every slot of the answer tables, so the slots a level has no entry for are tried too.
            const int slots = direction_ == Across ? 9 : 8;
            for (index_ = 0; index_ < slots; ++index_)
                ConfirmOne(level, text);
        }
    }
    // No clue clicked yet: nothing is drawn and nothing is stored.
    PuzzleState state;
    RecordingView view;
    view.texts[Control::Text3] = text;
    ConfirmAnswerLevel1(state, view);
    level_ = 1;
    Check(view.fills.empty() && view.drawn.empty() && state.HorizontalAnswers == PuzzleState{}.HorizontalAnswers &&
              state.VerticalAnswers == PuzzleState{}.VerticalAnswers,
          "confirmed without a selection");
    return 0;
}
