// Random numbers and clue texts; operands are computed in 64 bits (a dividend reaches 13 x 9998).
#include "ClueBuilders.h"

#include "NumberText.h"
#include "RandomSource.h"

#include <cmath>

namespace {

// floor(scale * r + offset), evaluated in double so the largest r below 1 never reaches the next integer.
long long Draw(RandomSource& random, double scale, double offset)
{
    return static_cast<long long>(std::floor(scale * static_cast<double>(random.Next()) + offset));
}

// The first operand of a sum or difference: uniform over 1..T-5 (at least 1 for tiny T).
long long SmallOperand(long long t, RandomSource& random)
{
    const long long span = t - 5 > 1 ? t - 5 : 1;
    return Draw(random, static_cast<double>(span), 0.0) + 1;
}

long long IntegerSquareRoot(long long t)
{
    auto root = static_cast<long long>(std::sqrt(static_cast<double>(t)));
    while (root * root > t)
        --root;
    while ((root + 1) * (root + 1) <= t)
        ++root;
    return root;
}

// ClueText := first operand, the sign piece (" +", " -", " *", " /"), second operand.
void WriteClue(PuzzleState& state, long long first, const char* sign, long long second)
{
    state.ClueText.clear();
    AppendNumberText(state.ClueText, first);
    state.ClueText += sign;
    AppendNumberText(state.ClueText, second);
}

}  // namespace

void RandomDigit(PuzzleState& state, RandomSource& random)
{
    const long long digit = Draw(random, 9.0, 1.0);
    state.ClueValue = static_cast<Integer>(digit == 10 ? 9 : digit);
}

void RandomTwoDigit(PuzzleState& state, RandomSource& random)
{
    state.ClueValue = static_cast<Integer>(Draw(random, 89.0, 10.0));
}

void RandomThreeDigit(PuzzleState& state, RandomSource& random)
{
    state.ClueValue = static_cast<Integer>(Draw(random, 899.0, 100.0));
}

void RandomFourDigit(PuzzleState& state, RandomSource& random)
{
    state.ClueValue = static_cast<Integer>(Draw(random, 8999.0, 1000.0));
}

void RandomOperator(PuzzleState& state, RandomSource& random)
{
    state.ClueOperator = static_cast<Integer>(Draw(random, 4.0, 1.0));
}

void BuildClueText(PuzzleState& state, RandomSource& random)
{
    switch (state.ClueOperator) {
    case SumClue: BuildSumClue(state, random); break;
    case DifferenceClue: BuildDifferenceClue(state, random); break;
    case ProductClue: BuildProductClue(state, random); break;
    case QuotientClue: BuildQuotientClue(state, random); break;
    default: break;
    }
}

void BuildSumClue(PuzzleState& state, RandomSource& random)
{
    const long long t = state.ClueValue;
    const long long a = SmallOperand(t, random);
    WriteClue(state, a, " +", t - a);
}

void BuildDifferenceClue(PuzzleState& state, RandomSource& random)
{
    const long long t = state.ClueValue;
    const long long a = SmallOperand(t, random);
    WriteClue(state, t + a, " -", a);
}

void BuildProductClue(PuzzleState& state, RandomSource& random)
{
    FindClueDivisor(state);
    if (state.ClueDivisor < 1) {  // a prime (or a number below 4) has no factor pair: use a quotient
        BuildQuotientClue(state, random);
        return;
    }
    const long long t = state.ClueValue;
    const long long f = state.ClueDivisor;
    WriteClue(state, t / f, " *", f);
}

void BuildQuotientClue(PuzzleState& state, RandomSource& random)
{
    const long long t = state.ClueValue;
    const long long d = Draw(random, 12.0, 2.0);
    WriteClue(state, t * d, " /", d);
}

void FindClueDivisor(PuzzleState& state)
{
    const int t = state.ClueValue;
    state.ClueDivisor = 0;
    // The wanted divisor is the largest one not above the root: searching down from the root, the
    // first one found is it (the same as the last one found searching up, in fewer steps).
    for (int i = t >= 4 ? static_cast<int>(IntegerSquareRoot(t)) : 1; i >= 2; --i) {
        if (t % i == 0) {
            state.ClueDivisor = static_cast<Integer>(i);
            return;
        }
    }
}
