// One random stream for a whole stack, as in a game where "Genera Definizioni" is pressed again and again.
#include "SheetPuzzles.h"

#include "RandomSource.h"

SheetSet GenerateSheets(int level, int count, std::uint32_t seed, const ClassRules& rules)
{
    SheetSet set{&GetLevel(level), seed, {}, rules};
    // The puzzles are the game's own from the seed; a second stream, derived from the seed, writes their
    // clues anew for a class. The first stream never sees the class, so one answer key serves every class.
    SeededRandom random(seed);
    SeededRandom classRandom(ClassClueSeed(seed));
    for (int n = 1; n <= count; ++n) {
        set.sheets.push_back(GeneratePuzzle(*set.level, random));
        WriteCluesForClass(set.sheets.back(), rules, classRandom);
    }
    return set;
}
