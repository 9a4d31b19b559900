// The manual's pictures of the game window and of the sheets window, taken from the real windows.
#pragma once

#include <QImage>
#include <QString>

#include <map>

struct ManualPictures {
    std::map<QString, QImage> images;   // by the file name the manual's text uses for them
    std::map<QString, QString> values;  // numbers and clues of the worked example, by placeholder
};

// Plays the opening moves of the manual's worked example on a level-1 puzzle that is always the
// same: "finestra.png" is the whole window with clue A chosen and its answer typed, "esempio.png"
// the grid once A and B are confirmed; "schede.png" is the window of the printable sheets. The
// application folder must hold Dati/ with the pictures.
ManualPictures RenderManualPictures(const QString& applicationFolder);
