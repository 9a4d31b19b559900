// What the scaler needs of a window and its controls, in twips, with no toolkit behind it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A control's position is a rectangle (Left, Top, Width, Height) or, for a line, two end points.
enum class ControlProperty {
    Left,
    Top,
    Width,
    Height,
    X1,
    Y1,
    X2,
    Y2
};

// Thrown by a control that has no such property, or whose property cannot be read or set now
// (a menu item has no position). The scaler then skips just that property.
class PropertyUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window's outer rectangle, frame, title bar and menu bar included, on its screen, in twips.
struct OuterBounds {
    float Left = 0;
    float Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

class ScalableWindow {
public:
    virtual ~ScalableWindow() = default;

    // The client area (below the menu bar) in twips.
    virtual double ClientWidth() const = 0;
    virtual double ClientHeight() const = 0;
    virtual void SetOuterBounds(const OuterBounds& bounds) = 0;
    virtual bool IsMinimised() const = 0;

    // Repainting of the whole window is suspended between these two calls.
    virtual void SuspendRepaint() = 0;
    virtual void ResumeRepaint() = 0;

    // Controls are addressed by their place in the window's fixed order, 0 to ControlCount() - 1.
    // Property and SetProperty throw PropertyUnavailable for a property the control cannot give or
    // take; any other exception means the control itself failed.
    virtual int ControlCount() const = 0;
    virtual bool IsLine(int control) const = 0;
    virtual double Property(int control, ControlProperty property) const = 0;
    virtual void SetProperty(int control, ControlProperty property, double twips) = 0;
    // A free text the designer may give a control; empty unless set.
    virtual std::string Tag(int control) const = 0;

    // The screen the window is on, in twips.
    virtual double ScreenWidth() const = 0;
    virtual double ScreenHeight() const = 0;
};
