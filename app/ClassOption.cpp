// Reading --classe, with the wording and checks of quadrivello-stampa's options.
#include "ClassOption.h"

#include <string_view>

ClassOption ReadClassOption(int argc, const char* const* argv)
{
    ClassOption option;
    bool seen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view value;
        if (argument == "--classe") {
            if (i + 1 >= argc)
                return {option.year, "manca il valore dell'opzione --classe"};
            value = argv[++i];
        } else if (argument.starts_with("--classe=")) {
            value = argument.substr(9);
        } else {
            continue;
        }
        if (seen)
            return {option.year, "l'opzione --classe è data più di una volta"};
        seen = true;
        if (value != "2" && value != "3" && value != "4")
            return {option.year, "classe non valida: «" + std::string(value) + "» (deve essere 2, 3 o 4)"};
        option.year = static_cast<SchoolYear>(value[0] - '0');
    }
    return option;
}
