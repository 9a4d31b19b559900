// The level's grid as vector drawing for paper: the grid picture's lines, black cells and letters,
// sharp at any resolution, with the solution digits when asked for.
#pragma once

#include <QRectF>

class Level;
class QPainter;
struct Puzzle;

// The grid keeps the picture's proportions: the largest such rectangle that fits in `bounds`,
// centred horizontally and aligned to its top.
QRectF GridArea(const QRectF& bounds);

// Paints the blank grid into `area`, with the digits of the puzzle's solution when one is given.
void PaintGrid(QPainter& painter, const Level& level, const QRectF& area, const Puzzle* solution = nullptr);
