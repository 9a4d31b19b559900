// Clue selection: every clue label turns plain, the clicked one is highlighted, the answer box empties.
#include "ClueSelection.h"

namespace {

constexpr int AcrossLabels = 9;
constexpr int DownLabels = 8;

// All four arrays go plain, hidden elements too, so at most one clue is ever highlighted.
void ArmAndClear(GridView& view)
{
    view.SetEnabled(Control::Command1, true);
    view.SetEnabled(Control::Text3, true);
    for (int i = 0; i < AcrossLabels; ++i) {
        view.SetBackColor(LabelArray::Label4, i, White);
        view.SetBackColor(LabelArray::Label5, i, White);
    }
    for (int i = 0; i < DownLabels; ++i) {
        view.SetBackColor(LabelArray::Label7, i, White);
        view.SetBackColor(LabelArray::Label8, i, White);
    }
}

}  // namespace

void SelectAcrossClue(PuzzleState& state, GridView& view, int k)
{
    if (k < 0 || k >= AcrossLabels)
        return;
    ArmAndClear(view);
    state.SelectedHorizontalIndex = static_cast<Integer>(k);
    state.SelectedDirection = Across;
    view.SetBackColor(LabelArray::Label4, k, SelectionHighlight);
    view.SetBackColor(LabelArray::Label5, k, SelectionHighlight);
    view.SetText(Control::Text3, "");
}

void SelectDownClue(PuzzleState& state, GridView& view, int k)
{
    if (k < 0 || k >= DownLabels)
        return;
    ArmAndClear(view);
    state.SelectedDirection = Down;
    state.SelectedVerticalIndex = static_cast<Integer>(k);
    view.SetBackColor(LabelArray::Label7, k, SelectionHighlight);
    view.SetBackColor(LabelArray::Label8, k, SelectionHighlight);
    view.SetText(Control::Text3, "");
}
