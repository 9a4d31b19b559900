// The controls and menus of the main window as data: names, kinds, captions, rectangles, fonts, states.
#pragma once

#include "GridView.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidthTwips = 11880;
inline constexpr int ClientHeightTwips = 8190;
inline constexpr Rgb DesignBackground{192, 255, 255};

constexpr int TwipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

enum class ControlKind {
    PictureBox,
    Label,
    PushButton,
    LineEdit,
    MultiLineEdit
};

struct FontDesign {
    std::string_view family;  // empty: the platform's default font
    double points = 0;
};

struct ControlDesign {
    std::string_view name;  // the control's name on the form
    int index = -1;         // element of a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string_view caption;
    int left = 0, top = 0, width = 0, height = 0;  // twips, outer rectangle in the client area
    FontDesign font;
    bool border = false;            // a thin single-line border
    bool centred = false;           // text alignment: centred, else left
    std::optional<Rgb> background;  // none: the platform's colour
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;  // position in the keyboard tab order; labels never take the focus
};

struct MenuDesign {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;  // empty: on the menu bar
    bool dropDown = false;    // a menu that opens, rather than a command
};

// The 15 single controls and the 34 elements of the four clue label arrays, in the form's order.
const std::vector<ControlDesign>& Form1Controls();
// The 8 menu items, in the order of the menu bar from left to right.
std::span<const MenuDesign> Form1Menus();

// The names of the controls the game addresses.
std::string_view ControlName(Control control);
std::string_view ArrayName(LabelArray array);
