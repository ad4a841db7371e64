// Drawing a row of the room again after its balls changed.
#pragma once

#include <cstdint>

class TBall;

// The room implements it; the ball operations call it after a change. UI thread only.
class RoomRowPainter {
public:
    virtual ~RoomRowPainter() = default;
    // The row of cell Y, and the cell of a second ball placed beside the first when given, in
    // the composition and on the screen, with the flags and the line over them.
    virtual void RepaintRow(int32_t y, const TBall* second) = 0;
};
