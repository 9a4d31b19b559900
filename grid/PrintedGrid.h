// The level's grid as vector drawing for paper: the grid picture's lines, blocked cells and letters,
// sharp at any resolution, with the solution digits when asked for.
#pragma once

#include <QRectF>

#include <vector>

class QPainter;
struct LevelData;

// The grid keeps the picture's proportions: the largest such rectangle that fits in `bounds`,
// centred horizontally and aligned to its top.
QRectF GridArea(const QRectF& bounds);

// Paints the blank grid into `area`; `digits` (row by row, -1 for none) are written into the cells.
void PaintGrid(QPainter& painter, const LevelData& level, const QRectF& area,
               const std::vector<std::vector<int>>& digits = {});
