// A GridView without a window: it keeps what the game set, and logs what it enabled, drew and said.
#pragma once

#include "GridView.h"

#include <array>
#include <cstdio>
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
    std::array<std::array<Label, 9>, 4> labels{};
    std::map<Control, bool> enabled;
    std::map<Control, std::string> texts;
    // One line per call: "disable Command1", "fill 30 26 45 46 ffffff", "draw 30 26 4", "message ...".
    std::vector<std::string> calls;

    Label& label(LabelArray array, int i) { return labels[std::size_t(array)][std::size_t(i)]; }
    void SetCaption(LabelArray array, int i, const std::string& text) override { label(array, i).caption = text; }
    void SetVisible(LabelArray array, int i, bool visible) override { label(array, i).visible = visible; }
    void SetBackColor(LabelArray array, int i, Rgb colour) override { label(array, i).back = colour; }
    void SetBackColor(Control, Rgb) override {}
    void SetEnabled(Control control, bool on) override
    {
        enabled[control] = on;
        calls.push_back(std::string(on ? "enable " : "disable ") +
                        (control == Control::Command1 ? "Command1" : "Text3"));
    }
    std::string GetText(Control control) override { return texts[control]; }
    void SetText(Control control, const std::string& text) override { texts[control] = text; }
    void LoadPicture(const std::string& path) override { calls.push_back("picture " + path); }
    void FillRectangle(int x1, int y1, int x2, int y2, Rgb c) override
    {
        char line[64];
        std::snprintf(line, sizeof line, "fill %d %d %d %d %02x%02x%02x", x1, y1, x2, y2, c.r, c.g, c.b);
        calls.push_back(line);
    }
    void DrawText(int x, int y, const std::string& text) override
    {
        calls.push_back("draw " + std::to_string(x) + " " + std::to_string(y) + " " + text);
    }
    void ShowMessage(const std::string& text) override { calls.push_back("message " + text); }
};
