// The grid entries and generation rules of the three levels, and the lookups over them.
#include "Levels.h"

#include "AnswerEntry.h"
#include "Generation.h"

namespace {

// The tables keep one row per line.
// clang-format off
// Level 1: nine across and eight down entries, all of two cells.
constexpr std::array Level1Across{
    AcrossEntry(0, 'A', 0, 0, 2), AcrossEntry(1, 'C', 0, 3, 2), AcrossEntry(2, 'E', 1, 1, 2),
    AcrossEntry(3, 'G', 1, 4, 2), AcrossEntry(4, 'L', 2, 2, 2), AcrossEntry(5, 'N', 3, 0, 2),
    AcrossEntry(6, 'P', 3, 3, 2), AcrossEntry(7, 'R', 4, 1, 2), AcrossEntry(8, 'S', 4, 4, 2),
};
constexpr std::array Level1Down{
    DownEntry(0, 'B', 1, 0, 2), DownEntry(1, 'D', 4, 0, 2), DownEntry(2, 'F', 2, 1, 2),
    DownEntry(3, 'H', 5, 1, 2), DownEntry(4, 'I', 0, 2, 2), DownEntry(5, 'M', 3, 2, 2),
    DownEntry(6, 'O', 1, 3, 2), DownEntry(7, 'Q', 4, 3, 2),
};
constexpr std::array<AcrossRule, 9> Level1AcrossRules{{
    {0, 'A', 2, {2}}, {1, 'C', 2, {2}}, {2, 'E', 2, {2}}, {3, 'G', 2, {2}}, {4, 'L', 2, {2}},
    {5, 'N', 2, {2}}, {6, 'P', 2, {2}}, {7, 'R', 2, {}}, {8, 'S', 2, {}},
}};
constexpr std::array<DownRule, 8> Level1DownRules{{
    {0, 'B', 2, {DigitOf(0, 2), DigitOf(2, 1)}},
    {1, 'D', 2, {DigitOf(1, 2), DigitOf(3, 1)}},
    {2, 'F', 2, {DigitOf(2, 2), DigitOf(4, 1)}},
    {3, 'H', 2, {DigitOf(3, 2), Free}},
    {4, 'I', 2, {Free, DigitOf(5, 1)}},
    {5, 'M', 2, {DigitOf(4, 2), DigitOf(6, 1)}},
    {6, 'O', 2, {DigitOf(5, 2), DigitOf(7, 1)}},
    {7, 'Q', 2, {DigitOf(6, 2), DigitOf(8, 1)}},
}};

// Level 2: eight across and seven down entries of two or three cells.
constexpr std::array Level2Across{
    AcrossEntry(0, 'A', 0, 0, 2), AcrossEntry(1, 'C', 0, 3, 3), AcrossEntry(2, 'E', 1, 0, 2),
    AcrossEntry(3, 'F', 1, 3, 2), AcrossEntry(4, 'G', 2, 2, 2), AcrossEntry(5, 'I', 3, 1, 2),
    AcrossEntry(6, 'L', 3, 4, 2), AcrossEntry(7, 'M', 4, 0, 3),
};
constexpr std::array Level2Down{
    DownEntry(0, 'A', 0, 0, 3), DownEntry(1, 'B', 1, 0, 2), DownEntry(2, 'C', 3, 0, 3),
    DownEntry(3, 'D', 4, 0, 2), DownEntry(4, 'G', 2, 2, 3), DownEntry(5, 'H', 5, 2, 3),
    DownEntry(6, 'I', 1, 3, 2),
};
constexpr std::array<AcrossRule, 8> Level2AcrossRules{{
    {0, 'A', 2, {2}}, {1, 'C', 3, {2}}, {2, 'E', 2, {}}, {3, 'F', 2, {}},
    {4, 'G', 2, {}}, {5, 'I', 2, {}}, {6, 'L', 2, {}}, {7, 'M', 3, {}},
}};
constexpr std::array<DownRule, 7> Level2DownRules{{
    {0, 'A', 3, {DigitOf(0, 1), DigitOf(2, 1), Free}},
    {1, 'B', 2, {DigitOf(0, 2), DigitOf(2, 2)}},
    {2, 'C', 3, {DigitOf(1, 1), DigitOf(3, 1), DigitOf(4, 2)}},
    {3, 'D', 2, {DigitOf(1, 2), DigitOf(3, 2)}},
    {4, 'G', 3, {DigitOf(4, 1), DigitOf(5, 2), DigitOf(7, 3)}},
    {5, 'H', 3, {Free, DigitOf(6, 2), Free}},
    {6, 'I', 2, {DigitOf(5, 1), DigitOf(7, 2)}},
}};

// Level 3: seven across and six down entries of two to four cells.
constexpr std::array Level3Across{
    AcrossEntry(0, 'A', 0, 0, 4), AcrossEntry(1, 'E', 1, 0, 2), AcrossEntry(2, 'F', 1, 3, 3),
    AcrossEntry(3, 'H', 2, 0, 2), AcrossEntry(4, 'I', 2, 3, 3), AcrossEntry(5, 'L', 3, 2, 4),
    AcrossEntry(6, 'M', 4, 1, 2),
};
constexpr std::array Level3Down{
    DownEntry(0, 'A', 0, 0, 4), DownEntry(1, 'B', 1, 0, 3), DownEntry(2, 'C', 3, 0, 4),
    DownEntry(3, 'D', 5, 0, 4), DownEntry(4, 'G', 4, 1, 4), DownEntry(5, 'L', 2, 3, 2),
};
constexpr std::array<AcrossRule, 7> Level3AcrossRules{{
    {0, 'A', 4, {2, 4}}, {1, 'E', 2, {}}, {2, 'F', 3, {2}}, {3, 'H', 2, {}},
    {4, 'I', 3, {}}, {5, 'L', 4, {}}, {6, 'M', 2, {}},
}};
constexpr std::array<DownRule, 6> Level3DownRules{{
    {0, 'A', 4, {DigitOf(0, 1), DigitOf(1, 1), DigitOf(3, 1), Free}},
    {1, 'B', 3, {DigitOf(0, 2), DigitOf(1, 2), DigitOf(3, 2)}},
    {2, 'C', 4, {DigitOf(0, 4), DigitOf(2, 1), DigitOf(4, 1), DigitOf(5, 2)}},
    {3, 'D', 4, {Free, DigitOf(2, 3), DigitOf(4, 3), DigitOf(5, 4)}},
    {4, 'G', 4, {DigitOf(2, 2), DigitOf(4, 2), DigitOf(5, 3), Free}},
    {5, 'L', 2, {DigitOf(5, 1), DigitOf(6, 2)}},
}};

const std::array<LevelData, LevelCount> AllLevels{{
    {1, "/Dati/Schema-01.bmp", {{192, 192, 255}, {153, 102, 204}}, "ACEGLNPRS", "BDFHIMOQ",
     {Level1Across, Level1Down, 2}, {Level1AcrossRules, Level1DownRules},
     GeneratePuzzleLevel1, ConfirmAnswerLevel1},
    {2, "/Dati/Schema-02.bmp", {{192, 255, 192}, {0, 255, 0}}, "ACEFGILM", "ABCDGHI",
     {Level2Across, Level2Down, 3}, {Level2AcrossRules, Level2DownRules},
     GeneratePuzzleLevel2, ConfirmAnswerLevel2},
    {3, "/Dati/Schema-03.bmp", {{192, 255, 255}, {0, 153, 255}}, "AEFHILM", "ABCDGL",
     {Level3Across, Level3Down, 4}, {Level3AcrossRules, Level3DownRules},
     GeneratePuzzleLevel3, ConfirmAnswerLevel3},
}};
// clang-format on

}  // namespace

const LevelData* FindLevel(int number)
{
    if (number < 1 || number > LevelCount)
        return nullptr;
    return &AllLevels[static_cast<std::size_t>(number - 1)];
}

const GridEntry* FindEntry(int level, int direction, int index)
{
    const LevelData* data = FindLevel(level);
    if (data == nullptr || index < 0)
        return nullptr;
    std::span<const GridEntry> entries;
    if (direction == Across)
        entries = data->geometry.across;
    else if (direction == Down)
        entries = data->geometry.down;
    if (static_cast<std::size_t>(index) >= entries.size())
        return nullptr;
    return &entries[static_cast<std::size_t>(index)];
}
