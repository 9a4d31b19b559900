// Fuzz target over the answer path: any bytes typed and confirmed on any clue of any level change only
// the chosen entry: one piece of the text for each of its cells, the pieces in order from the text's
// start, and its answer the number those pieces spell.
#include "Play.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Broken(int level, int direction, int index)
{
    std::fprintf(stderr, "answer entry broke a rule: level %d, direction %d, index %d\n", level, direction, index);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Every clue slot the window has, those the level lacks and no clue chosen too.
    for (int level = 1; level <= LevelCount; ++level) {
        for (int direction = 0; direction <= 2; ++direction) {
            for (int index = 0; index < 9; ++index) {
                SeededRandom random(static_cast<std::uint32_t>(level));
                Play play(GeneratePuzzle(GetLevel(level), random));
                const ClueRef clue{direction == 1 ? Direction::Down : Direction::Across, index};
                const Entry* entry = nullptr;
                if (direction > 0 && play.choose(clue))
                    entry = play.puzzle().entries(clue.direction)[std::size_t(index)].entry;
                const std::vector<CellCharacter> written = play.confirm(text);

                std::string read;  // the pieces written, one after another
                int value = 0;
                bool sound = written.size() == (entry != nullptr ? entry->cells.size() : 0);
                for (std::size_t j = 0; sound && j < written.size(); ++j) {
                    const std::string& piece = written[j].character;
                    // One character (a byte, or a lead byte and its continuation bytes); none only past the text.
                    sound = written[j].cell == entry->cells[j] && piece.size() <= 4 &&
                            piece.empty() == (read.size() == text.size()) &&
                            (piece.size() <= 1 ||
                             (std::uint8_t(piece[0]) >= 0xC2 &&
                              std::all_of(piece.begin() + 1, piece.end(), [](char c) { return (c & 0xC0) == 0x80; })));
                    read += piece;
                    value = value * 10 + (piece.size() == 1 && piece[0] >= '0' && piece[0] <= '9' ? piece[0] - '0' : 0);
                }
                for (const Direction d : {Direction::Across, Direction::Down}) {
                    for (int i = 0; sound && i < int(play.puzzle().entries(d).size()); ++i)
                        sound = play.answer({d, i}) == (entry != nullptr && ClueRef{d, i} == clue ? value : 0);
                }
                if (!sound || text.compare(0, read.size(), read) != 0)
                    Broken(level, direction, index);
            }
        }
    }
    return 0;
}
