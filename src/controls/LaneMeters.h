// The lane meters: a thin bar in each lane's row with the level of what sounds in it.
#pragma once

#include <QRect>

#include <cstdint>

class QPainter;
struct LanesStyle;

// The share of a bar a level (0 .. 32768) fills: the fourth root, so that quiet sounds still
// show (32768 fills it, 2048 half of it). Levels above full scale fill it.
double MeterFill(uint32_t level);

// The meter's two bars (left above right) in a row whose strip starts at stripLeft.
QRect LaneMeterRect(int32_t stripLeft, int32_t rowTop);

// Draws the bars of a packed level (left in the low, right in the high 16 bits) in the lane's
// colour over the style's meter background, with the middle mark.
void PaintLaneMeter(QPainter& painter, const QRect& bar, uint32_t level, uint32_t laneColour,
                    const LanesStyle& style);
