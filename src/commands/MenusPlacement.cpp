#include "commands/MenusPlacement.h"

namespace {
// Below the point's cell rather than over it.
constexpr int kBelowPoint = 19;
} // namespace

QPoint MainPopupTopLeft(const QRect& trigger, int menuWidth, bool atLeft) {
    const int y = trigger.bottom() + 1;
    if (atLeft)
        return {trigger.left() + 1, y};
    return {trigger.right() + 1 - menuWidth, y};
}

QPoint WindowPopupTopLeft(const QRect& ruler, bool rulerVisible) {
    return {ruler.left(), rulerVisible ? ruler.bottom() : ruler.top()};
}

QPoint BallMenuAtPoint(QPoint pointPixel) {
    return pointPixel + QPoint(1, kBelowPoint);
}

QPoint LaneMenuAtPoint(int laneStripRight, int pointPixelY) {
    return {laneStripRight + 1, pointPixelY + kBelowPoint};
}
