// The lane meters: a thin bar in each lane's row with the level of what sounds in it.
#pragma once

#include <QRect>

#include <cstdint>

class QPainter;
struct LanesStyle;

// The meter's two bars (left above right) in a row whose strip starts at stripLeft.
QRect LaneMeterRect(int32_t stripLeft, int32_t rowTop);

// Draws the bars of a packed level (left in the low, right in the high 16 bits) in the lane's
// colour over the style's meter background, with the middle mark.
void PaintLaneMeter(QPainter& painter, const QRect& bar, uint32_t level, uint32_t laneColour,
                    const LanesStyle& style);
