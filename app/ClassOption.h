// The game's one option, --classe 2|3|4: the class the clues are written for, as a school's launcher sets it.
#pragma once

#include "ClassClues.h"

#include <string>

struct ClassOption {
    SchoolYear year = SchoolYear::FourthOn;
    std::string error;  // one Italian line when the option is wrong; the game then does not start
};

// Reads "--classe N" or "--classe=N" among the program's arguments (argv[0] is the program); others are
// left to Qt.
ClassOption ReadClassOption(int argc, const char* const* argv);
