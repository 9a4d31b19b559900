// The game's message boxes: no icon, OK only, titled "Quadrivello1".
#pragma once

#include <QString>

class QWidget;

// Shows the text and returns when the box is closed. Every line ending (CR LF, LF CR, CR or LF)
// becomes one line break.
void ShowGameMessage(QWidget* parent, const QString& text);
QString MessageLines(const QString& text);
