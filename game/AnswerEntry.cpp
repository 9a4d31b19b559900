// One confirm algorithm for every level: blank each cell, draw its character, store the number.
#include "AnswerEntry.h"

#include "GridView.h"
#include "Levels.h"
#include "Utf8.h"

#include <algorithm>

namespace {

// The entry the player selected, with the answer slot it fills; nothing when no clue was clicked.
struct Selection {
    const GridEntry* entry = nullptr;
    Integer* answer = nullptr;
};

Selection SelectedEntry(const LevelData& level, PuzzleState& state)
{
    if (state.SelectedDirection == Across) {
        const Integer i = state.SelectedHorizontalIndex;
        if (const GridEntry* entry = FindEntry(level.number, Across, i))
            return {entry, &state.HorizontalAnswers[static_cast<std::size_t>(i)]};
    } else if (state.SelectedDirection == Down) {
        const Integer i = state.SelectedVerticalIndex;
        if (const GridEntry* entry = FindEntry(level.number, Down, i))
            return {entry, &state.VerticalAnswers[static_cast<std::size_t>(i)]};
    }
    return {};
}

}  // namespace

int DigitValue(const std::string& character)
{
    if (character.size() == 1 && character[0] >= '0' && character[0] <= '9')
        return character[0] - '0';
    return 0;
}

void ConfirmAnswer(const LevelData& level, PuzzleState& state, GridView& view)
{
    view.SetEnabled(Control::Command1, false);
    std::vector<std::string> characters = FirstCharacters(view.GetText(Control::Text3), level.geometry.AnswerWidth);

    const Selection selection = SelectedEntry(level, state);
    if (selection.entry == nullptr)
        return;
    // A cell beyond the characters read shows nothing, even in an entry longer than the level's width.
    characters.resize(std::max(characters.size(), static_cast<std::size_t>(selection.entry->length)));

    // The first character is the most significant digit; a cell past the text shows nothing.
    int value = 0;
    for (int j = 0; j < selection.entry->length; ++j) {
        const Point at = CellPosition(selection.entry->cells[static_cast<std::size_t>(j)]);
        const std::string& character = characters[static_cast<std::size_t>(j)];
        view.FillRectangle(at.x, at.y, at.x + 15, at.y + 20, White);
        view.DrawText(at.x, at.y, character);
        value = value * 10 + DigitValue(character);
    }
    *selection.answer = static_cast<Integer>(value);
}

void ConfirmAnswerLevel1(PuzzleState& state, GridView& view)
{
    ConfirmAnswer(*FindLevel(1), state, view);
}

void ConfirmAnswerLevel2(PuzzleState& state, GridView& view)
{
    ConfirmAnswer(*FindLevel(2), state, view);
}

void ConfirmAnswerLevel3(PuzzleState& state, GridView& view)
{
    ConfirmAnswer(*FindLevel(3), state, view);
}
