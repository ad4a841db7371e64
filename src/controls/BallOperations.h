// Placing and removing a ball at a cell of the room, as the room's mouse and keys, the file
// drops and the ball commands do it.
#pragma once

#include <cstdint>

class Arrangement;
class TBall;

// Change codes the room reports.
constexpr int32_t kChangeBallPlaced = 64;
constexpr int32_t kChangeBallRemoved = 68;

// Draws a row of the room again, in the composition and on the screen, with the flags and the
// line over it; the room implements it.
class RoomRowPainter {
public:
    virtual ~RoomRowPainter() = default;
    // The row of cell Y, and the cell of a second ball placed beside the first when given.
    virtual void RepaintRow(int32_t y, const TBall* second) = 0;
};

// At the visible cell (column, row): adds a ball with no hue of its own; none when the cell is
// taken or outside the ball range. On a row without a lane and with Alt held, a second ball
// goes on a random diagonal neighbour. Then change code 64, the repaint when a painter is
// given, and the first ball is armed in the mixer (which arms it only while rolling).
TBall* PlaceBall(Arrangement& arrangement, RoomRowPainter* repaint, int32_t column, int32_t row,
                 bool altHeld);

// Removes the ball at the visible cell; false, with nothing changed, when there is none.
// Otherwise the change code is recorded and the row repainted when a painter is given.
bool RemoveBallAtCell(Arrangement& arrangement, RoomRowPainter* repaint, int32_t column,
                      int32_t row, int32_t changeCode);
