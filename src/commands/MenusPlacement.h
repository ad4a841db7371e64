// Where the pop-up menus open, in the window's client coordinates.
#pragma once

#include <QPoint>
#include <QRect>

// Below the trigger: right-aligned to its right edge, or at its left edge + 1 when atLeft.
QPoint MainPopupTopLeft(const QRect& trigger, int menuWidth, bool atLeft);
// At the ruler's left edge, below it when it is shown (one pixel up), else at its top.
QPoint WindowPopupTopLeft(const QRect& ruler, bool rulerVisible);
// The ball menu opened by key, under the point's cell.
QPoint BallMenuAtPoint(QPoint pointPixel);
// The lane menu opened by key, right of the lane strip on the point's row.
QPoint LaneMenuAtPoint(int laneStripRight, int pointPixelY);
