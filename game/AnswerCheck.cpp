// Counting the right answers and wording the check message.
#include "AnswerCheck.h"

#include "GridView.h"
#include "NumberText.h"

namespace {

template <typename Table> int CountMatches(const Table& answers, const Table& solutions, int slots)
{
    int count = 0;
    for (int i = 0; i < slots; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (answers[k] != 0 && answers[k] == solutions[k])
            ++count;
    }
    return count;
}

}  // namespace

CheckCounts CountCorrect(const PuzzleState& state)
{
    return {CountMatches(state.HorizontalAnswers, state.HorizontalSolutions, 9),
            CountMatches(state.VerticalAnswers, state.VerticalSolutions, 8)};
}

std::string CheckMessage(CheckCounts counts)
{
    return "Giusti Orizzontali " + NumberText(counts.across) + " dati\r\n" + "Giusti Verticali " +
           NumberText(counts.down) + " dati";
}

void CheckAnswers(const PuzzleState& state, GridView& view)
{
    view.ShowMessage(CheckMessage(CountCorrect(state)));
}
