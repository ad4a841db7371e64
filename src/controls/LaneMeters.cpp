// Lane meter geometry and drawing.
#include "controls/LaneMeters.h"

#include "controls/DrawingSurfaces.h"
#include "controls/MeterFill.h"
#include "controls/StyleTables.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kMeterLeft = 24;  // under the lane's name
constexpr int kMeterWidth = 78; // ends before the point's marker
constexpr int kMeterTop = 18;   // below the name's 15 pixels
constexpr int kBarHeight = 1;

} // namespace

QRect LaneMeterRect(int32_t stripLeft, int32_t rowTop) {
    return QRect(stripLeft + kMeterLeft, rowTop + kMeterTop, kMeterWidth, 2 * kBarHeight);
}

void PaintLaneMeter(QPainter& painter, const QRect& bar, uint32_t level, uint32_t laneColour,
                    const LanesStyle& style) {
    painter.fillRect(bar, ToQColor(style.MeterBG));
    const QColor fill = ToQColor(laneColour);
    const uint32_t sides[2] = {level & 0xFFFF, level >> 16};
    for (int side = 0; side < 2; ++side) {
        const int width = static_cast<int>(std::lround(MeterFill(sides[side]) * bar.width()));
        painter.fillRect(bar.left(), bar.top() + side * kBarHeight, width, kBarHeight, fill);
    }
    painter.fillRect(bar.left() + bar.width() / 2, bar.top(), 1, bar.height(),
                     ToQColor(style.MeterMid));
}
