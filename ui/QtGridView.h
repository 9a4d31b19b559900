// The game's view of the window, carried out on the Qt controls of Form1Window.
#pragma once

#include "GridView.h"

#include <QString>

class Form1Window;
class QWidget;

class QtGridView final : public GridView {
public:
    explicit QtGridView(Form1Window& window) : window_(window) {}

    void SetCaption(LabelArray array, int index, const std::string& caption) override;
    void SetVisible(LabelArray array, int index, bool visible) override;
    void SetBackColor(LabelArray array, int index, Rgb colour) override;
    void SetBackColor(Control control, Rgb colour) override;
    void SetEnabled(Control control, bool enabled) override;
    std::string GetText(Control textBox) override;
    void SetText(Control textBox, const std::string& text) override;
    void LoadPicture(const std::string& path) override;
    void FillRectangle(int x1, int y1, int x2, int y2, Rgb colour) override;
    void DrawText(int x, int y, const std::string& text) override;
    void ShowMessage(const std::string& text) override;

private:
    QWidget* element(LabelArray array, int index) const;
    QWidget* single(Control control) const;

    Form1Window& window_;
};

// A message box as the game shows them: no icon, OK only, titled "Quadrivello1". Every line
// ending (CR LF, LF CR, CR or LF) becomes one line break.
void ShowGameMessage(QWidget* parent, const QString& text);
QString MessageLines(const QString& text);
