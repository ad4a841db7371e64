// Scrolling the room and moving the point, by the keys and by the operations that use them.
#include "controls/TheRoom.h"

#include "controls/BallLink.h"
#include "controls/Interior.h"
#include "controls/NearestBall.h"
#include "controls/TheRuler.h"
#include "model/Arrangement.h"

#include <algorithm>
#include <cmath>

namespace {

// The column an element position falls in, rounded.
int32_t columnOf(Elements position, long double elementsPerStep) {
    if (!(elementsPerStep > 0))
        return 0;
    const long double column = std::nearbyint(position.count / elementsPerStep);
    return static_cast<int32_t>(std::clamp<long double>(column, kCellMin, kCellMax));
}

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// The point's letter keys stand for the arrows; with Ctrl they are the key map's commands.
int arrowOf(int key, ShiftState shift) {
    if (shift.alt)
        return 0;
    if (isArrow(key))
        return key;
    if (shift.ctrl)
        return 0;
    switch (key) {
    case Qt::Key_A:
        return Qt::Key_Left;
    case Qt::Key_D:
        return Qt::Key_Right;
    case Qt::Key_W:
        return Qt::Key_Up;
    case Qt::Key_X:
        return Qt::Key_Down;
    default:
        return 0;
    }
}

constexpr int32_t kShiftStep = 4; // one labelled group of the ruler

} // namespace

void TTheRoom::afterOffsetX() {
    RecomputePixels();
    RepaintWhole();
    if (TTheRuler* ruler = Ruler()) {
        ruler->UpdateRuler();
        if (List.HoveredCtrl == ruler)
            ruler->PeekRulerTime(ruler->LastMouseX);
    }
    m_line.Repaint();
}

void TTheRoom::afterOffsetY() {
    Model().room.RecomputePointPixels();
    RepaintWhole();
    followRows();
}

void TTheRoom::followRows() {
    if (Model().audio.Playing())
        m_line.ReadPositionLocked();
    if (TCtrl* lanes = List.Interior->Lanes) {
        lanes->Paint();
        lanes->Present();
    }
}

void TTheRoom::SetOffsetX(int32_t value) {
    if (Model().room.OffsetX == value)
        return;
    Model().room.OffsetX = value;
    afterOffsetX();
}

void TTheRoom::SetOffsetY(int32_t value) {
    if (Model().room.OffsetY == value)
        return;
    Model().room.OffsetY = value;
    afterOffsetY();
}

void TTheRoom::SetOffsets(int32_t x, int32_t y) {
    const TRoomState& room = Model().room;
    const bool xChanges = room.OffsetX != x;
    const bool yChanges = room.OffsetY != y;
    if (xChanges && yChanges)
        applyView(x, y, false);
    else if (xChanges)
        SetOffsetX(x);
    else if (yChanges)
        SetOffsetY(y);
}

void TTheRoom::applyView(int32_t offsetX, int32_t offsetY, bool pointMoved) {
    TRoomState& room = Model().room;
    const bool xChanges = room.OffsetX != offsetX;
    const bool yChanges = room.OffsetY != offsetY;
    room.OffsetX = offsetX;
    room.OffsetY = offsetY;
    if (xChanges) {
        afterOffsetX();
    } else {
        RecomputePixels();
        if (yChanges || pointMoved)
            RepaintWhole();
    }
    if (yChanges)
        followRows();
    requestPoint();
}

void TTheRoom::CentreOnColumn(int32_t x) {
    SetOffsetX(ClampToInt32(int64_t{Width / 2 / kCellSize} - x));
}

void TTheRoom::CentreOnRow(int32_t y) {
    SetOffsetY(ClampToInt32(int64_t{Height / 2 / kCellSize} - y));
}

void TTheRoom::CentreOnCell(int32_t x, int32_t y) {
    SetOffsets(ClampToInt32(int64_t{Width / 2 / kCellSize} - x),
               ClampToInt32(int64_t{Height / 2 / kCellSize} - y));
}

int32_t TTheRoom::OffsetToShow(Elements position) const {
    const int32_t offsetX = Model().room.OffsetX;
    const int64_t step = columnOf(position, Model().plan.ElementsPerStep());
    const int64_t x = (offsetX + step) * kCellSize + BoundsRect.Left;
    if (x >= BoundsRect.Right - kCellSize)
        return ClampToInt32((Width - kCellSize) / kCellSize - step);
    if (x < BoundsRect.Left + 1)
        return ClampToInt32(offsetX - (x - BoundsRect.Left - kCellSize) / kCellSize - 1);
    return offsetX;
}

bool TTheRoom::MovePointTo(int32_t x, int32_t y) {
    TThePoint& point = Model().room.Point;
    if (point.X == x && point.Y == y)
        return false;
    requestPoint();
    point.X = x;
    point.Y = y;
    Model().room.RecomputePointPixels();
    requestPoint();
    return true;
}

void TTheRoom::MovePointShowing(int64_t x, int64_t y) {
    x = std::clamp<int64_t>(x, kCellMin, kCellMax);
    y = std::clamp<int64_t>(y, kCellMin, kCellMax);
    const TRoomState& room = Model().room;
    int64_t offsetX = room.OffsetX;
    int64_t offsetY = room.OffsetY;
    if (x > LastVisibleColumn())
        offsetX = Width / kCellSize - x - 1; // the point lands in the last column
    else if (room.OffsetX + x < 0)
        offsetX = -x;
    if (y > LastVisibleRow() - 1)
        offsetY = Height / kCellSize - y - 2;
    else if (room.OffsetY + y < 0)
        offsetY = -y;
    if (offsetX == room.OffsetX && offsetY == room.OffsetY) {
        MovePointTo(static_cast<int32_t>(x), static_cast<int32_t>(y));
        return;
    }
    requestPoint();
    TThePoint& point = Model().room.Point;
    point.X = static_cast<int32_t>(x);
    point.Y = static_cast<int32_t>(y);
    applyView(ClampToInt32(offsetX), ClampToInt32(offsetY), true);
}

bool TTheRoom::MovePointByKey(int key, ShiftState shift, int32_t step) {
    if (!isArrow(key))
        return false;
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    const TRoomState& room = Model().room;
    if (shift.ctrl) // the view moves and the point stays on its cell
        SetOffsets(ClampToInt32(int64_t{room.OffsetX} - int64_t{dx} * step),
                   ClampToInt32(int64_t{room.OffsetY} - int64_t{dy} * step));
    else
        MovePointShowing(int64_t{room.Point.X} + int64_t{dx} * step,
                         int64_t{room.Point.Y} + int64_t{dy} * step);
    if (!m_autoScroll.Rewinding)
        m_autoScroll.StopAutoScroll();
    return true;
}

bool TTheRoom::MovePointToBall(bool next) {
    const TThePoint& point = Model().room.Point;
    const auto target = NearestBall(Model(), point.X, point.Y, next);
    if (!target)
        return false;
    MovePointShowing(target->x, target->y);
    return true;
}

void TTheRoom::MovePointHomeOrEnd(bool end) {
    const TThePoint& point = Model().room.Point;
    int32_t target = 0;
    if (const TLane* lane = Model().lanes.AtPosition(point.Y); lane && !lane->LaneBalls.empty()) {
        const auto [first, last] =
            std::minmax_element(lane->LaneBalls.begin(), lane->LaneBalls.end(),
                                [](const TBall* a, const TBall* b) { return a->X() < b->X(); });
        target = end ? std::max((*last)->X(), 0) : (*first)->X();
    }
    if (point.X == target)
        target =
            end ? columnOf(Model().room.EndFlag().Position, Model().plan.ElementsPerStep()) : 0;
    MovePointShowing(target, point.Y);
}

void TTheRoom::MovePointToStartFlag() {
    const TThePoint& point = Model().room.Point;
    int32_t target = columnOf(Model().room.StartFlag().Position, Model().plan.ElementsPerStep());
    if (point.X == target)
        target = 0;
    MovePointShowing(target, point.Y);
}

void TTheRoom::MovePointToEndFlag() {
    MovePointShowing(columnOf(Model().room.EndFlag().Position, Model().plan.ElementsPerStep()),
                     Model().room.Point.Y);
}

bool TTheRoom::PointKeyDown(int key, ShiftState shift) {
    const bool none = shift == ShiftState{};
    if (const int arrow = arrowOf(key, shift))
        return MovePointByKey(arrow, {false, false, shift.ctrl}, shift.shift ? kShiftStep : 1);
    if ((key == Qt::Key_Home || key == Qt::Key_End) && !shift.shift && !shift.alt) {
        if (!shift.ctrl)
            MovePointHomeOrEnd(key == Qt::Key_End);
        else if (key == Qt::Key_Home)
            MovePointToStartFlag();
        else
            MovePointToEndFlag();
        return true;
    }
    if (key == Qt::Key_Tab && none) {
        MovePointToBall(true);
        return true;
    }
    if ((key == Qt::Key_Backtab || key == Qt::Key_Tab) && shift == ShiftState{true, false, false}) {
        MovePointToBall(false);
        return true;
    }
    return false;
}

bool TTheRoom::RoomKeyDown(int key, ShiftState shift) {
    if (shift != ShiftState{} || (key != Qt::Key_Insert && key != Qt::Key_Delete))
        return false;
    const TRoomState& room = Model().room;
    const int32_t column = ClampToInt32(int64_t{room.Point.X} + room.OffsetX);
    const int32_t row = ClampToInt32(int64_t{room.Point.Y} + room.OffsetY);
    if (key == Qt::Key_Insert) {
        if (m_links.balls.PlaceBall(column, row, false, *this))
            PaintPoint();
    } else {
        m_links.balls.RemoveBallAtCell(column, row, kChangeBallRemoved, *this);
        PaintPoint();
    }
    return true;
}
