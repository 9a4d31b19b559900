// One generation algorithm for every level, driven by the level's letters and generation table.
#include "Generation.h"

#include "ClueBuilders.h"
#include "GridView.h"
#include "Levels.h"
#include "NumberText.h"
#include "RandomSource.h"

namespace {

using NumberRoutine = void (*)(PuzzleState&, RandomSource&);

// The number routine of an across entry follows from its length.
NumberRoutine RoutineFor(int length)
{
    switch (length) {
    case 3: return RandomThreeDigit;
    case 4: return RandomFourDigit;
    default: return RandomTwoDigit;
    }
}

bool HasGuardedZero(const AcrossRule& rule, int number)
{
    for (int p : rule.guardedDigits) {
        if (p != 0 && DigitAt(number, rule.length, p) == 0)
            return true;
    }
    return false;
}

// The solution list gets one more line: the letter's tag, the number, and the line end.
void AppendSolutionLine(GridView& view, Control list, char letter, int number)
{
    std::string text = view.GetText(list);
    text += letter;
    text += ')';
    AppendNumberText(text, number);
    text += "\r\n";
    view.SetText(list, text);
}

// Forget the old puzzle: every slot of both directions, labels hidden, answers cleared.
void ClearPuzzle(PuzzleState& state, GridView& view)
{
    for (int i = 0; i < 9; ++i) {
        view.SetVisible(LabelArray::Label4, i, false);
        view.SetVisible(LabelArray::Label5, i, false);
        state.HorizontalSolutions[i] = 0;
        state.HorizontalAnswers[i] = 0;
    }
    // Slot 8 of the down tables belongs to no level and is left alone.
    for (int i = 0; i < 8; ++i) {
        view.SetVisible(LabelArray::Label7, i, false);
        view.SetVisible(LabelArray::Label8, i, false);
        state.VerticalSolutions[i] = 0;
        state.VerticalAnswers[i] = 0;
    }
}

// Show the level's clue labels, white (no highlight left over) and lettered.
void ShowClueLabels(const LevelData& level, GridView& view)
{
    for (std::size_t i = 0; i < level.acrossLetters.size(); ++i) {
        const int k = static_cast<int>(i);
        view.SetBackColor(LabelArray::Label4, k, White);
        view.SetBackColor(LabelArray::Label5, k, White);
        view.SetCaption(LabelArray::Label5, k, std::string(1, level.acrossLetters[i]));
        view.SetVisible(LabelArray::Label4, k, true);
        view.SetVisible(LabelArray::Label5, k, true);
    }
    for (std::size_t i = 0; i < level.downLetters.size(); ++i) {
        const int k = static_cast<int>(i);
        view.SetBackColor(LabelArray::Label7, k, White);
        view.SetBackColor(LabelArray::Label8, k, White);
        view.SetCaption(LabelArray::Label7, k, std::string(1, level.downLetters[i]));
        view.SetVisible(LabelArray::Label7, k, true);
        view.SetVisible(LabelArray::Label8, k, true);
    }
}

void MakeAcrossEntries(const LevelData& level, PuzzleState& state, GridView& view, RandomSource& random)
{
    for (const AcrossRule& rule : level.generation.across) {
        do {
            RoutineFor(rule.length)(state, random);
        } while (HasGuardedZero(rule, state.ClueValue));
        RandomOperator(state, random);
        BuildClueText(state, random);
        state.HorizontalSolutions[rule.index] = state.ClueValue;
        view.SetCaption(LabelArray::Label4, rule.index, state.ClueText);
        AppendSolutionLine(view, Control::Text4, rule.letter, state.ClueValue);
    }
}

// A down entry takes the digits of the across entries it crosses; a cell no across entry covers
// gets a random digit 1 to 9, drawn from the top cell down.
void MakeDownEntries(const LevelData& level, PuzzleState& state, GridView& view, RandomSource& random)
{
    const auto& acrossRules = level.generation.across;
    for (const DownRule& rule : level.generation.down) {
        int number = 0;
        for (int j = 0; j < rule.length; ++j) {
            const DigitSource& source = rule.sources[j];
            int digit = 0;
            if (source.acrossIndex == FreeDigit) {
                RandomDigit(state, random);
                digit = state.ClueValue;
            } else {
                const AcrossRule& crossing = acrossRules[static_cast<std::size_t>(source.acrossIndex)];
                digit = DigitAt(state.HorizontalSolutions[crossing.index], crossing.length, source.digit);
            }
            number = number * 10 + digit;
        }
        state.VerticalSolutions[rule.index] = static_cast<Integer>(number);
        state.ClueValue = static_cast<Integer>(number);
        RandomOperator(state, random);
        BuildClueText(state, random);
        view.SetCaption(LabelArray::Label8, rule.index, state.ClueText);
        AppendSolutionLine(view, Control::Text5, rule.letter, number);
    }
}

}  // namespace

int DigitAt(int number, int length, int p)
{
    for (int k = p; k < length; ++k)
        number /= 10;
    return number % 10;
}

void GeneratePuzzle(const LevelData& level, PuzzleState& state, GridView& view, RandomSource& random)
{
    view.LoadPicture(state.PicturePath);
    view.SetEnabled(Control::Command1, false);
    view.SetText(Control::Text3, "");
    view.SetText(Control::Text4, "");
    view.SetText(Control::Text5, "");
    ClearPuzzle(state, view);
    ShowClueLabels(level, view);
    MakeAcrossEntries(level, state, view, random);
    MakeDownEntries(level, state, view, random);
}

void GeneratePuzzleLevel1(PuzzleState& state, GridView& view, RandomSource& random)
{
    GeneratePuzzle(*FindLevel(1), state, view, random);
}

void GeneratePuzzleLevel2(PuzzleState& state, GridView& view, RandomSource& random)
{
    GeneratePuzzle(*FindLevel(2), state, view, random);
}

void GeneratePuzzleLevel3(PuzzleState& state, GridView& view, RandomSource& random)
{
    GeneratePuzzle(*FindLevel(3), state, view, random);
}
