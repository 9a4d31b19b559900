// A GridView without a window: it keeps what the game set and records every drawing and message.
#pragma once

#include "GridView.h"

#include <array>
#include <map>
#include <string>
#include <vector>

class RecordingView : public GridView {
public:
    struct Label {
        std::string caption;
        bool visible = true;
        Rgb back = White;
    };
    struct Fill {
        int x1, y1, x2, y2;
        Rgb colour;
        friend bool operator==(const Fill&, const Fill&) = default;
    };
    struct Text {
        int x, y;
        std::string text;
        friend bool operator==(const Text&, const Text&) = default;
    };

    // What the game has set, by control.
    std::array<std::array<Label, 9>, 4> labels{};
    std::map<Control, Rgb> backColours;
    std::map<Control, bool> enabled;
    std::map<Control, std::string> texts;
    // What it has done, in order.
    std::vector<std::string> picturesLoaded;
    std::vector<Fill> fills;
    std::vector<Text> drawn;
    std::vector<std::string> messages;
    std::vector<std::string> calls;  // one line per call, for order checks

    Label& label(LabelArray array, int index)
    {
        return labels[static_cast<std::size_t>(array)][static_cast<std::size_t>(index)];
    }
    // The number of labels of an array that are visible.
    int visibleCount(LabelArray array) const;
    // Forget the drawing and call log, keep the control state.
    void clearLog();

    void SetCaption(LabelArray array, int index, const std::string& caption) override;
    void SetVisible(LabelArray array, int index, bool visible) override;
    void SetBackColor(LabelArray array, int index, Rgb colour) override;
    void SetBackColor(Control control, Rgb colour) override;
    void SetEnabled(Control control, bool isEnabled) override;
    std::string GetText(Control textBox) override;
    void SetText(Control textBox, const std::string& text) override;
    void LoadPicture(const std::string& path) override;
    void FillRectangle(int x1, int y1, int x2, int y2, Rgb colour) override;
    void DrawText(int x, int y, const std::string& text) override;
    void ShowMessage(const std::string& text) override;
};
