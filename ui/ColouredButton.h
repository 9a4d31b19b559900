// A push button filled with a colour of its own, drawn flat with a thin dark border, on every style.
#pragma once

#include "Levels.h"

#include <QPushButton>

class ColouredButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void setColour(Rgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{255, 192, 128};  // the design's, until a level's colours are shown
};
