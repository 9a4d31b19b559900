// The manual's pictures of the game window and of the sheets window, taken from the real windows.
#pragma once

#include <QImage>
#include <QString>

#include <map>

struct ManualPictures {
    std::map<QString, QImage> images;   // by the file name the manual's text uses for them
    std::map<QString, QString> values;  // numbers and clues the text quotes, by placeholder
};

// Plays the opening moves of the manual's worked example on a level-1 puzzle that is always the
// same: "finestra.png" is the whole window with clue A chosen and its answer typed, "esempio.png"
// the grid once A and B are confirmed; "schede.png" is the window of the printable sheets;
// "seconda.png" the game with the second class chosen and "scheda-seconda.png" a printed sheet of
// that class, each with its products among the values. The application folder must hold Dati/ with
// the pictures.
ManualPictures RenderManualPictures(const QString& applicationFolder);
