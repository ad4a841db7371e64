// Where the room's neighbours stand, for the lines (play line, flags) drawn across them.
#pragma once

#include "controls/Geometry.h"

#include <initializer_list>
#include <optional>

class TCtrl;
class TTheInterior;

// Client pixels. A neighbour that is hidden, or that the program does not have, is none.
struct RoomNeighbours {
    TRect room;
    TRect ruler;
    bool rulerShown = false;
    bool lanesShown = false;
    int32_t laneStripLeft = 0; // the room's left when the lane strip is hidden
    std::optional<TRect> menuTrigger;
    std::optional<TRect> slider;
    std::optional<TRect> carrier;
    std::optional<TRect> watch;
    bool fullScreen = false;

    // The band of the ruler where flags show and captions sit starts after the icon.
    int32_t FlagAreaLeft() const {
        return rulerShown ? ruler.Left + (fullScreen ? 20 : 0) : room.Left;
    }
    // The top of the first of the bottom controls whose columns hold x, in the order given.
    static std::optional<int32_t>
    TopOfFirstCovering(int32_t x, std::initializer_list<std::optional<TRect>> order);
};

RoomNeighbours NeighboursOf(const TTheInterior& interior, const TCtrl& room);
