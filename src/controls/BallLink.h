// What the room asks of the ball commands when its mouse and keys place and remove balls.
#pragma once

#include <cstdint>

class RoomRowPainter;
class TBall;

// The change code of a ball removed by the room's mouse and keys.
constexpr int32_t kChangeBallRemoved = 68;

// The commands implement it (BallPlacing), so that placing and removing are written once for
// the room, the dropped files and the menus. Column and row are the room's visible cells.
// UI thread only.
class BallLink {
public:
    virtual ~BallLink() = default;

    // The new ball, or none when the cell is taken or outside the ball range. With Alt held on a
    // row without a lane a second ball goes on a random diagonal neighbour. The painter draws
    // what changed.
    virtual TBall* PlaceBall(int32_t column, int32_t row, bool altHeld,
                             RoomRowPainter& painter) = 0;
    // False, with nothing changed, when the cell holds no ball.
    virtual bool RemoveBallAtCell(int32_t column, int32_t row, int32_t changeCode,
                                  RoomRowPainter& painter) = 0;
};
