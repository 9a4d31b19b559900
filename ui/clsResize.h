// The scaler: sizes a window as a share of the screen, centres it, and keeps its controls in proportion.
#pragma once

#include "ScalableWindow.h"

#include <cstdint>
#include <optional>
#include <vector>

// A control's rectangle (or a line's end points) as recorded at the reference size.
struct ControlLayout {
    int control = 0;     // the control's place in the window's order
    std::int32_t L = 0;  // Left, or X1 of a line
    std::int32_t T = 0;  // Top, or Y1
    std::int32_t W = 0;  // Width, or X2
    std::int32_t H = 0;  // Height, or Y2
};

// The share of the screen that makes a window about 12000 twips (800 pixels) wide. Never more than
// 100: on a screen narrower than that the window takes the whole screen instead of overflowing it.
std::uint8_t PercentForScreenWidth(double screenWidthTwips);

// On a screen wider than 16:9 a window as low as its share of the screen's height leaves its
// controls too low for their text: the outer bounds it gets instead, the height it would have on
// a 16:9 screen as wide, centred. Nothing for any other screen.
std::optional<OuterBounds> WideScreenBounds(std::uint8_t Percent, double screenWidthTwips, double screenHeightTwips);

class clsResize {
public:
    clsResize() = default;

    // The window being scaled; it is referred to, not owned, and must outlive this object's use of it.
    ScalableWindow* SourceForm() const { return SourceForm_; }
    void SourceForm(ScalableWindow& New_SourceForm) { SourceForm_ = &New_SourceForm; }

    // Records the layout again, for a window whose controls have changed.
    void ReInitialise();
    // Makes the window Percent per cent of the screen's width and height, centres it, and rescales.
    void SizeFormToScreen(std::uint8_t Percent);
    // Moves and resizes every recorded control by the ratio of the present client size to the recorded one.
    void ResizeControls();

private:
    void Initialise();
    void ScaleControl(const ControlLayout& layout, double widthRatio, double heightRatio);

    ScalableWindow* SourceForm_ = nullptr;
    std::int32_t BaseWidth = 0;  // client size when the layout was recorded, twips
    std::int32_t BaseHeight = 0;
    std::vector<ControlLayout> Layouts;
    bool NeedsInitialise = true;
};
