// The command line of quadrivello-stampa: its options, their checks and the Italian help.
#pragma once

#include "ClassClues.h"
#include "SafeSave.h"

#include <QByteArrayList>
#include <QString>

#include <cstdint>
#include <optional>

inline constexpr int MaxSheets = 500;

struct SheetOptions {
    int level = 1;
    int sheets = 1;
    std::optional<std::uint32_t> seed;  // none: one is drawn from the clock
    bool solutions = false;
    bool overwrite = false;
    ClassRules rules;  // the class the clues are written for: from the fourth on unless asked
    FilePath output;   // exactly as given, even when it is not valid text
};

struct ParsedArguments {
    enum class Outcome {
        Run,
        Help,
        Error
    };
    Outcome outcome = Outcome::Run;
    SheetOptions options;
    QString error;  // one line, when the outcome is Error
};

// Reads the arguments that follow the program name. Values come after a blank or an '='
// ("--livello 2", "--livello=2"); an option given twice is an error rather than a silent choice.
// The arguments are the program's own bytes, so that a file name reaches the disk unchanged.
ParsedArguments ParseArguments(const QByteArrayList& arguments);

// A seed written as digits, leading zeros allowed: none when it is not one, or is out of range.
std::optional<std::uint32_t> SeedFromText(const QString& text);

// What --help prints.
QString HelpText();

// The line that follows every argument error.
QString HelpHint();
