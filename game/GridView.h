// What the game asks of the window: the named controls it recolours, captions, enables and draws on.
#pragma once

#include <cstdint>
#include <string>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb White{255, 255, 255};

// The window's single controls, by their names on the form.
enum class Control {
    Form1,
    Picture1,
    Label3,
    Label6,
    Label9,
    Command1,
    Command2,
    Command3,
    Text3,
    Text4,
    Text5,
    Text1,
    Text2,
    Label1,
    Label2,
    Label10,
};

// The four clue label arrays; an element's index is the clue index.
enum class LabelArray {
    Label5,  // across letters, 0 to 8
    Label4,  // across clue texts, 0 to 8
    Label7,  // down letters, 0 to 7
    Label8,  // down clue texts, 0 to 7
};

// Texts cross this seam as UTF-8. Every operation names its control; the window ignores a name
// that the operation does not apply to.
class GridView {
public:
    virtual ~GridView() = default;

    virtual void SetCaption(LabelArray array, int index, const std::string& caption) = 0;
    virtual void SetVisible(LabelArray array, int index, bool visible) = 0;
    virtual void SetBackColor(LabelArray array, int index, Rgb colour) = 0;
    virtual void SetBackColor(Control control, Rgb colour) = 0;  // the window, labels, buttons
    virtual void SetEnabled(Control control, bool enabled) = 0;  // Command1, Text3
    virtual std::string GetText(Control textBox) = 0;            // Text3, Text4, Text5
    virtual void SetText(Control textBox, const std::string& text) = 0;

    // Picture1: replace the grid picture (and everything drawn on it) with the file at path.
    virtual void LoadPicture(const std::string& path) = 0;
    // Picture1, in pixels of the grid picture: fill the rectangle with corners (x1, y1), (x2, y2).
    virtual void FillRectangle(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    // Picture1: draw text with the top-left corner of its text cell at (x, y), in the grid's font.
    virtual void DrawText(int x, int y, const std::string& text) = 0;

    // A modal message box, OK only, no icon, titled "Quadrivello1"; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
};
