// Fuzz target over the answer path: any bytes typed into Text3 and confirmed on any clue slot of any
// level change only the selected entry: a white box then one piece of the text on each of its cells,
// the pieces in order from the text's start, and its answer the number those pieces spell.
#include "Levels.h"
#include "RecordingView.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Every slot of the tables, those without an entry and no clue clicked yet (nothing drawn or stored)
    // too; the index of the direction not selected points elsewhere and must not matter.
    for (int level = 1; level <= LevelCount; ++level) {
        for (int direction = NoDirection; direction <= Down; ++direction) {
            for (int index = 0; index < 9; ++index) {
                PuzzleState state;
                std::iota(state.HorizontalAnswers.begin(), state.HorizontalAnswers.end(), Integer(1000));
                std::iota(state.VerticalAnswers.begin(), state.VerticalAnswers.end(), Integer(2000));
                state.SelectedDirection = Integer(direction);
                state.SelectedHorizontalIndex = Integer(direction == Across ? index : 8 - index);
                state.SelectedVerticalIndex = Integer(direction == Down ? index : 8 - index);
                PuzzleState expected = state;
                RecordingView view;
                view.texts[Control::Text3] = text;
                FindLevel(level)->confirm(state, view);

                std::vector<std::string> calls{"disable Command1"};
                std::string read;  // the pieces drawn, one after another
                bool pieces = true;
                if (const GridEntry* e = FindEntry(level, direction, index)) {
                    int value = 0;
                    for (std::size_t j = 0; j < std::size_t(e->length); ++j) {
                        const int x = 30 + 77 * e->cells[j].column, y = 26 + 52 * e->cells[j].row;
                        const std::string at = std::to_string(x) + " " + std::to_string(y) + " ";
                        calls.push_back("fill " + at + std::to_string(x + 15) + " " + std::to_string(y + 20) +
                                        " ffffff");
                        const std::string drawn = view.calls.size() > 2 * j + 2 ? view.calls[2 * j + 2] : "";
                        const std::string piece = drawn.substr(std::min(drawn.size(), at.size() + 5));
                        calls.push_back("draw " + at + piece);
                        // One character (a byte, or a lead byte and its continuation bytes); none only past the text.
                        pieces = pieces && piece.size() <= 4 && piece.empty() == (read.size() == text.size()) &&
                                 (piece.size() <= 1 || (std::uint8_t(piece[0]) >= 0xC2 &&
                                                        std::all_of(piece.begin() + 1, piece.end(),
                                                                    [](char c) { return (c & 0xC0) == 0x80; })));
                        read += piece;
                        value =
                            value * 10 + (piece.size() == 1 && piece[0] >= '0' && piece[0] <= '9' ? piece[0] - '0' : 0);
                    }
                    (direction == Across ? expected.HorizontalAnswers : expected.VerticalAnswers)[std::size_t(index)] =
                        Integer(value);
                }
                if (view.calls != calls || !pieces || text.compare(0, read.size(), read) != 0 ||
                    view.texts[Control::Text3] != text || state.HorizontalAnswers != expected.HorizontalAnswers ||
                    state.VerticalAnswers != expected.VerticalAnswers) {
                    std::fprintf(stderr, "answer entry broke a rule: level %d, direction %d, index %d\n", level,
                                 direction, index);
                    std::abort();
                }
            }
        }
    }
    return 0;
}
