// The main window's design: every control with its rectangle in twips, and the menu tree.
#include "ControlTable.h"

#include <array>

namespace {

constexpr FontDesign Verdana975{"Verdana", 9.75};
constexpr FontDesign Verdana1425{"Verdana", 14.25};
constexpr FontDesign Arial975{"Arial", 9.75};
constexpr FontDesign Arial12{"Arial", 12};
constexpr FontDesign DefaultFont{};
constexpr Rgb DesignButton{255, 192, 128};

// Placeholder captions of the clue arrays; the first puzzle replaces every one of them.
constexpr std::array<std::string_view, 9> Label5Captions{"A", "C", "E", "F", "G", "I", "L", "M", "M"};
constexpr std::array<std::string_view, 9> Label4Captions{" 25 x 3", " 250 - 80", " 700 / 10",  " 20 + 30",  " 30 x 3",
                                                         " 21 x 3", " 5 x 5",    " 800 - 135", " 800 - 135"};
constexpr std::array<std::string_view, 8> Label7Captions{"A", "B", "C", "D", "G", "H", "I", "I"};
constexpr std::array<std::string_view, 8> Label8Captions{" 111 * 7",   " 100 / 2", " 100 + 50", " 100 \u2013 30",
                                                         " 800 + 135", " 150 x 3", " 11 X 6",   " 11 X 6"};

// Tab positions of the array elements: the last element of each array was added later in the tab order.
constexpr int ArrayTab(int firstTab, int lastTab, int count, int i)
{
    return i == count - 1 ? lastTab : firstTab + i;
}

std::vector<ControlDesign> BuildControls()
{
    using K = ControlKind;
    // One design row per line.
    // clang-format off
    std::vector<ControlDesign> c{
        // Visible single controls.
        {"Picture1", -1, K::PictureBox, "", 2520, 480, 6960, 3990, Verdana1425, false, false, std::nullopt, true, true, 0},
        {"Label3", -1, K::Label, "Orizzontali", 600, 360, 1095, 255, Verdana975, false, false, std::nullopt, true, true, -1},
        {"Label6", -1, K::Label, "Verticali", 10200, 360, 975, 255, Verdana975, false, false, std::nullopt, true, true, -1},
        {"Command2", -1, K::PushButton, "Genera Definizioni", 120, 6480, 1935, 495, Arial975, false, true, DesignButton, true, true, 39},
        {"Text3", -1, K::LineEdit, "", 5400, 6720, 735, 375, Arial975, false, false, std::nullopt, true, false, 14},
        {"Command1", -1, K::PushButton, "Conferma", 6240, 6600, 1215, 495, Arial975, false, true, DesignButton, true, true, 15},
        {"Command3", -1, K::PushButton, "Controllo", 10440, 6600, 1215, 495, Arial975, false, true, DesignButton, true, true, 40},
        // Hidden single controls: they exist and are never shown.
        {"Text4", -1, K::MultiLineEdit, "", 240, 5400, 975, 2415, DefaultFont, false, false, std::nullopt, false, true, 41},
        {"Text5", -1, K::MultiLineEdit, "", 10320, 5040, 975, 2655, DefaultFont, false, false, std::nullopt, false, true, 42},
        {"Text1", -1, K::LineEdit, "", 2880, 6720, 975, 375, DefaultFont, false, false, std::nullopt, false, true, 1},
        {"Text2", -1, K::LineEdit, "", 2880, 7200, 975, 405, DefaultFont, false, false, std::nullopt, false, true, 4},
        {"Label1", -1, K::Label, "x =", 2040, 6720, 495, 255, DefaultFont, false, false, std::nullopt, false, true, -1},
        {"Label2", -1, K::Label, "y =", 2040, 7200, 495, 255, DefaultFont, false, false, std::nullopt, false, true, -1},
        {"Label9", -1, K::Label, "Modificati", 3960, 7320, 975, 255, Arial975, false, false, std::nullopt, false, true, -1},
        {"Label10", -1, K::Label, "", 5400, 7320, 495, 255, Arial12, false, true, White, false, true, -1},
    };
    // clang-format on
    // The clue arrays: letter boxes and clue texts, one row of 480 twips per clue.
    for (int i = 0; i < 9; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.push_back({"Label5", i, K::Label, Label5Captions[k], 120, 720 + 480 * i, 375, 375, Arial975, true, true,
                     White, true, true, ArrayTab(16, 44, 9, i)});
        c.push_back({"Label4", i, K::Label, Label4Captions[k], 480, 720 + 480 * i, 1695, 375, Arial975, true, false,
                     White, true, true, ArrayTab(6, 43, 9, i)});
    }
    for (int i = 0; i < 8; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.push_back({"Label7", i, K::Label, Label7Captions[k], 9720, 840 + 480 * i, 375, 375, Arial975, true, true,
                     White, true, true, ArrayTab(25, 46, 8, i)});
        c.push_back({"Label8", i, K::Label, Label8Captions[k], 10080, 840 + 480 * i, 1575, 375, Arial975, true, false,
                     White, true, true, ArrayTab(32, 45, 8, i)});
    }
    return c;
}

constexpr std::array<MenuDesign, 8> Menus{{
    {"mnuEsci", "Esci", "", false},
    {"mnuLivelli", "Livelli", "", true},
    {"mnuLiv1", "Livello 1", "mnuLivelli", false},
    {"mnuLiv2", "Livello 2", "mnuLivelli", false},
    {"mnuLiv3", "Livello 3", "mnuLivelli", false},
    {"mnuHelp", "Help", "", false},
    {"mnuInfo", "Info", "", true},
    {"mnuInfo1", "Info", "mnuInfo", false},
}};

}  // namespace

const std::vector<ControlDesign>& Form1Controls()
{
    static const std::vector<ControlDesign> controls = BuildControls();
    return controls;
}

std::span<const MenuDesign> Form1Menus()
{
    return Menus;
}

std::string_view ControlName(Control control)
{
    switch (control) {
    case Control::Form1: return "Form1";
    case Control::Picture1: return "Picture1";
    case Control::Label3: return "Label3";
    case Control::Label6: return "Label6";
    case Control::Label9: return "Label9";
    case Control::Command1: return "Command1";
    case Control::Command2: return "Command2";
    case Control::Command3: return "Command3";
    case Control::Text3: return "Text3";
    case Control::Text4: return "Text4";
    case Control::Text5: return "Text5";
    case Control::Text1: return "Text1";
    case Control::Text2: return "Text2";
    case Control::Label1: return "Label1";
    case Control::Label2: return "Label2";
    case Control::Label10: return "Label10";
    }
    return {};
}

std::string_view ArrayName(LabelArray array)
{
    switch (array) {
    case LabelArray::Label5: return "Label5";
    case LabelArray::Label4: return "Label4";
    case LabelArray::Label7: return "Label7";
    case LabelArray::Label8: return "Label8";
    }
    return {};
}
