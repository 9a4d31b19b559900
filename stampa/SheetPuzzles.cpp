// One random stream for a whole stack, as in a game where "Genera Definizioni" is pressed again and again.
#include "SheetPuzzles.h"

#include "RandomSource.h"

SheetSet GenerateSheets(int level, int count, std::uint32_t seed)
{
    SheetSet set{&GetLevel(level), seed, {}};
    SeededRandom random(seed);
    for (int n = 1; n <= count; ++n)
        set.sheets.push_back(GeneratePuzzle(*set.level, random));
    return set;
}
