// Recording the layout once and scaling from it, control by control, with repainting held off meanwhile.
#include "clsResize.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Nearest whole number, halves to the even neighbour; a value with no 32-bit counterpart fails.
std::int32_t RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = fraction > 0.5 ? below + 1 : below;
    if (fraction == 0.5 && std::fmod(below, 2.0) != 0)
        rounded = below + 1;
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw std::range_error("value out of range");
    return static_cast<std::int32_t>(rounded);
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Holds the window's repainting off for as long as it lives, so every way out lets it paint again.
class RepaintLock {
public:
    explicit RepaintLock(ScalableWindow& window) : window_(window) { window_.SuspendRepaint(); }
    ~RepaintLock() { window_.ResumeRepaint(); }
    RepaintLock(const RepaintLock&) = delete;
    RepaintLock& operator=(const RepaintLock&) = delete;

private:
    ScalableWindow& window_;
};

}  // namespace

std::uint8_t PercentForScreenWidth(double screenWidthTwips)
{
    if (!(screenWidthTwips > 0))
        return 100;
    return static_cast<std::uint8_t>(std::min(100.0, std::floor(1200000.0 / screenWidthTwips)));
}

std::optional<OuterBounds> WideScreenBounds(std::uint8_t Percent, double screenWidthTwips, double screenHeightTwips)
{
    const double sixteenByNine = screenWidthTwips * 9 / 16;
    if (!(screenHeightTwips < sixteenByNine))
        return std::nullopt;
    const double share = Percent / 100.0;
    const auto height = static_cast<std::int32_t>(std::floor(share * sixteenByNine));
    const auto width = static_cast<std::int32_t>(std::floor(share * screenWidthTwips));
    return OuterBounds{static_cast<float>((screenWidthTwips - width) / 2),
                       static_cast<float>((screenHeightTwips - height) / 2), width, height};
}

void clsResize::ReInitialise()
{
    Initialise();
}

void clsResize::Initialise()
{
    if (SourceForm_ == nullptr)
        return;
    ScalableWindow& form = *SourceForm_;
    BaseWidth = RoundHalfEven(form.ClientWidth());
    BaseHeight = RoundHalfEven(form.ClientHeight());
    Layouts.clear();
    Layouts.resize(static_cast<std::size_t>(std::max(0, form.ControlCount())));
    for (std::size_t i = 0; i < Layouts.size(); ++i) {
        ControlLayout& layout = Layouts[i];
        const int c = static_cast<int>(i);
        layout.control = c;
        if (form.IsLine(c)) {
            // A line that cannot give its end points is a fault of the window: it reaches the caller.
            layout.L = RoundHalfEven(form.Property(c, ControlProperty::X1));
            layout.T = RoundHalfEven(form.Property(c, ControlProperty::Y1));
            layout.W = RoundHalfEven(form.Property(c, ControlProperty::X2));
            layout.H = RoundHalfEven(form.Property(c, ControlProperty::Y2));
            continue;
        }
        // A value that cannot be read (a menu item has no position) stays 0; the next is still tried.
        const auto read = [&form, c](ControlProperty property, std::int32_t& field) {
            try {
                field = RoundHalfEven(form.Property(c, property));
            } catch (const std::exception&) {
                field = 0;
            }
        };
        read(ControlProperty::Left, layout.L);
        read(ControlProperty::Top, layout.T);
        read(ControlProperty::Width, layout.W);
        read(ControlProperty::Height, layout.H);
    }
    NeedsInitialise = false;
}

void clsResize::SizeFormToScreen(std::uint8_t Percent)
{
    if (SourceForm_ == nullptr)
        return;
    // Recorded before the window changes, so the reference is the design size.
    if (NeedsInitialise)
        Initialise();
    ScalableWindow& form = *SourceForm_;
    const double screenWidth = form.ScreenWidth();
    const double screenHeight = form.ScreenHeight();
    const double share = Percent / 100.0;
    const auto newHeight = static_cast<std::int32_t>(std::floor(share * screenHeight));
    const auto newWidth = static_cast<std::int32_t>(std::floor(share * screenWidth));
    OuterBounds bounds;
    bounds.Top = static_cast<float>((screenHeight - newHeight) / 2);
    bounds.Left = static_cast<float>((screenWidth - newWidth) / 2);
    bounds.Height = newHeight;
    bounds.Width = newWidth;
    form.SetOuterBounds(bounds);
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (SourceForm_ == nullptr)
        return;
    ScalableWindow& form = *SourceForm_;
    if (form.ControlCount() == 0)
        return;
    if (form.IsMinimised())
        return;
    if (NeedsInitialise) {
        Initialise();
        return;
    }
    // A layout recorded at no size gives no ratio to scale by: every control stays where it is.
    if (BaseWidth <= 0 || BaseHeight <= 0)
        return;
    const RepaintLock lock(form);
    const double heightRatio = form.ClientHeight() / BaseHeight;
    const double widthRatio = form.ClientWidth() / BaseWidth;
    for (const ControlLayout& layout : Layouts)
        ScaleControl(layout, widthRatio, heightRatio);
}

void clsResize::ScaleControl(const ControlLayout& layout, double widthRatio, double heightRatio)
{
    ScalableWindow& form = *SourceForm_;
    const int c = layout.control;
    // A property the control lacks is skipped and the rest still set; any other failure of the
    // control abandons it, and the next control is scaled as usual.
    const auto set = [&form, c](ControlProperty property, double twips) {
        try {
            form.SetProperty(c, property, twips);
        } catch (const PropertyUnavailable&) {
        }
    };
    try {
        std::string tag;
        try {
            tag = UpperCase(form.Tag(c));
        } catch (const PropertyUnavailable&) {
        }
        // Only a tag that starts with "@" chooses what to scale; the letters may stand anywhere in it.
        if (tag.empty() || tag.front() != '@')
            tag = "@L,T,W,H";
        const bool line = form.IsLine(c);
        if (tag.find('L') != std::string::npos)
            set(line ? ControlProperty::X1 : ControlProperty::Left, layout.L * widthRatio);
        if (tag.find('T') != std::string::npos)
            set(line ? ControlProperty::Y1 : ControlProperty::Top, layout.T * heightRatio);
        if (tag.find('W') != std::string::npos)
            set(line ? ControlProperty::X2 : ControlProperty::Width, layout.W * widthRatio);
        if (tag.find('H') != std::string::npos)
            set(line ? ControlProperty::Y2 : ControlProperty::Height, layout.H * heightRatio);
    } catch (const std::exception&) {
    }
}
