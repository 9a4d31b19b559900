// Clues for the second and third classes: each operation's possible writings of a number, one drawn.
#include "ClassClues.h"

#include "Clues.h"
#include "NumberText.h"
#include "Puzzle.h"
#include "RandomSource.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

// The signs of Italian schoolbooks, each between blanks as the game's own signs are.
const char* const Plus = " +";
const char* const Minus = " \xE2\x88\x92";  // −, the minus sign
const char* const Times = " \xC3\x97";      // ×
const char* const Divided = " :";

struct Writing {
    long long first = 0;
    const char* sign = Plus;
    long long second = 0;
};

// One draw: a whole number from 0 to count - 1, each equally likely.
int Pick(RandomSource& random, std::size_t count)
{
    const auto n = static_cast<int>(count);
    return std::min(n - 1, static_cast<int>(static_cast<double>(random.next()) * n));
}

int LargestNumber(SchoolYear year)
{
    return year == SchoolYear::Second ? 99 : 999;
}

// The largest factor or divisor the rules allow: the table chosen, and one digit in the third class.
int LargestFactor(const ClassRules& rules)
{
    const int tables = std::clamp(rules.tables, 2, 10);
    return rules.year == SchoolYear::Third ? std::min(tables, 9) : tables;
}

std::vector<Operation> Operations(const ClassRules& rules)
{
    std::vector<Operation> operations{Operation::Sum, Operation::Difference, Operation::Product};
    if (rules.year == SchoolYear::Third && rules.division)
        operations.push_back(Operation::Quotient);
    return operations;
}

// Whether the operation can write t within the rules; a sum always can.
bool CanWrite(Operation operation, int t, const ClassRules& rules)
{
    const int largest = LargestFactor(rules);
    switch (operation) {
    case Operation::Sum: return true;
    case Operation::Difference: return t + 1 <= LargestNumber(rules.year);
    case Operation::Product:
        for (int f = 2; f <= largest; ++f) {
            // The second class multiplies a table by 2 to 10; the third any number by one digit.
            if (t % f == 0 && t / f >= 2 && (rules.year == SchoolYear::Third || t / f <= 10))
                return true;
        }
        return false;
    case Operation::Quotient: return 2 * t <= LargestNumber(rules.year) && largest >= 2;
    }
    return false;
}

// The operation's writing of t, with its draws: the first operand of a sum or a difference, which
// factor or divisor of those allowed, and for a times-table fact which factor comes first.
Writing Write(Operation operation, int t, const ClassRules& rules, RandomSource& random)
{
    const int largest = LargestFactor(rules);
    switch (operation) {
    case Operation::Sum: {
        const int a = Pick(random, static_cast<std::size_t>(t - 5)) + 1;  // the second addend at least 5
        return {a, Plus, t - a};
    }
    case Operation::Difference: {
        // The subtrahend from 1 to t - 5, as in the game's own clues, while the minuend stays within the class.
        const int most = std::min(t - 5, LargestNumber(rules.year) - t);
        const int a = Pick(random, static_cast<std::size_t>(most)) + 1;
        return {t + a, Minus, a};
    }
    case Operation::Product: {
        std::vector<int> factors;
        for (int f = 2; f <= largest; ++f)
            if (t % f == 0 && t / f >= 2 && (rules.year == SchoolYear::Third || t / f <= 10))
                factors.push_back(f);
        const int f = factors[static_cast<std::size_t>(Pick(random, factors.size()))];
        const int q = t / f;
        // A fact of the tables is learnt both ways round; a longer product puts the larger number first.
        const bool tableFirst = rules.year == SchoolYear::Second ? Pick(random, 2) == 0 : f > q;
        return tableFirst ? Writing{f, Times, q} : Writing{q, Times, f};
    }
    case Operation::Quotient: {
        const int most = std::min(largest, LargestNumber(rules.year) / t);
        const int d = Pick(random, static_cast<std::size_t>(most - 1)) + 2;
        return {static_cast<long long>(t) * d, Divided, d};
    }
    }
    return {};
}

}  // namespace

ClassRules DefaultRules(SchoolYear year)
{
    return {year, year == SchoolYear::Second ? 5 : 10, true};
}

bool YearFitsLevel(SchoolYear year, int level)
{
    return level >= 1 && level <= static_cast<int>(year) - 1;
}

std::string_view YearName(SchoolYear year)
{
    switch (year) {
    case SchoolYear::Second: return "seconda";
    case SchoolYear::Third: return "terza";
    case SchoolYear::FourthOn: break;
    }
    return "dalla quarta";
}

std::string ClassClueText(int number, const ClassRules& rules, RandomSource& random)
{
    const std::vector<Operation> operations = Operations(rules);
    Operation operation = operations[static_cast<std::size_t>(Pick(random, operations.size()))];
    if (!CanWrite(operation, number, rules)) {
        std::vector<Operation> able;
        std::copy_if(operations.begin(), operations.end(), std::back_inserter(able),
                     [&](Operation o) { return CanWrite(o, number, rules); });
        operation = able[static_cast<std::size_t>(Pick(random, able.size()))];
    }
    const Writing w = Write(operation, number, rules, random);
    std::string text;
    AppendNumberText(text, w.first);
    text += w.sign;
    AppendNumberText(text, w.second);
    return text;
}

void WriteCluesForClass(Puzzle& puzzle, const ClassRules& rules, RandomSource& random)
{
    if (rules.year == SchoolYear::FourthOn)
        return;
    for (auto* entries : {&puzzle.across, &puzzle.down})
        for (PuzzleEntry& entry : *entries) {
            entry.clue = ClassClueText(entry.number, rules, random);
            entry.spoken = SpokenClue(entry.clue);
        }
}

std::uint32_t ClassClueSeed(std::uint32_t puzzleSeed)
{
    // seed_seq's mixing is fixed by the C++ standard, so a seed gives the same clues on every machine.
    std::seed_seq sequence{puzzleSeed, 0x436c6173u};
    std::uint32_t seed = 0;
    sequence.generate(&seed, &seed + 1);
    return seed;
}

std::string SpokenClue(std::string_view clue)
{
    static const std::pair<std::string_view, std::string_view> words[] = {
        {" + ", " più "}, {" \xE2\x88\x92 ", " meno "}, {" \xC3\x97 ", " per "}, {" : ", " diviso "}};
    std::string spoken(clue);
    for (const auto& [sign, word] : words) {
        if (const auto at = spoken.find(sign); at != std::string::npos)
            spoken.replace(at, sign.size(), word);
    }
    return spoken;
}
