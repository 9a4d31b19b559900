// The one font every drawing of the game is made with, grids, sheets and manual alike.
#pragma once

#include <QString>

// Installed with every Debian desktop, and with the letters Italian needs and the signs × and −.
inline QString DrawingFontFamily()
{
    return QStringLiteral("DejaVu Sans");
}
