// The room's data that belongs to the plan: scroll offsets, the point and the three flags.
#pragma once

#include "model/Colour.h"
#include "model/Flags.h"
#include "model/Units.h"

#include <cstdint>

class Arrangement;

// The keyboard cursor: a cell, and where the window draws it.
struct TThePoint {
    uint32_t Colour = RgbColour(180, 180, 180);
    int32_t X = 0; // ThePointX in files
    int32_t Y = 0; // ThePointY in files
    int32_t PixelX = 0;
    int32_t PixelY = 0;
};

// Pixel placement follows the room's rectangle, which the window sets when it lays out.
// UI thread only.
class TRoomState {
public:
    explicit TRoomState(Arrangement& arrangement);

    // Cell (X, Y) is drawn at column X + OffsetX, row Y + OffsetY.
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t Left = 0; // the room's pixel rectangle
    int32_t Top = 0;
    TThePoint Point;
    TTheFlags Flags;

    // The origin flag stays at element 0; the start and end flags mark the play range.
    TFlag& OriginFlag() const { return Flags.At(0); }
    TFlag& StartFlag() const { return Flags.At(1); }
    TFlag& EndFlag() const { return Flags.At(2); }

    // Stores a new position with its pixel X; repaints the room when asked and flags are shown.
    void SetFlagPosition(TFlag& flag, Elements position, bool repaint);
    // After scrolling, resizing or a change of timing.
    void RecomputeFlagPixels();
    // Captions of the start and end flags point away from each other when the two are close.
    void PlaceStartEndCaptions();
    // The start and end flags at the plan's play range, their captions placed.
    void FlagsFollowRange();
    // The start and end flags' captions from the language texts in force.
    void TakeFlagCaptions();
    void RecomputePointPixels();

private:
    Arrangement& m_arrangement;
};
