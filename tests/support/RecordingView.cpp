// The recording view's bookkeeping.
#include "RecordingView.h"

namespace {

// How the call log names a label element, e.g. "Label4(3)", and a single control, by its number.
std::string Element(LabelArray array, int index)
{
    static const char* const names[] = {"Label5", "Label4", "Label7", "Label8"};
    return std::string(names[static_cast<int>(array)]) + "(" + std::to_string(index) + ")";
}

std::string Number(Control control)
{
    return std::to_string(static_cast<int>(control));
}

}  // namespace

int RecordingView::visibleCount(LabelArray array) const
{
    int count = 0;
    for (const Label& l : labels[static_cast<std::size_t>(array)])
        count += l.visible ? 1 : 0;
    return count;
}

void RecordingView::clearLog()
{
    picturesLoaded.clear();
    fills.clear();
    drawn.clear();
    messages.clear();
    calls.clear();
}

void RecordingView::SetCaption(LabelArray array, int index, const std::string& caption)
{
    label(array, index).caption = caption;
    calls.push_back("caption " + Element(array, index));
}

void RecordingView::SetVisible(LabelArray array, int index, bool visible)
{
    label(array, index).visible = visible;
    calls.push_back((visible ? "show " : "hide ") + Element(array, index));
}

void RecordingView::SetBackColor(LabelArray array, int index, Rgb colour)
{
    label(array, index).back = colour;
    calls.push_back("back " + Element(array, index));
}

void RecordingView::SetBackColor(Control control, Rgb colour)
{
    backColours[control] = colour;
    calls.push_back("back control " + Number(control));
}

void RecordingView::SetEnabled(Control control, bool isEnabled)
{
    enabled[control] = isEnabled;
    calls.push_back((isEnabled ? "enable " : "disable ") + Number(control));
}

std::string RecordingView::GetText(Control textBox)
{
    return texts[textBox];
}

void RecordingView::SetText(Control textBox, const std::string& text)
{
    texts[textBox] = text;
    calls.push_back("text " + Number(textBox));
}

// A new picture wipes what was drawn on the old one.
void RecordingView::LoadPicture(const std::string& path)
{
    picturesLoaded.push_back(path);
    fills.clear();
    drawn.clear();
    calls.push_back("picture " + path);
}

void RecordingView::FillRectangle(int x1, int y1, int x2, int y2, Rgb colour)
{
    fills.push_back({x1, y1, x2, y2, colour});
    calls.push_back("fill");
}

void RecordingView::DrawText(int x, int y, const std::string& text)
{
    drawn.push_back({x, y, text});
    calls.push_back("draw");
}

void RecordingView::ShowMessage(const std::string& text)
{
    messages.push_back(text);
    calls.push_back("message");
}
