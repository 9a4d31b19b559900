// Random numbers and clue texts; operands are computed in 64 bits (a dividend reaches 13 x 9998).
#include "Clues.h"

#include "NumberText.h"
#include "RandomSource.h"

#include <cmath>

namespace {

// floor(scale * r + offset), evaluated in double so the largest r below 1 never reaches the next integer.
long long Draw(RandomSource& random, double scale, double offset)
{
    return static_cast<long long>(std::floor(scale * static_cast<double>(random.next()) + offset));
}

// The first operand of a sum or difference: uniform over 1..T-5.
long long SmallOperand(long long t, RandomSource& random)
{
    return Draw(random, static_cast<double>(t - 5), 0.0) + 1;
}

// The largest divisor of t from 2 up to its square root, or 0 when there is none.
int LargestDivisorUpToRoot(int t)
{
    int root = static_cast<int>(std::sqrt(static_cast<double>(t)));
    while (root * root > t)
        --root;
    while ((root + 1) * (root + 1) <= t)
        ++root;
    for (int i = root; i >= 2; --i) {
        if (t % i == 0)
            return i;
    }
    return 0;
}

std::string Written(long long first, const char* sign, long long second)
{
    std::string text;
    AppendNumberText(text, first);
    text += sign;
    AppendNumberText(text, second);
    return text;
}

}  // namespace

int RandomDigit(RandomSource& random)
{
    const long long digit = Draw(random, 9.0, 1.0);
    return static_cast<int>(digit == 10 ? 9 : digit);
}

int RandomNumber(int digits, RandomSource& random)
{
    // Never the largest number of its length: 99, 999 and 9999 are left out.
    int lowest = 1;
    for (int d = 1; d < digits; ++d)
        lowest *= 10;
    return static_cast<int>(Draw(random, 9.0 * lowest - 1, lowest));
}

Operation RandomOperation(RandomSource& random)
{
    return static_cast<Operation>(Draw(random, 4.0, 0.0));
}

std::string ClueText(int number, Operation operation, RandomSource& random)
{
    const long long t = number;
    if (operation == Operation::Product) {
        if (const int factor = LargestDivisorUpToRoot(number))
            return Written(t / factor, " *", factor);  // the larger factor first
        operation = Operation::Quotient;
    }
    switch (operation) {
    case Operation::Sum: {
        const long long a = SmallOperand(t, random);
        return Written(a, " +", t - a);
    }
    case Operation::Difference: {
        const long long a = SmallOperand(t, random);
        return Written(t + a, " -", a);
    }
    default: {
        const long long divisor = Draw(random, 12.0, 2.0);
        return Written(t * divisor, " /", divisor);
    }
    }
}
