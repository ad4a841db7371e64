// The place-ball and remove-ball operations.
#include "controls/BallOperations.h"

#include "model/Arrangement.h"

#include <QRandomGenerator>

namespace {

int randomSide() {
    return QRandomGenerator::global()->bounded(2) == 0 ? -1 : 1;
}

} // namespace

TBall* PlaceBall(Arrangement& arrangement, RoomRowPainter* repaint, int32_t column, int32_t row,
                 bool altHeld) {
    const int64_t x = int64_t{column} - arrangement.room.OffsetX;
    const int64_t y = int64_t{row} - arrangement.room.OffsetY;
    TBall* ball = arrangement.balls.Add(x, y, TPiece::kNoOwnHue, false);
    if (!ball)
        return nullptr;
    TBall* second = nullptr;
    if (!ball->Lane() && altHeld) {
        const int dx = randomSide();
        const int dy = randomSide();
        second = arrangement.balls.Add(x + dx, y + dy, TPiece::kNoOwnHue, false);
    }
    arrangement.plan.SetModified(kChangeBallPlaced, true);
    if (repaint)
        repaint->RepaintRow(ball->Y(), second);
    arrangement.audio.ArmBall(*ball);
    return ball;
}

bool RemoveBallAtCell(Arrangement& arrangement, RoomRowPainter* repaint, int32_t column,
                      int32_t row, int32_t changeCode) {
    const int64_t y = int64_t{row} - arrangement.room.OffsetY;
    if (!arrangement.balls.RemoveAt(column, row, true))
        return false;
    arrangement.plan.SetModified(changeCode, true);
    if (repaint)
        repaint->RepaintRow(static_cast<int32_t>(y), nullptr);
    return true;
}
