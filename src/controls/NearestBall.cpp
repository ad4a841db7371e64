// The next and previous ball, taken from the lanes' own ball lists.
#include "controls/NearestBall.h"

#include "model/Arrangement.h"

std::optional<BallCell> NearestBall(const Arrangement& arrangement, int32_t x, int32_t y,
                                    bool next) {
    const int step = next ? 1 : -1;
    for (int k = 0; k < kNearestBallRows; ++k) {
        const int64_t row = int64_t{y} + int64_t{step} * k;
        if (!InCellRange(row))
            break;
        const TLane* lane = arrangement.lanes.AtPosition(static_cast<int32_t>(row));
        if (!lane)
            continue;
        std::optional<int32_t> best;
        for (const TBall* ball : lane->LaneBalls) {
            if (ball->Y() != row)
                continue;
            const int32_t bx = ball->X();
            // On the point's own row only the balls beyond the point count.
            if (k == 0 && (next ? bx <= x : bx >= x))
                continue;
            if (!best || (next ? bx < *best : bx > *best))
                best = bx;
        }
        if (best)
            return BallCell{*best, static_cast<int32_t>(row)};
    }
    return std::nullopt;
}
