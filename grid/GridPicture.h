// Drawing a level's blank grid picture from its grid, at any resolution: lines, black cells, letters.
#pragma once

#include <QImage>

class Level;

namespace grid_picture {

// The picture of the level's blank grid, 460 x 262 pixels times `scale`. At scale 1 it is the grid
// picture of the level's file; at any other it is drawn afresh at that resolution, crisp: every line
// as wide as every other, in whole pixels.
QImage Draw(const Level& level, double scale = 1);

}  // namespace grid_picture
