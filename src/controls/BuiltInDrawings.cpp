// Cells, dots and ruler cells drawn pixel by pixel, without antialiasing.
#include "controls/BuiltInDrawings.h"

#include "controls/DrawingSurfaces.h"

#include <QPainter>

#include <cmath>

void DrawPlainCell(QPainter& painter, int x, int y, bool evenSegment) {
    painter.fillRect(x, y, kCellSize, kCellSize,
                     ToQColor(evenSegment ? kEvenSegmentCell : kOddSegmentCell));
    const QColor grid = ToQColor(kCellGridLine);
    painter.fillRect(x + kCellSize - 1, y, 1, kCellSize, grid);
    painter.fillRect(x, y + kCellSize - 1, kCellSize, 1, grid);
}

namespace {

// A round dot in a square box whose centre lies between pixels, so that it is symmetric: a
// pixel belongs to it when the pixel's centre lies inside the circle.
void fillDot(QPainter& painter, QPoint centre, int diameter, const QColor& colour) {
    const double radius = diameter / 2.0;
    const int left = centre.x() - diameter / 2;
    const int top = centre.y() - diameter / 2;
    for (int row = 0; row < diameter; ++row) {
        const double dy = row + 0.5 - radius;
        const double half = std::sqrt(radius * radius - dy * dy);
        const int first = static_cast<int>(std::ceil(radius - half - 0.5));
        const int last = static_cast<int>(std::floor(radius + half - 0.5));
        painter.fillRect(left + first, top + row, last - first + 1, 1, colour);
    }
}

} // namespace

void DrawBallDot(QPainter& painter, QPoint centre, uint32_t colour) {
    fillDot(painter, centre, 14, ToQColor(colour));
    fillDot(painter, centre, 8, Qt::white);
}

void DrawRulerCell(QPainter& painter, int x, int top, bool numbered, uint32_t tickColour) {
    painter.fillRect(x, top, kCellSize, kRulerHeight, Qt::white);
    const QColor tick = ToQColor(tickColour);
    const int rightLineTop = numbered ? 0 : 10;
    painter.fillRect(x + 19, top + rightLineTop, 1, 19 - rightLineTop, tick);
    painter.fillRect(x, top + 19, kCellSize, 1, tick);
    for (int k = 0; k <= 8; ++k)
        painter.fillRect(x + 1 + 2 * k, top + 15, 1, 4, tick);
}
