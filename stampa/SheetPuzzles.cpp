// Running the game's generation into a view that only keeps what a sheet shows.
#include "SheetPuzzles.h"

#include "Generation.h"
#include "GridView.h"
#include "Levels.h"
#include "PuzzleState.h"
#include "RandomSource.h"

#include <array>
#include <map>
#include <stdexcept>

namespace {

// The window side of generation without a window: label captions and text boxes, nothing drawn.
class SheetView final : public GridView {
public:
    std::string caption(LabelArray array, int index) const
    {
        return captions_[static_cast<std::size_t>(array)][static_cast<std::size_t>(index)];
    }

    void SetCaption(LabelArray array, int index, const std::string& caption) override
    {
        captions_[static_cast<std::size_t>(array)][static_cast<std::size_t>(index)] = caption;
    }
    void SetVisible(LabelArray, int, bool) override {}
    void SetBackColor(LabelArray, int, Rgb) override {}
    void SetBackColor(Control, Rgb) override {}
    void SetEnabled(Control, bool) override {}
    std::string GetText(Control textBox) override { return texts_[textBox]; }
    void SetText(Control textBox, const std::string& text) override { texts_[textBox] = text; }
    void LoadPicture(const std::string&) override {}
    void FillRectangle(int, int, int, int, Rgb) override {}
    void DrawText(int, int, const std::string&) override {}
    void ShowMessage(const std::string&) override {}

private:
    std::array<std::array<std::string, ClueSlots>, 4> captions_{};
    std::map<Control, std::string> texts_;
};

// The solution list's lines, each written with a carriage return and line feed at its end.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

}  // namespace

SheetSet GenerateSheets(int level, int count, std::uint32_t seed)
{
    const LevelData* data = FindLevel(level);
    if (data == nullptr)
        throw std::invalid_argument("no such level");
    SheetSet set{data, seed, {}};
    // One state, one view and one random stream for the whole stack, as in a game where
    // "Genera Definizioni" is pressed again and again.
    SeededRandom random(seed);
    PuzzleState state;
    state.CurrentLevel = static_cast<Integer>(level);
    SheetView view;
    for (int n = 1; n <= count; ++n) {
        GeneratePuzzle(*data, state, view, random);
        SheetPuzzle puzzle;
        puzzle.number = n;
        for (std::size_t i = 0; i < data->acrossLetters.size(); ++i) {
            const int k = static_cast<int>(i);
            puzzle.across.push_back(state.HorizontalSolutions[i]);
            puzzle.acrossLetters.push_back(view.caption(LabelArray::Label5, k));
            puzzle.acrossClues.push_back(view.caption(LabelArray::Label4, k));
        }
        for (std::size_t i = 0; i < data->downLetters.size(); ++i) {
            const int k = static_cast<int>(i);
            puzzle.down.push_back(state.VerticalSolutions[i]);
            puzzle.downLetters.push_back(view.caption(LabelArray::Label7, k));
            puzzle.downClues.push_back(view.caption(LabelArray::Label8, k));
        }
        puzzle.acrossSolutions = Lines(view.GetText(Control::Text4));
        puzzle.downSolutions = Lines(view.GetText(Control::Text5));
        set.sheets.push_back(std::move(puzzle));
    }
    return set;
}

std::vector<std::vector<int>> CellDigits(const LevelData& level, const SheetPuzzle& puzzle)
{
    std::vector<std::vector<int>> digits(GridRows, std::vector<int>(GridColumns, -1));
    const auto fill = [&](std::span<const GridEntry> entries, const std::vector<int>& numbers) {
        for (const GridEntry& entry : entries) {
            const std::string text = std::to_string(numbers[static_cast<std::size_t>(entry.index)]);
            for (int j = 0; j < entry.length && j < static_cast<int>(text.size()); ++j) {
                const Cell cell = entry.cells[static_cast<std::size_t>(j)];
                digits[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] =
                    text[static_cast<std::size_t>(j)] - '0';
            }
        }
    };
    // Crossing digits agree, so which direction writes a shared cell last does not matter.
    fill(level.geometry.across, puzzle.across);
    fill(level.geometry.down, puzzle.down);
    return digits;
}
