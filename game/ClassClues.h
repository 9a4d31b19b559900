// Clues written for a school class: only numbers, operations and signs a child of that class can work out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class RandomSource;
struct Puzzle;

// The class the clues are written for. From the fourth class on the clues are the game's own.
enum class SchoolYear {
    Second = 2,    // seconda: numbers to 100, + and -, the first times tables
    Third = 3,     // terza: numbers to 1000, all the tables, division by one digit
    FourthOn = 4,  // dalla quarta: the game's own clues, "*" and "/"
};

struct ClassRules {
    SchoolYear year = SchoolYear::FourthOn;
    int tables = 10;       // 2 to 10: the largest table a product's smaller factor or a divisor belongs to
    bool division = true;  // the third class may leave division out; the second never has it
    friend bool operator==(const ClassRules&, const ClassRules&) = default;
};

// The year's rules as a class starts with them: tables up to 5 in the second class, up to 10 in the third.
ClassRules DefaultRules(SchoolYear year);
// Whether the answers of a level suit the year: the second class only level 1's two-digit answers, the
// third levels 1 and 2, from the fourth on every level.
bool YearFitsLevel(SchoolYear year, int level);
// The Italian name of the year as a teacher reads it: "seconda", "terza", "dalla quarta".
std::string_view YearName(SchoolYear year);

// A clue for `number` (10 to 999 for the third class, 10 to 99 for the second) within the rules: every
// number written in it at most 99 or 999, a product a times-table fact (second class) or a number by
// one digit (third), a division exact by one digit. The operation is drawn among those the class has;
// when it cannot write the number, one that can is drawn (a sum always can). Written with the signs of
// the class's schoolbooks: " 45 + 37", " 91 − 27", " 7 × 8", " 84 : 4".
std::string ClassClueText(int number, const ClassRules& rules, RandomSource& random);

// Writes every clue of the puzzle anew for the class, across entries first, each in entry order, with
// the words a screen reader says for it. The numbers, and so the answers and the answer key, stay as
// they are. From the fourth class on nothing changes and nothing is drawn.
void WriteCluesForClass(Puzzle& puzzle, const ClassRules& rules, RandomSource& random);

// A class's clues come from a stream of their own, seeded from the puzzles' seed: the puzzles' stream
// draws exactly what it draws without a class, so every class gets the same answers for a seed.
std::uint32_t ClassClueSeed(std::uint32_t puzzleSeed);

// A class's clue as a child says it, for a screen reader that would read ":" as "due punti": " 84 : 4"
// is " 84 diviso 4", and likewise "più", "meno", "per".
std::string SpokenClue(std::string_view clue);
